#include "platform/code_page.h"

#include <unicode/ucnv.h>

#include <memory>
#include <string>
#include <vector>

namespace vartel {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(bool strict, const char* codePage) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(codePage, &status));
    if (U_FAILURE(status)) return nullptr;
    if (strict) {
        ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
        ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &status);
    }
    if (U_FAILURE(status)) return nullptr;
    return converter;
}

// Opening a converter costs more than converting a name, and a conversion of a long list
// converts every name, so each thread keeps the converters it opened.
UConverter* converterFor(bool strict, const char* codePage = "windows-31j") {
    struct Open {
        std::string codePage;
        bool strict;
        Converter converter;
    };
    thread_local std::vector<Open> opened;
    for (auto& open : opened) {
        if (open.strict == strict && open.codePage == codePage) {
            ucnv_reset(open.converter.get());
            return open.converter.get();
        }
    }
    Converter converter = openConverter(strict, codePage);
    if (!converter) return nullptr;
    opened.push_back({codePage, strict, std::move(converter)});
    return opened.back().converter.get();
}

std::optional<Text> decode(std::string_view bytes, bool strict, const char* codePage) {
    if (bytes.empty()) return Text();
    UConverter* converter = converterFor(strict, codePage);
    if (!converter) return std::nullopt;
    std::u16string out(bytes.size() * 2 + 2, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter, out.data(), static_cast<int32_t>(out.size()),
                                         bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    return textFromUtf16(out);
}

}  // namespace

Text decodeCodePage932(std::string_view bytes) {
    auto text = decode(bytes, false, "windows-31j");
    return text ? std::move(*text) : textFromBytes(bytes);
}

std::optional<Text> decodeCodePage932Exactly(std::string_view bytes) {
    return decode(bytes, true, "windows-31j");
}

std::optional<std::string> encodeCodePage932Exactly(std::u32string_view text) {
    if (text.empty()) return std::string();
    // Lone surrogates (escaped bytes of non-UTF-8 names) have no code page form at all.
    for (const char32_t c : text) {
        if (c >= 0xD800 && c <= 0xDFFF) return std::nullopt;
    }
    UConverter* converter = converterFor(true);
    if (!converter) return std::nullopt;
    const std::u16string utf16 = utf16FromText(text);
    std::string out(utf16.size() * 4 + 4, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter, out.data(), static_cast<int32_t>(out.size()), utf16.data(),
                        static_cast<int32_t>(utf16.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    // Some characters map one way only (several Unicode forms share one code); refuse those so
    // that what is written reads back as the same text.
    if (decodeCodePage932(out) != text) return std::nullopt;
    return out;
}

std::optional<Text> decodeExactly(std::string_view bytes, const char* codePage) {
    return decode(bytes, true, codePage);
}

std::optional<std::string> encodeExactly(std::u32string_view text, const char* codePage) {
    for (const char32_t c : text) {
        if (c >= 0xD800 && c <= 0xDFFF) return std::nullopt;
    }
    UConverter* converter = converterFor(true, codePage);
    if (!converter) return std::nullopt;
    const std::u16string utf16 = utf16FromText(text);
    std::string out(utf16.size() * 4 + 4, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter, out.data(), static_cast<int32_t>(out.size()), utf16.data(),
                        static_cast<int32_t>(utf16.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    return out;
}

}  // namespace vartel

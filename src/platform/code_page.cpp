#include "platform/code_page.h"

#include <unicode/ucnv.h>

#include <memory>

namespace vartel {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(bool strict) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open("windows-31j", &status));
    if (U_FAILURE(status)) return nullptr;
    if (strict) {
        ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
        ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &status);
    }
    return converter;
}

std::u16string toUtf16(std::u32string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

Text fromUtf16(std::u16string_view text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        out.push_back(c);
    }
    return out;
}

std::optional<Text> decode(std::string_view bytes, bool strict) {
    if (bytes.empty()) return Text();
    Converter converter = openConverter(strict);
    if (!converter) return std::nullopt;
    std::u16string out(bytes.size() * 2 + 2, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                      static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    return fromUtf16(out);
}

}  // namespace

Text decodeCodePage932(std::string_view bytes) {
    auto text = decode(bytes, false);
    return text ? std::move(*text) : textFromBytes(bytes);
}

std::optional<Text> decodeCodePage932Exactly(std::string_view bytes) {
    return decode(bytes, true);
}

std::optional<std::string> encodeCodePage932Exactly(std::u32string_view text) {
    if (text.empty()) return std::string();
    // Lone surrogates (escaped bytes of non-UTF-8 names) have no code page form at all.
    for (const char32_t c : text) {
        if (c >= 0xD800 && c <= 0xDFFF) return std::nullopt;
    }
    Converter converter = openConverter(true);
    if (!converter) return std::nullopt;
    const std::u16string utf16 = toUtf16(text);
    std::string out(utf16.size() * 4 + 4, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()), utf16.data(),
                        static_cast<int32_t>(utf16.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    // Some characters map one way only (several Unicode forms share one code); refuse those so
    // that what is written reads back as the same text.
    if (decodeCodePage932(out) != text) return std::nullopt;
    return out;
}

}  // namespace vartel

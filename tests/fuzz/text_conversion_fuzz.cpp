// The text conversions and the regular-expression replace on any text: nothing crashes, NFC
// is idempotent, and the width and kana conversions come back on the characters they cover.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/error.h"
#include "macro/text_conversions.h"
#include "macro/text_regex.h"

namespace {

using vartel::Text;

Text only(const Text& text, bool (*keep)(char32_t)) {
    Text kept;
    for (const char32_t c : text) {
        if (keep(c)) kept.push_back(c);
    }
    return kept;
}

void checkConversions(const Text& text) {
    using namespace vartel;
    for (int k = 0; k < kTextConversionCount; ++k)
        convertText(static_cast<TextConversion>(k), text);
    const Text nfc = normalizeNfc(text);
    if (normalizeNfc(nfc) != nfc) std::abort();

    const Text ascii = only(text, [](char32_t c) { return c >= 0x20 && c <= 0x7E; });
    if (fullWidthToHalfWidth(halfWidthToFullWidth(ascii)) != ascii) std::abort();
    const Text halfKana = only(text, [](char32_t c) { return c >= 0xFF61 && c <= 0xFF9F; });
    if (fullWidthKanaToHalfWidth(halfWidthKanaToFullWidth(halfKana)) != halfKana) std::abort();
    const Text hiragana = only(text, [](char32_t c) {
        return (c >= 0x3041 && c <= 0x3096) || c == 0x309D || c == 0x309E;
    });
    if (katakanaToHiragana(hiraganaToKatakana(hiragana)) != hiragana) std::abort();
}

// The first line is the expression, the second the replacement, the rest the text.
void checkRegex(const Text& input) {
    const auto first = input.find(U'\n');
    if (first == Text::npos) return;
    const auto second = input.find(U'\n', first + 1);
    if (second == Text::npos) return;
    try {
        const vartel::TextRegex regex(input.substr(0, first), input.size() % 2 == 0);
        const Text replacement = input.substr(first + 1, second - first - 1);
        regex.checkReplacement(replacement);
        const Text text = input.substr(second + 1);
        regex.replaceAll(text, replacement);
        regex.firstMatchPosition(text);
    } catch (const vartel::VartelError&) {
        // An invalid expression or one that runs too long is reported, never a crash.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text text =
        vartel::textFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    checkConversions(text);
    checkRegex(text);
    return 0;
}

#include "macro/text_conversions.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <array>

namespace vartel {
namespace {

constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kFullWidthOffset = 0xFEE0;
constexpr char32_t kHalfVoicedMark = 0xFF9E;      // ﾞ
constexpr char32_t kHalfSemiVoicedMark = 0xFF9F;  // ﾟ
constexpr char32_t kKatakanaToHiraganaOffset = 0x60;

// The full-width forms of U+FF61..U+FF9F, in that order.
constexpr std::array<char32_t, 0x3F> kFullOfHalfKana = {
    U'。', U'「', U'」', U'、', U'・', U'ヲ', U'ァ', U'ィ', U'ゥ', U'ェ', U'ォ', U'ャ', U'ュ',
    U'ョ', U'ッ', U'ー', U'ア', U'イ', U'ウ', U'エ', U'オ', U'カ', U'キ', U'ク', U'ケ', U'コ',
    U'サ', U'シ', U'ス', U'セ', U'ソ', U'タ', U'チ', U'ツ', U'テ', U'ト', U'ナ', U'ニ', U'ヌ',
    U'ネ', U'ノ', U'ハ', U'ヒ', U'フ', U'ヘ', U'ホ', U'マ', U'ミ', U'ム', U'メ', U'モ', U'ヤ',
    U'ユ', U'ヨ', U'ラ', U'リ', U'ル', U'レ', U'ロ', U'ワ', U'ン', U'゛', U'゜'};

bool isHalfKana(char32_t c) {
    return c >= 0xFF61 && c <= 0xFF9F;
}

char32_t fullOfHalfKana(char32_t c) {
    return kFullOfHalfKana[c - 0xFF61];
}

// The kana with the voiced (or semi-voiced) mark, or 0 when the pair does not join.
char32_t joinedKana(char32_t kana, char32_t mark) {
    // Each of these has its voiced form one code point after it; ハ行 its semi-voiced form two.
    static constexpr std::u32string_view kVoiceable = U"カキクケコサシスセソタチツテトハヒフヘホ";
    static constexpr std::u32string_view kSemiVoiceable = U"ハヒフヘホ";
    if (mark == kHalfVoicedMark) {
        if (kana == U'ウ') return U'ヴ';
        if (kana == U'ワ') return U'ヷ';
        if (kana == U'ヲ') return U'ヺ';
        if (kVoiceable.find(kana) != std::u32string_view::npos) return kana + 1;
    }
    if (mark == kHalfSemiVoicedMark && kSemiVoiceable.find(kana) != std::u32string_view::npos)
        return kana + 2;
    return 0;
}

// The half-width forms of U+3000..U+30FF: one or two characters, or none.
using HalfForms = std::array<std::u32string_view, 0x100>;

const HalfForms& halfFormsOfKana() {
    static constexpr std::u32string_view kHalves =
        U"｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ";
    static constexpr std::u32string_view kVoicedHalves =
        U"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｳﾞﾜﾞｦﾞ";
    static constexpr std::u32string_view kVoicedFulls =
        U"ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴヷヺ";
    static const HalfForms forms = [] {
        HalfForms table{};
        for (std::size_t i = 0; i < kFullOfHalfKana.size(); ++i)
            table[kFullOfHalfKana[i] - 0x3000] = kHalves.substr(i, 1);
        for (std::size_t i = 0; i < kVoicedFulls.size(); ++i)
            table[kVoicedFulls[i] - 0x3000] = kVoicedHalves.substr(2 * i, 2);
        return table;
    }();
    return forms;
}

bool isEscapedByte(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

Text nfcOfPiece(std::u32string_view piece) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return Text(piece);
    const std::u16string utf16 = utf16FromText(piece);
    const icu::UnicodeString source(false, utf16.data(), static_cast<int32_t>(utf16.size()));
    if (nfc->isNormalized(source, status) && U_SUCCESS(status)) return Text(piece);
    status = U_ZERO_ERROR;
    const icu::UnicodeString normalized = nfc->normalize(source, status);
    if (U_FAILURE(status)) return Text(piece);
    return textFromUtf16(
        std::u16string_view(normalized.getBuffer(), static_cast<std::size_t>(normalized.length())));
}

}  // namespace

Text fullWidthToHalfWidth(std::u32string_view text) {
    Text out(text);
    for (char32_t& c : out) {
        if (c >= 0xFF01 && c <= 0xFF5E) c -= kFullWidthOffset;
        if (c == kIdeographicSpace) c = U' ';
    }
    return out;
}

Text halfWidthToFullWidth(std::u32string_view text) {
    Text out(text);
    for (char32_t& c : out) {
        if (c >= 0x21 && c <= 0x7E) c += kFullWidthOffset;
        if (c == U' ') c = kIdeographicSpace;
    }
    return out;
}

Text halfWidthKanaToFullWidth(std::u32string_view text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isHalfKana(text[i])) {
            out.push_back(text[i]);
            continue;
        }
        const char32_t full = fullOfHalfKana(text[i]);
        if (i + 1 < text.size()) {
            if (const char32_t joined = joinedKana(full, text[i + 1])) {
                out.push_back(joined);
                ++i;
                continue;
            }
        }
        out.push_back(full);
    }
    return out;
}

Text fullWidthKanaToHalfWidth(std::u32string_view text) {
    Text out;
    out.reserve(text.size());
    const HalfForms& forms = halfFormsOfKana();
    for (const char32_t c : text) {
        const bool hasForm = c >= 0x3000 && c <= 0x30FF && !forms[c - 0x3000].empty();
        if (hasForm)
            out.append(forms[c - 0x3000]);
        else
            out.push_back(c);
    }
    return out;
}

Text hiraganaToKatakana(std::u32string_view text) {
    Text out(text);
    for (char32_t& c : out) {
        if ((c >= U'ぁ' && c <= U'ゖ') || c == U'ゝ' || c == U'ゞ') c += kKatakanaToHiraganaOffset;
    }
    return out;
}

Text katakanaToHiragana(std::u32string_view text) {
    Text out(text);
    for (char32_t& c : out) {
        if ((c >= U'ァ' && c <= U'ヶ') || c == U'ヽ' || c == U'ヾ') c -= kKatakanaToHiraganaOffset;
    }
    return out;
}

Text normalizeNfc(std::u32string_view text) {
    // The normalizer works on Unicode text; an escaped byte is none, so each stretch between
    // escaped bytes is normalized on its own.
    Text out;
    out.reserve(text.size());
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = start;
        while (end < text.size() && !isEscapedByte(text[end])) ++end;
        out += nfcOfPiece(text.substr(start, end - start));
        if (end < text.size()) out.push_back(text[end]);
        start = end + 1;
    }
    return out;
}

}  // namespace vartel

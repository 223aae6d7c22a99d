#include "macro/kanji_numerals.h"

#include <unicode/rbnf.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

#include "common/integer_text.h"

namespace vartel {
namespace {

constexpr std::u32string_view kKanjiDigits = U"〇一二三四五六七八九";
// Beyond 兆 the numbers no longer fit the integers a name needs.
constexpr int kMaxDigits = 16;

int kanjiDigitOf(char32_t c) {
    if (c == U'零') return 0;
    const auto digit = kKanjiDigits.find(c);
    return digit == std::u32string_view::npos ? -1 : static_cast<int>(digit);
}

// 十 百 千: a multiple of up to 9 within a group of four digits.
int smallUnitOf(char32_t c) {
    switch (c) {
        case U'十':
            return 10;
        case U'百':
            return 100;
        case U'千':
            return 1000;
        default:
            return 0;
    }
}

// 万 億 兆: a group of four digits.
std::int64_t largeUnitOf(char32_t c) {
    switch (c) {
        case U'万':
            return 10'000;
        case U'億':
            return 100'000'000;
        case U'兆':
            return 1'000'000'000'000;
        default:
            return 0;
    }
}

bool isNumeralKanji(char32_t c) {
    return kanjiDigitOf(c) >= 0 || smallUnitOf(c) > 0 || largeUnitOf(c) > 0;
}

bool isDigit(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９');
}

int digitValue(char32_t c) {
    return static_cast<int>(c >= U'０' ? c - U'０' : c - U'0');
}

// The value of a run with units, or nothing when it is not written as a number: units only in
// falling order, never two digits in a row, and a 万, 億 or 兆 only after what it multiplies.
std::optional<std::int64_t> valueWithUnits(std::u32string_view run) {
    std::int64_t total = 0;
    std::int64_t group = 0;
    int digit = -1;
    int lastSmallUnit = 10'000;
    std::int64_t lastLargeUnit = largeUnitOf(U'兆') + 1;
    for (const char32_t c : run) {
        if (const int d = kanjiDigitOf(c); d >= 0) {
            if (digit >= 0) return std::nullopt;
            digit = d;
        } else if (const int unit = smallUnitOf(c); unit > 0) {
            if (unit >= lastSmallUnit) return std::nullopt;
            group += (digit >= 0 ? digit : 1) * unit;
            lastSmallUnit = unit;
            digit = -1;
        } else {
            const std::int64_t large = largeUnitOf(c);
            if (large >= lastLargeUnit || (group == 0 && digit < 0)) return std::nullopt;
            total += (group + (digit >= 0 ? digit : 0)) * large;
            lastLargeUnit = large;
            lastSmallUnit = 10'000;
            group = 0;
            digit = -1;
        }
    }
    return total + group + (digit >= 0 ? digit : 0);
}

// The digits of a run of numeral kanji, or nothing when it stays as it is.
std::optional<Text> digitsOfRun(std::u32string_view run) {
    const bool hasUnits = std::any_of(run.begin(), run.end(), [](char32_t c) {
        return smallUnitOf(c) > 0 || largeUnitOf(c) > 0;
    });
    if (hasUnits) {
        const auto value = valueWithUnits(run);
        if (!value) return std::nullopt;
        return formatInteger(*value);
    }
    Text digits;
    for (const char32_t c : run) digits.push_back(static_cast<char32_t>(U'0' + kanjiDigitOf(c)));
    return digits;
}

// ICU's spell-out is costly to make and not safe to share between threads.
const icu::RuleBasedNumberFormat* japaneseSpellOut() {
    thread_local const std::unique_ptr<icu::RuleBasedNumberFormat> format = [] {
        UErrorCode status = U_ZERO_ERROR;
        auto made = std::make_unique<icu::RuleBasedNumberFormat>(
            icu::URBNF_SPELLOUT, icu::Locale::getJapanese(), status);
        if (U_FAILURE(status)) made.reset();
        return made;
    }();
    return format.get();
}

std::optional<Text> kanjiOfDigits(std::u32string_view digits) {
    const auto first = digits.find_first_not_of(U"0０");
    const std::u32string_view significant = first == std::u32string_view::npos
                                                ? digits.substr(digits.size() - 1)
                                                : digits.substr(first);
    const auto* spellOut = japaneseSpellOut();
    if (significant.size() > kMaxDigits || !spellOut) return std::nullopt;
    std::int64_t value = 0;
    for (const char32_t c : significant) value = value * 10 + digitValue(c);
    icu::UnicodeString spelled;
    spellOut->format(static_cast<int64_t>(value), spelled);
    return textFromUtf16(
        std::u16string_view(spelled.getBuffer(), static_cast<std::size_t>(spelled.length())));
}

bool isKanaOrKanji(char32_t c) {
    return (c >= 0x3041 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || c == U'々';
}

// One numeral kanji is as often part of a word (一覧, 九州, 統一) as a number; it is taken for a
// number after 第, before a counter, or where no kana or kanji touches it.
bool standsAsNumber(std::u32string_view text, std::size_t at) {
    static constexpr std::u32string_view kCounters =
        U"話回巻章部号番年月日時分秒歳才人個枚円度階位期代世本冊匹台件点曲周節条項組品";
    const char32_t before = at > 0 ? text[at - 1] : U' ';
    const char32_t after = at + 1 < text.size() ? text[at + 1] : U' ';
    if (before == U'第' || kCounters.find(after) != std::u32string_view::npos) return true;
    return !isKanaOrKanji(before) && !isKanaOrKanji(after);
}

}  // namespace

Text kanjiNumeralsToDigits(std::u32string_view text) {
    Text result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        // A run begins with a digit or with 十百千; a 万 on its own is a word (万歳, 万一).
        if (kanjiDigitOf(text[i]) < 0 && smallUnitOf(text[i]) == 0) {
            result.push_back(text[i++]);
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isNumeralKanji(text[end])) ++end;
        const std::u32string_view run = text.substr(i, end - i);
        const bool touchesDigits =
            (i > 0 && isDigit(text[i - 1])) || (end < text.size() && isDigit(text[end]));
        const bool aWord = run.size() == 1 && !standsAsNumber(text, i);
        const auto digits = touchesDigits || aWord ? std::nullopt : digitsOfRun(run);
        result.append(digits ? std::u32string_view(*digits) : run);
        i = end;
    }
    return result;
}

Text digitsToKanjiNumerals(std::u32string_view text) {
    Text result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isDigit(text[i])) {
            result.push_back(text[i++]);
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isDigit(text[end])) ++end;
        const std::u32string_view digits = text.substr(i, end - i);
        const auto kanji = kanjiOfDigits(digits);
        result.append(kanji ? std::u32string_view(*kanji) : digits);
        i = end;
    }
    return result;
}

}  // namespace vartel

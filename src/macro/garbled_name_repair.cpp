#include "macro/garbled_name_repair.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/code_page.h"

namespace vartel {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// How much a decoded character says "this is a Japanese name": kana and the common kanji most,
// then full-width forms and Japanese punctuation, then rare kanji and symbols that code page 932
// has. Anything else (Latin letters with accents, Cyrillic, private use, controls) says that the
// reading is wrong.
enum class JapaneseWeight { None = 0, Weak = 1, Fair = 2, Strong = 3, Foreign = -1 };

bool between(char32_t c, char32_t low, char32_t high) {
    return c >= low && c <= high;
}

bool isKana(char32_t c) {
    return between(c, 0x3041, 0x3096) || between(c, 0x309B, 0x309E) || between(c, 0x30A1, 0x30FA) ||
           between(c, 0x30FC, 0x30FE) || between(c, 0xFF66, 0xFF9F);
}

bool isKanji(char32_t c) {
    return c == U'々' || between(c, 0x4E00, 0x9FFF) || between(c, 0x3400, 0x4DBF) ||
           between(c, 0xF900, 0xFAFF);
}

// The first level of the JIS kanji (code page 932 0x889F..0x9872) holds the kanji of everyday
// names; the second level and the vendor additions are rare in them.
bool isCommonKanji(char32_t c) {
    const auto bytes = encodeCodePage932Exactly(std::u32string_view(&c, 1));
    if (!bytes || bytes->size() != 2) return false;
    const unsigned code =
        (static_cast<unsigned char>((*bytes)[0]) << 8) | static_cast<unsigned char>((*bytes)[1]);
    return code >= 0x889F && code <= 0x9872;
}

JapaneseWeight weightOf(char32_t c) {
    static constexpr std::u32string_view kSymbols =
        U"★☆○●◎◇◆□■△▲▽▼※♪〒→←↑↓×÷±①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳ⅠⅡⅢⅣⅤⅥⅦⅧⅨⅩ";
    if (c < 0x20 || c == 0x7F) return JapaneseWeight::Foreign;
    if (c < 0x80) return JapaneseWeight::None;
    if (isKana(c)) return JapaneseWeight::Strong;
    if (isKanji(c)) return isCommonKanji(c) ? JapaneseWeight::Strong : JapaneseWeight::Weak;
    if (between(c, 0xFF01, 0xFF65) || between(c, 0x3000, 0x303F) || c == U'・')
        return JapaneseWeight::Fair;
    if (kSymbols.find(c) != std::u32string_view::npos) return JapaneseWeight::Weak;
    return JapaneseWeight::Foreign;
}

bool isAsciiLetter(char32_t c) {
    return between(c, U'a', U'z') || between(c, U'A', U'Z');
}

bool isHalfWidthKana(char32_t c) {
    return between(c, 0xFF66, 0xFF9F);
}

// Half-width katakana stand in runs in a real name; one alone among kanji or Latin letters is
// more likely an accented letter misread.
JapaneseWeight weightAt(const Text& reading, std::size_t i) {
    const char32_t c = reading[i];
    if (!isHalfWidthKana(c)) return weightOf(c);
    const bool inRun = (i > 0 && isHalfWidthKana(reading[i - 1])) ||
                       (i + 1 < reading.size() && isHalfWidthKana(reading[i + 1]));
    return inRun ? JapaneseWeight::Strong : JapaneseWeight::Weak;
}

bool isJapanese(JapaneseWeight weight) {
    return weight != JapaneseWeight::None && weight != JapaneseWeight::Foreign;
}

// How plausible a reading is as a Japanese name, as the mean weight of its characters beyond
// ASCII (times 100), or nothing when it does not read as Japanese at all: a character that no
// Japanese name holds, too few kana and kanji among the rest, or Japanese characters so few
// among Latin letters, or so often wedged between them, that they are more likely pieces of a
// European word.
std::optional<int> japanesePlausibility(const Text& reading, std::size_t fewestJapanese) {
    int points = 0;
    std::size_t japanese = 0;
    std::size_t kanaOrKanji = 0;
    std::size_t latinLetters = 0;
    std::size_t latinNeighbours = 0;
    // The extension's letters say nothing of the name's language.
    const std::size_t extension = reading.rfind(U'.');
    bool previousJapanese = false;
    bool previousLatin = false;
    for (std::size_t i = 0; i < reading.size(); ++i) {
        const JapaneseWeight weight = weightAt(reading, i);
        if (weight == JapaneseWeight::Foreign) return std::nullopt;
        const bool latin = isAsciiLetter(reading[i]);
        const bool japaneseHere = isJapanese(weight);
        latinNeighbours += (latin && previousJapanese) || (japaneseHere && previousLatin) ? 1 : 0;
        previousJapanese = japaneseHere;
        previousLatin = latin;
        latinLetters += latin && i < extension ? 1 : 0;
        if (!japaneseHere) continue;
        ++japanese;
        points += static_cast<int>(weight);
        kanaOrKanji += isKana(reading[i]) || isKanji(reading[i]) ? 1 : 0;
    }
    constexpr int kLowestMeanWeight = 200;
    constexpr std::size_t kMostLatinNeighbours = 1;
    if (japanese < fewestJapanese || japanese == 0 || kanaOrKanji * 2 < japanese ||
        japanese * 5 < (japanese + latinLetters) * 2 || latinNeighbours > kMostLatinNeighbours)
        return std::nullopt;
    const int mean = points * 100 / static_cast<int>(japanese);
    if (mean < kLowestMeanWeight) return std::nullopt;
    return mean;
}

struct Reading {
    Text text;
    int plausibility = 0;
};

class Readings {
  public:
    explicit Readings(std::u32string_view original) : original_(original) {}

    void consider(std::optional<Text> decoded, std::size_t fewestJapanese) {
        if (!decoded || *decoded == original_) return;
        const auto plausibility = japanesePlausibility(*decoded, fewestJapanese);
        if (!plausibility) return;
        for (const Reading& other : found_) {
            if (other.text == *decoded) return;
        }
        found_.push_back({std::move(*decoded), *plausibility});
    }

    // The most plausible reading; a tie between two different readings leaves the name alone.
    Text best() const {
        if (found_.empty()) return Text(original_);
        auto sorted = found_;
        std::sort(sorted.begin(), sorted.end(), [](const Reading& a, const Reading& b) {
            return a.plausibility > b.plausibility;
        });
        if (sorted.size() > 1 && sorted[0].plausibility == sorted[1].plausibility)
            return Text(original_);
        return sorted[0].text;
    }

  private:
    std::u32string_view original_;
    std::vector<Reading> found_;
};

bool isLeadOf932(unsigned char byte) {
    return between(byte, 0x81, 0x9F) || between(byte, 0xE0, 0xFC);
}

// Code page 932 shown as Windows-1252: every kana and most kanji start with a byte the code
// page shows as one of ‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ (hiragana ‚, katakana ƒ).
bool bearsMarksOf1252(const std::string& bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char b) { return between(static_cast<unsigned char>(b), 0x81, 0x9F); });
}

// Code page 932 shown as code page 437: the lead bytes show as accented letters (é for
// hiragana, â for katakana) or Greek and mathematical signs, trail bytes often as box drawing.
// European names have accents too, so it takes a sign no European word has, two characters
// beyond ASCII side by side, or three lead bytes.
bool bearsMarksOf437(const std::string& bytes) {
    std::size_t leads = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) continue;
        if (byte >= 0xB0) return true;
        if (i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) >= 0x80) return true;
        leads += isLeadOf932(byte) ? 1 : 0;
    }
    return leads >= 3;
}

// UTF-8 bytes shown as code page 932 and saved again: encoding the name back to code page 932
// gives UTF-8 of the Japanese it was.
std::optional<Text> readAsUtf8ShownAs932(std::u32string_view text) {
    const auto bytes = encodeCodePage932Exactly(text);
    if (!bytes || !isValidUtf8(*bytes)) return std::nullopt;
    return textFromBytes(*bytes);
}

}  // namespace

Text repairGarbledName(std::u32string_view text) {
    Readings readings(text);
    const std::string bytes = bytesFromText(text);
    if (!isValidUtf8(bytes)) {
        // Bytes the system could not read as UTF-8 at all: the name's own bytes are the Japanese
        // code pages' text, so one Japanese character is enough.
        readings.consider(decodeExactly(bytes, "windows-31j"), 1);
        readings.consider(decodeExactly(bytes, "EUC-JP"), 1);
        return readings.best();
    }
    const bool ascii = std::all_of(text.begin(), text.end(), [](char32_t c) { return c < 0x80; });
    if (ascii || text.find(kReplacementCharacter) != std::u32string_view::npos) return Text(text);
    // A misread name shows each Japanese character as two or more; one would match too many
    // European words, so at least two Japanese characters must come back.
    constexpr std::size_t kFewestJapaneseOfMisreading = 2;
    if (const auto original = encodeExactly(text, "windows-1252");
        original && bearsMarksOf1252(*original))
        readings.consider(decodeExactly(*original, "windows-31j"), kFewestJapaneseOfMisreading);
    if (const auto original = encodeExactly(text, "ibm-437");
        original && bearsMarksOf437(*original))
        readings.consider(decodeExactly(*original, "windows-31j"), kFewestJapaneseOfMisreading);
    readings.consider(readAsUtf8ShownAs932(text), kFewestJapaneseOfMisreading);
    return readings.best();
}

}  // namespace vartel

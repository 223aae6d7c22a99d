#include "macro/japanese_readings.h"

#include <functional>
#include <string>

#include "macro/romaji.h"
#include "macro/text_conversions.h"
#include "platform/japanese_words.h"

namespace vartel {
namespace {

bool isJapanese(char32_t c) {
    return (c >= 0x3005 && c <= 0x3007) ||  // 々〆〇
           (c >= 0x3041 && c <= 0x30FF) ||  // hiragana, katakana, ー
           (c >= 0x31F0 && c <= 0x31FF) || (c >= 0xFF66 && c <= 0xFF9F) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF);
}

bool hasJapanese(std::u32string_view text) {
    for (const char32_t c : text) {
        if (isJapanese(c)) return true;
    }
    return false;
}

// Escaped bytes cannot go to the dictionary, and a NUL would end its text.
bool passesThrough(char32_t c) {
    return c == 0 || (c >= 0xDC80 && c <= 0xDCFF);
}

// Hands over the reading word by word; a stretch without Japanese goes whole, as it is.
using PieceVisitor = std::function<void(std::u32string_view piece)>;

void readRun(std::u32string_view run, const PieceVisitor& each) {
    const std::string utf8 = bytesFromText(run);
    const auto textAt = [&utf8](std::size_t from, std::size_t length = std::string::npos) {
        return textFromBytes(std::string_view(utf8).substr(from, length));
    };
    std::size_t done = 0;
    forEachJapaneseWord(utf8, [&](const JapaneseWord& word) {
        if (word.start > done) each(textAt(done, word.start - done));
        const Text surface = textAt(word.start, word.length);
        if (!hasJapanese(surface)) {
            each(surface);
        } else if (!word.reading.empty()) {
            each(textFromBytes(word.reading));
        } else {
            // A word the dictionary does not know: kana is its own reading, kanji stays.
            each(hiraganaToKatakana(halfWidthKanaToFullWidth(surface)));
        }
        done = word.start + word.length;
    });
    if (done < utf8.size()) each(textAt(done));
}

void readPieces(std::u32string_view text, const PieceVisitor& each) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !passesThrough(text[end])) ++end;
        const std::u32string_view run = text.substr(start, end - start);
        if (hasJapanese(run)) {
            readRun(run, each);
        } else if (!run.empty()) {
            each(run);
        }
        if (end < text.size()) each(text.substr(end, 1));
        start = end + 1;
    }
}

}  // namespace

Text katakanaReading(std::u32string_view text) {
    Text out;
    out.reserve(text.size() * 2);
    readPieces(text, [&out](std::u32string_view piece) { out += piece; });
    return out;
}

Text hiraganaReading(std::u32string_view text) {
    return katakanaToHiragana(katakanaReading(text));
}

Text romajiReading(std::u32string_view text) {
    RomajiWriter writer;
    readPieces(text, [&writer](std::u32string_view piece) { writer.addWord(piece); });
    return writer.take();
}

}  // namespace vartel

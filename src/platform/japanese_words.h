#pragma once

#include <functional>
#include <string_view>

namespace vartel {

// One word of a text as the dictionary splits it: where it stands in the UTF-8 given, and its
// reading in katakana, empty when the dictionary has none (a name it does not know, Latin
// letters, symbols).
struct JapaneseWord {
    std::size_t start = 0;
    std::size_t length = 0;
    std::string_view reading;  // valid only during the call that hands it over
};

// Splits UTF-8 text into words with MeCab and its IPA dictionary, loaded the first time this is
// called and kept for the rest of the run. Blanks between words belong to no word. Throws
// VartelError saying what is missing when the library or the dictionary cannot be loaded.
void forEachJapaneseWord(std::string_view utf8,
                         const std::function<void(const JapaneseWord& word)>& visit);

}  // namespace vartel

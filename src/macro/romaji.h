#pragma once

#include "common/text.h"

namespace vartel {

// Kana in lower-case romaji as Japanese passports spell it: long vowels unmarked (トウキョウ ->
// tokyo, オオサカ -> osaka, タワー -> tawa), シ チ ツ フ -> shi chi tsu fu, ン -> n, ッ doubles
// the next consonant (ッチ -> tchi), no apostrophes and no macrons. Everything else stays.
class RomajiWriter {
  public:
    // Appends the romaji of one word. Vowels of two words are never merged (の + 歌 is nouta,
    // not nota), but a ッ that ends one word doubles the consonant that starts the next.
    void addWord(std::u32string_view kana);
    Text take() { return std::move(out_); }

  private:
    Text out_;
    bool doubleNext_ = false;  // after ッ
};

// The romaji of kana read as one word.
Text romajiOfKana(std::u32string_view kana);

}  // namespace vartel

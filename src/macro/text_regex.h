#pragma once

#include <memory>

#include "common/text.h"

namespace vartel {

// A regular expression (ICU syntax) compiled once and used on many texts. Every match stops at
// a time limit, so a pattern that backtracks without end fails instead of freezing the program.
// Failures throw VartelError with a message for the user.
class TextRegex {
  public:
    // Throws when the pattern is not valid, naming the problem and where it is.
    TextRegex(const Text& pattern, bool caseSensitive);
    ~TextRegex();
    TextRegex(const TextRegex&) = delete;
    TextRegex& operator=(const TextRegex&) = delete;

    // Throws when the replacement names a group the pattern does not have ($0..$9).
    void checkReplacement(const Text& replacement) const;
    // Every match replaced; $0 stands for the match and $1..$9 for its groups.
    Text replaceAll(const Text& text, const Text& replacement) const;
    // The position of the first match in characters from 1, or 0 when there is none.
    int firstMatchPosition(const Text& text) const;

  private:
    struct Compiled;
    std::unique_ptr<Compiled> compiled_;
};

}  // namespace vartel

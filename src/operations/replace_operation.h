#pragma once

#include <memory>

#include "macro/text_regex.h"
#include "operations/recording_frame.h"

namespace vartel {

enum class ReplaceRange { Whole = 0, FirstC, LastC, CFromNth };
// After the case conversions come the text conversions, in their own order.
enum class ReplaceKind {
    Replace = 0,
    ToLower,
    ToUpper,
    FullWidthToHalfWidth,
    HalfWidthToFullWidth,
    HalfWidthKanaToFullWidth,
    FullWidthKanaToHalfWidth,
    HiraganaToKatakana,
    KatakanaToHiragana,
    Nfc,
    RepairGarbled,
};
inline constexpr int kReplaceKindCount = 11;

// The tab "置換".
struct ReplaceSettings {
    ReplaceRange range = ReplaceRange::Whole;
    ReplaceKind kind = ReplaceKind::Replace;
    Text s;  // search text
    Text r;  // replacement
    int n = 1;
    int c = 1;
    bool caseSensitive = false;
    bool regex = false;  // S is a regular expression and R may use $0..$9
};

// The settings made ready for many names: a regular expression is compiled once. Making it
// throws VartelError when the expression or its replacement is not valid; so may a name whose
// match runs too long.
class ReplaceEdit {
  public:
    explicit ReplaceEdit(const ReplaceSettings& settings);
    Text stem(const Text& stem) const;
    Text newName(const Text& stem, const Text& extension) const {
        return this->stem(stem) + extension;
    }

  private:
    Text convert(const Text& stretch) const;

    ReplaceSettings settings_;
    std::shared_ptr<const TextRegex> regex_;  // shared by the copies a list walk makes
};

// The stem with its stretch replaced or converted; the extension never changes.
inline Text replaceInStem(const ReplaceSettings& settings, const Text& stem) {
    return ReplaceEdit(settings).stem(stem);
}
inline Text replaceNewName(const ReplaceSettings& settings, const Text& stem,
                           const Text& extension) {
    return replaceInStem(settings, stem) + extension;
}

// Edits the sample stem and appends the lines that do the same; false when no variable was
// left, and then nothing is recorded.
bool recordReplace(const ReplaceSettings& settings, RecordingFrame& frame);

}  // namespace vartel

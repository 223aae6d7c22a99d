#pragma once

#include <memory>

#include "macro/text_conversions.h"
#include "macro/text_regex.h"
#include "operations/recording_frame.h"

namespace vartel {

enum class ReplaceRange { Whole = 0, FirstC, LastC, CFromNth };
inline constexpr int kReplaceRangeCount = 4;
static_assert(static_cast<int>(ReplaceRange::CFromNth) + 1 == kReplaceRangeCount);
// After the case conversions come the text conversions, in the order of their table
// (kTextConversions): kind kFirstConversionKind + i is the conversion of row i.
enum class ReplaceKind { Replace = 0, ToLower, ToUpper };
inline constexpr int kFirstConversionKind = static_cast<int>(ReplaceKind::ToUpper) + 1;
inline constexpr int kReplaceKindCount = kFirstConversionKind + kTextConversionCount;

constexpr ReplaceKind replaceKindOf(TextConversion conversion) {
    return static_cast<ReplaceKind>(kFirstConversionKind + static_cast<int>(conversion));
}
// The text conversion a kind makes; nothing for a replacement or a case conversion.
constexpr const TextConversionRow* textConversionOf(ReplaceKind kind) {
    const int row = static_cast<int>(kind) - kFirstConversionKind;
    if (row < 0 || row >= kTextConversionCount) return nullptr;
    return &kTextConversions[static_cast<std::size_t>(row)];
}
static_assert(textConversionOf(replaceKindOf(TextConversion::Romaji))->id ==
              TextConversion::Romaji);

// The tab "置換".
struct ReplaceSettings {
    ReplaceRange range = ReplaceRange::Whole;
    ReplaceKind kind = ReplaceKind::Replace;
    Text search;       // S
    Text replacement;  // R
    int position = 1;  // N
    int count = 1;     // C
    bool caseSensitive = false;
    bool regex = false;  // the search is a regular expression and the replacement may use $0..$9
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

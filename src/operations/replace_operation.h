#pragma once

#include "operations/recording_frame.h"

namespace vartel {

enum class ReplaceRange { Whole = 0, FirstC, LastC, CFromNth };
enum class ReplaceKind { Replace = 0, ToLower, ToUpper };

// The tab "置換".
struct ReplaceSettings {
    ReplaceRange range = ReplaceRange::Whole;
    ReplaceKind kind = ReplaceKind::Replace;
    Text s;  // search text
    Text r;  // replacement
    int n = 1;
    int c = 1;
    bool caseSensitive = false;
};

// The stem with its stretch replaced or converted; the extension never changes.
Text replaceInStem(const ReplaceSettings& settings, const Text& stem);
inline Text replaceNewName(const ReplaceSettings& settings, const Text& stem,
                           const Text& extension) {
    return replaceInStem(settings, stem) + extension;
}

// Edits the sample stem and appends the lines that do the same; false when no variable was
// left, and then nothing is recorded.
bool recordReplace(const ReplaceSettings& settings, RecordingFrame& frame);

}  // namespace vartel

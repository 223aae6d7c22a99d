#pragma once

#include "operations/recording_frame.h"

namespace vartel {

enum class DeleteMode { FromStart = 0, FromEnd, FromNth, TextA, AToB };
inline constexpr int kDeleteModeCount = 5;
static_assert(static_cast<int>(DeleteMode::AToB) + 1 == kDeleteModeCount);

// The tab "削除".
struct DeleteSettings {
    DeleteMode mode = DeleteMode::FromStart;
    int position = 1;  // N
    int count = 1;     // C
    Text textA;
    Text textB;
    bool caseSensitive = false;
};

// The stem with the mode's characters deleted; the extension never changes.
Text deleteFromStem(const DeleteSettings& settings, const Text& stem);
inline Text deleteNewName(const DeleteSettings& settings, const Text& stem, const Text& extension) {
    return deleteFromStem(settings, stem) + extension;
}

// Edits the sample stem and appends the lines that do the same; false when no variable was
// left, and then nothing is recorded.
bool recordDelete(const DeleteSettings& settings, RecordingFrame& frame);

}  // namespace vartel

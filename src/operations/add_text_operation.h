#pragma once

#include "operations/recording_frame.h"

namespace vartel {

enum class AddTextMode { AtStart = 0, AtEnd, AfterNth, BeforeA, AfterA };
inline constexpr int kAddTextModeCount = 5;
static_assert(static_cast<int>(AddTextMode::AfterA) + 1 == kAddTextModeCount);

// The tab "追加".
struct AddTextSettings {
    Text text;  // T
    AddTextMode mode = AddTextMode::AtStart;
    int position = 1;  // N
    Text textA;
    bool caseSensitive = false;
};

// The new name of a row from its stem and its extension (dot included).
Text addTextNewName(const AddTextSettings& settings, const Text& stem, const Text& extension);

// Edits the sample stem and appends the lines that do the same; false when no variable was
// left, and then nothing is recorded.
bool recordAddText(const AddTextSettings& settings, RecordingFrame& frame);

}  // namespace vartel

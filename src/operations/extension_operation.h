#pragma once

#include "operations/recording_frame.h"

namespace vartel {

enum class ExtensionMode { Unify = 0, AtStart, AtEnd, AfterNth, DeleteFromNth };
inline constexpr int kExtensionModeCount = 5;
static_assert(static_cast<int>(ExtensionMode::DeleteFromNth) + 1 == kExtensionModeCount);

// The tab "拡張子".
struct ExtensionSettings {
    ExtensionMode mode = ExtensionMode::Unify;
    Text text;         // A, written without a leading dot
    int position = 1;  // N
    int count = 1;     // C
};

// The extension without its dot, edited by the mode.
Text editExtension(const ExtensionSettings& settings, const Text& extension);

// The new name of a row from its stem and its extension (dot included). Every mode writes the
// dot itself except adding at the end, which keeps the row's own extension text: a name without
// one then gets no dot.
Text extensionNewName(const ExtensionSettings& settings, const Text& stem, const Text& extension);

// Edits the sample extension and appends the line that does the same; always recorded.
bool recordExtension(const ExtensionSettings& settings, RecordingFrame& frame);

}  // namespace vartel

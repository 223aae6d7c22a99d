#pragma once

#include <optional>

#include "operations/recording_frame.h"

namespace vartel {

// The stem with the text inserted before (after) the first occurrence of A, or in front of the
// stem when A is not found or empty.
Text insertAtSearch(const Text& stem, const Text& inserted, const Text& a, bool caseSensitive,
                    bool afterA);

// The lines that insert a text before or after the first occurrence of A in the name, or in
// front of the name when A is not there. x holds the position found; afterA needs y for the
// length of A. Takes the anchor number right after the search line.
void recordInsertAtSearch(RecordingFrame& frame, const Operand& inserted, const Text& a,
                          bool caseSensitive, const Operand& x, const std::optional<Operand>& y);

}  // namespace vartel

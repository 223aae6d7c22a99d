#pragma once

#include <array>
#include <vector>

#include "common/text.h"
#include "macro/macro_line.h"

namespace vartel {

// One recorded operation as the step list shows it.
struct RecordedStep {
    Text nameAfter;
    Text kind;
    Text detail;
    bool operator==(const RecordedStep&) const = default;
};

// Allocation classes: the four variable classes and the anchor numbers.
enum AllocationClass : int {
    kAllocNumber = 1,
    kAllocFixedNumber = 2,
    kAllocText = 3,
    kAllocFixedText = 4,
    kAllocAnchor = 5,
};

// What a recording has produced so far, and the example name it edits.
struct RecordingState {
    bool on = false;
    Text sampleStem;
    Text sampleExtension;  // without its dot
    std::vector<MacroLine> macro;
    std::vector<RecordedStep> steps;
    std::array<int, 5> counters{};  // indexed by allocation class - 1

    // Stem, one dot, extension: the dot stands also when the extension is empty, as in a
    // macro's result.
    Text sampleName() const { return sampleStem + U"." + sampleExtension; }

    // Empties what was recorded and takes the example name apart again.
    void restart(const Text& initialName);
};

}  // namespace vartel

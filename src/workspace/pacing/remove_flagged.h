#pragma once

#include <utility>
#include <vector>

#include "workspace/pacing/release_in_steps.h"

namespace vartel {

// Removes the rows whose flag is set, keeping the order of the others, in one pass. Rows past
// the end of the flags stay. A million rows take a while: pace, when given, is asked every few
// thousand rows, its answer not heeded.
template <typename Row>
void removeFlagged(std::vector<Row>& rows, const std::vector<char>& flags, Pace pace = {}) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        pace.step();
        if (i < flags.size() && flags[i]) continue;
        if (kept != i) rows[kept] = std::move(rows[i]);
        ++kept;
    }
    // The removed rows lie at the end, and freeing a million of them takes a while too.
    shrinkInSteps(rows, kept, pace);
}

}  // namespace vartel

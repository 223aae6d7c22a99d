#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "workspace/pacing/release_in_steps.h"

namespace vartel {

// Removes the rows whose flag is set, keeping the order of the others, in one pass. Rows past
// the end of the flags stay. A million rows take a while: breathe, when given, is called every
// few thousand rows.
template <typename Row>
void removeFlagged(std::vector<Row>& rows, const std::vector<char>& flags,
                   const std::function<void()>& breathe = nullptr) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (breathe && i % 4096 == 4095) breathe();
        if (i < flags.size() && flags[i]) continue;
        if (kept != i) rows[kept] = std::move(rows[i]);
        ++kept;
    }
    // The removed rows lie at the end, and freeing a million of them takes a while too.
    shrinkInSteps(rows, kept, breathe);
}

}  // namespace vartel

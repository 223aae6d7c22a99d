#pragma once

#include <utility>
#include <vector>

namespace vartel {

// Removes the rows whose flag is set, keeping the order of the others, in one pass. Rows past
// the end of the flags stay.
template <typename Row>
void removeFlagged(std::vector<Row>& rows, const std::vector<char>& flags) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i < flags.size() && flags[i]) continue;
        if (kept != i) rows[kept] = std::move(rows[i]);
        ++kept;
    }
    rows.resize(kept);
}

}  // namespace vartel

#pragma once

#include <array>

#include "common/text.h"
#include "macro/variable_table.h"
#include "macro/variables.h"

namespace vartel {

// The run-time values: slot 0 always empty, 1..64 the variables, 65 the file name,
// 66 the extension. Numbers are kept as their decimal text.
class VariableStore {
  public:
    const Text& slot(int code) const { return slots_[static_cast<std::size_t>(code)]; }
    Text& slot(int code) { return slots_[static_cast<std::size_t>(code)]; }

    // All 64 variables from the tables (a single test run, the start of a run over the list).
    void loadAll(const std::array<VariableTable, 4>& tables);
    // Only the per-file variables (数値, 文字), before every further file of a run.
    void loadPerFile(const std::array<VariableTable, 4>& tables);

  private:
    std::array<Text, kSlotCount> slots_{};
};

}  // namespace vartel

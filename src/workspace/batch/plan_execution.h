#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "workspace/batch/batch_files.h"
#include "workspace/batch/rename_plan.h"

namespace vartel {

// What became of one row of a carried-out plan.
struct RowOutcome {
    bool renamed = false;
    FileError error = FileError::None;  // set when a step of the row failed or was put back
};

// Told, by its index in the plan, of every step made and of every call that put a step of a
// failed group back, in the order they happen.
class RenameLog {
  public:
    virtual ~RenameLog() = default;
    virtual void stepMade(std::size_t step) = 0;
    virtual void stepPutBack(std::size_t step) = 0;
};

struct RenameRun {
    std::vector<RowOutcome> rows;  // one per request; blocked rows stay untouched
    bool stopped = false;          // groupDone said no before the end
    // A group could not be put back whole, so a file may still bear a temporary name: the
    // batch's journal must stay open for recovery.
    bool leftUnfinished = false;
};

// Carries out the steps of a plan in order into run, which the caller sizes and keeps even
// when groupDone throws. A group with a row whose file failed its check is not tried and fails
// with that row's error. A group that fails part-way is put back, so no file is left under a
// temporary name. groupDone is told after each group the number of rows it finished, and tells
// whether to go on.
void carryOutPlan(const std::vector<RenameRequest>& requests, const RenamePlan& plan,
                  const BatchFiles& files, const std::function<bool(std::size_t rows)>& groupDone,
                  RenameRun& run, RenameLog* log = nullptr);

}  // namespace vartel

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "workspace/batch/batch_files.h"
#include "workspace/batch/plan_execution.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/workspace.h"

namespace vartel {

// The one way a set of renames is carried out, whichever command asks for it (execute, undo,
// the single rename, the command line's rename and undo): planned, its files looked up, its
// journal begun, renamed, and its journal closed by the caller once the rows are recorded.
// Only within a busy period of the workspace, whose "中止" stops it.

// A batch ready to run: planned, its files looked up and its journal written before any file
// is touched. The journal is null when the workspace keeps none or nothing is to be renamed;
// nothing comes back (after telling the user) when it cannot be written. Execution leaves the
// names taken outside the batch to the renames, which refuse to replace a file.
struct PreparedBatch {
    RenamePlan plan;
    BatchFiles files;
    std::unique_ptr<ActiveBatch> journal;
    // "中止" came before the first rename: nothing is renamed, and the plan may be unfinished
    // or not made at all.
    bool stopped = false;
};

// Plans the requests, keeping the groups together when given, looks their files up and begins
// the journal. Nothing (after telling the user) when the journal cannot be written.
std::optional<PreparedBatch> prepareBatch(Workspace& workspace, BatchKind kind,
                                          const std::vector<RenameRequest>& requests,
                                          const RequestGroups* groups = nullptr);

// Frees the batch's own copies of its paths once they are no longer read: in steps with the
// window live, or after "中止" before the first rename on the helper thread, so that the stop
// is at once. The plan's statuses stay for the rows' outcomes.
void releaseBatch(std::vector<RenameRequest>& requests, PreparedBatch& batch, const Pace& pace);

// Carries the batch out into run, or nothing of it when it was stopped before the first rename.
void carryOut(const std::vector<RenameRequest>& requests, const PreparedBatch& batch,
              Workspace& workspace, RenameRun& run);

// Why a row the batch did not rename failed: the system's reason, or the plan's status that
// blocked it (unless the batch was stopped); nothing for a row renamed or never reached.
std::optional<Text> whyNotRenamed(const RowOutcome& outcome, const RenameRun& run,
                                  const RenamePlan& plan, std::size_t k);

// Carries the batch out, then records its rows' outcomes through record, which gives how many
// failed. Files renamed before a failure of the loop itself must still reach the history, so
// the rows are recorded on every way out: after a failure at once, without the window.
int carryOutAndRecord(const std::vector<RenameRequest>& requests, const PreparedBatch& batch,
                      Workspace& workspace, RenameRun& run,
                      const std::function<int(const Pace&)>& record);

}  // namespace vartel

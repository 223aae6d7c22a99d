#include "workspace/execution/batch_runner.h"

#include <atomic>
#include <chrono>
#include <exception>
#include <thread>

#include "platform/fault_injection.h"
#include "platform/side_by_side.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/journal/messages.h"
#include "workspace/pacing/release_in_steps.h"
#include "workspace/pacing/release_on_helper_thread.h"

namespace vartel {
namespace {

// Lets the window breathe and moves the progress on by the rows a group finished.
std::function<bool(std::size_t)> advanceBy(Workspace& workspace) {
    return [&workspace](std::size_t rows) {
        bool going = workspace.keepGoing();
        for (std::size_t i = 0; i < rows && going; ++i) going = workspace.nextItem();
        return going;
    };
}

}  // namespace

std::optional<PreparedBatch> prepareBatch(Workspace& workspace, BatchKind kind,
                                          const std::vector<RenameRequest>& requests,
                                          const RequestGroups* groups) {
    PreparedBatch batch;
    if (!workspace.busy()) {
        batch.stopped = true;
        return batch;
    }
    const auto plan = [&] {
        return planRenames(requests, {.literalOrder = workspace.literalOrder(),
                                      .lookUpTargets = false,
                                      .pace = workspace.pace(),
                                      .groups = groups});
    };
    // A few files are looked up sooner than the helper is woken.
    constexpr std::size_t kWorthLookingUpBeside = 256;
    if (requests.size() < kWorthLookingUpBeside || faultsInjected()) {
        batch.plan = plan();
        if (!batch.plan.stopped)
            batch.files = lookUpBatchFiles(requests, batch.plan, workspace.pace());
    } else {
        // The files are looked up beside the planner, on the helper thread: the look-ups mostly
        // wait for the file system, the planner for the processor.
        std::atomic<bool> stopLookUps{false};
        std::exception_ptr failure;
        const auto caller = std::this_thread::get_id();
        JobOnHelperThread lookingUp;
        lookingUp.start([&] {
            try {
                batch.files = lookUpRequestedFiles(requests, [&] {
                    // Left to the caller's thread where the helper is held, they breathe.
                    if (std::this_thread::get_id() == caller) return workspace.keepGoing();
                    return !stopLookUps.load(std::memory_order_relaxed);
                });
            } catch (...) {
                failure = std::current_exception();
            }
        });
        batch.plan = plan();
        if (batch.plan.stopped) stopLookUps = true;
        while (!lookingUp.finishIfDone(std::chrono::milliseconds(2))) {
            if (!workspace.keepGoing()) stopLookUps = true;
        }
        if (failure) std::rethrow_exception(failure);
        if (!batch.plan.stopped && workspace.busy()) leaveBlockedRowsAlone(batch.files, batch.plan);
    }
    if (batch.plan.stopped) {
        batch.stopped = true;
        return batch;
    }
    batch.stopped = !workspace.busy();
    RenameJournal* journal = workspace.journal();
    if (batch.stopped || journal == nullptr || batch.plan.steps.empty()) return batch;
    batch.journal = journal->begin(kind, requests, batch.plan, batch.files, workspace.pace());
    if (!batch.journal && !workspace.busy()) {
        batch.stopped = true;
        return batch;
    }
    if (!batch.journal) {
        workspace.dialogs().error(kJournalUnwritable);
        return std::nullopt;
    }
    // A journal begun for a batch stopped meanwhile is closed with nothing renamed.
    batch.stopped = !workspace.busy();
    return batch;
}

void releaseBatch(std::vector<RenameRequest>& requests, PreparedBatch& batch, const Pace& pace) {
    if (batch.stopped || !pace) {
        releaseLater(releasing(std::move(requests), std::move(batch.plan.steps),
                               std::move(batch.plan.targets), std::move(batch.plan.temporaries),
                               std::move(batch.files)));
        return;
    }
    releaseInSteps(requests, pace);
    releaseInSteps(batch.plan.steps, pace);
    releaseInSteps(batch.plan.targets, pace);
}

void carryOut(const std::vector<RenameRequest>& requests, const PreparedBatch& batch,
              Workspace& workspace, RenameRun& run) {
    if (batch.stopped) {
        run.rows.assign(requests.size(), {});
        run.stopped = true;
        return;
    }
    carryOutPlan(requests, batch.plan, batch.files, advanceBy(workspace), run, batch.journal.get());
}

int carryOutAndRecord(const std::vector<RenameRequest>& requests, const PreparedBatch& batch,
                      Workspace& workspace, RenameRun& run,
                      const std::function<int(const Pace&)>& record) {
    try {
        carryOut(requests, batch, workspace, run);
    } catch (...) {
        record({});
        throw;
    }
    return record(workspace.paceToTheEnd());
}

std::optional<Text> whyNotRenamed(const RowOutcome& outcome, const RenameRun& run,
                                  const RenamePlan& plan, std::size_t k) {
    if (outcome.renamed) return std::nullopt;
    if (outcome.error != FileError::None) return failureReasonText(outcome.error);
    if (!run.stopped && blocksRow(plan.statuses[k])) return statusText(plan.statuses[k]);
    return std::nullopt;
}

}  // namespace vartel

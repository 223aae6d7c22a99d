#include "workspace/execution/execute.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "workspace/batch/plan_texts.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/execution/batch_runner.h"
#include "workspace/journal/folder_renames.h"
#include "workspace/messages.h"
#include "workspace/pacing/release_in_steps.h"
#include "workspace/pacing/remove_flagged.h"
#include "workspace/preview_batch.h"
#include "workspace/rows/path_bytes.h"

namespace vartel {
namespace {

// Puts requests deeper in the tree first (see putDeeperFirst), with their rows and groups, for
// a batch that renames folders.
void putDeeperFirst(PreviewBatch& batch) {
    const std::vector<std::size_t> placeOf = putDeeperFirst(batch.requests);
    const auto reorder = [&](auto& perRequest, auto place) {
        std::remove_reference_t<decltype(perRequest)> reordered(perRequest.size());
        for (std::size_t k = 0; k < perRequest.size(); ++k)
            reordered[placeOf[k]] = place(perRequest[k]);
        perRequest = std::move(reordered);
    };
    const auto same = [](auto value) { return value; };
    reorder(batch.rowOf, same);
    reorder(batch.groups.claimedTwice, same);
    reorder(batch.groups.leaderOf,
            [&](std::uint32_t leader) { return static_cast<std::uint32_t>(placeOf[leader]); });
}

// The checked preview rows as requests, from the bottom row up, so that competing rows lose to
// the lower one; with the row each request came from, and the rows' companion files when the
// workspace renames them too.
PreviewBatch gatherRequests(Workspace& workspace) {
    const PreviewList& preview = workspace.previewList();
    std::vector<std::size_t> bottomUp(preview.size());
    std::iota(bottomUp.rbegin(), bottomUp.rend(), std::size_t{0});
    PreviewBatch gathered = previewBatch(workspace, bottomUp, workspace.paceToTheEnd());
    const bool withFolders = std::any_of(preview.begin(), preview.end(), [](const auto& row) {
        return row.checked && row.facts.isFolder();
    });
    if (withFolders) putDeeperFirst(gathered);
    return gathered;
}

// A renamed row leaves the preview, so its names move on to the history and the conversion
// list rather than being copied; the window shows no row of a list while a command runs.
void moveToHistory(Workspace& workspace, PreviewEntry& row, const FileFingerprint& fingerprint,
                   std::uint32_t batchPlace) {
    HistoryEntry renamed{row.folder, std::move(row.oldName), row.newName};
    renamed.identity = row.identity;
    renamed.fingerprint = fingerprint;
    renamed.batch = batchPlace;
    workspace.historyList().push_back(std::move(renamed));
    FileEntry entry{row.folder, std::move(row.newName), row.facts};
    entry.identity = row.identity;
    workspace.conversionList().push_back(std::move(entry));
}

// What became of the companion files: those renamed follow their rows into the history (not
// the conversion list, which they never were in), so that undo takes them back; those the
// system refused join the preview marked with why, so that none is left behind unseen. Read
// before the batch's paths are released.
struct CompanionOutcomes {
    std::vector<std::pair<std::size_t, HistoryEntry>> renamed;  // by preview row, in order
    PreviewList refused;
};

CompanionOutcomes companionOutcomes(const PreviewList& preview, const PreviewBatch& gathered,
                                    const RenameRun& run,
                                    const std::vector<FileFingerprint>& fingerprints,
                                    std::uint32_t batchPlace) {
    CompanionOutcomes outcomes;
    for (std::size_t k = 0; k < gathered.requests.size(); ++k) {
        const RowOutcome& outcome = run.rows[k];
        if (!gathered.isCompanion(k) || (!outcome.renamed && outcome.error == FileError::None))
            continue;
        const RenameRequest& request = gathered.requests[k];
        const std::size_t row = gathered.rowOf[k];
        Text oldName = textFromBytes(request.name());
        Text newName = textFromBytes(request.newName);
        if (outcome.renamed) {
            HistoryEntry entry{preview[row].folder, std::move(oldName), std::move(newName)};
            if (k < fingerprints.size()) entry.fingerprint = fingerprints[k];
            entry.batch = batchPlace;
            outcomes.renamed.emplace_back(row, std::move(entry));
        } else {
            PreviewEntry entry{preview[row].folder, std::move(oldName), std::move(newName), {}};
            entry.failed = true;
            entry.failureReason = failureReasonText(outcome.error);
            outcomes.refused.push_back(std::move(entry));
        }
    }
    std::stable_sort(outcomes.renamed.begin(), outcomes.renamed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return outcomes;
}

// Renamed rows go to the history and the conversion list; rows that failed or that the plan
// blocked stay in the preview, marked with why. Gives how many failed.
int recordOutcomes(Workspace& workspace, PreviewBatch& gathered, PreparedBatch& batch,
                   const RenameRun& run, const Pace& pace) {
    auto& preview = workspace.previewList();
    const RenamePlan& plan = batch.plan;
    const std::size_t requestCount = gathered.requests.size();
    std::vector<std::size_t> requestOf(preview.size(), requestCount);
    for (std::size_t k = 0; k < requestCount; ++k) {
        if (!gathered.isCompanion(k)) requestOf[gathered.rowOf[k]] = k;
    }
    // What the batch found of each file goes to the history, for undo to check.
    const std::vector<FileFingerprint> fingerprints = std::move(batch.files.fingerprints);
    const std::uint32_t batchPlace =
        batch.journal ? workspace.placeOfBatch(workspace.journal()->lastBatchId())
                      : HistoryEntry::kNoBatch;
    CompanionOutcomes companions =
        companionOutcomes(preview, gathered, run, fingerprints, batchPlace);
    auto nextCompanion = companions.renamed.begin();
    // The batch's copies of the paths go before the history takes its rows, which then reuse
    // their memory. What is read below of the plan, its statuses, stays.
    releaseBatch(gathered.requests, batch, pace);
    const auto renamedRows = static_cast<std::size_t>(std::count_if(
        run.rows.begin(), run.rows.end(), [](const auto& outcome) { return outcome.renamed; }));
    workspace.historyList().reserve(workspace.historyList().size() + renamedRows);
    workspace.conversionList().reserve(workspace.conversionList().size() + renamedRows);
    FolderRenames folders;
    std::vector<char> done(preview.size(), 0);
    int errors = 0;
    Pace recording = pace;
    for (std::size_t i = 0; i < preview.size(); ++i) {
        recording.step();
        const std::size_t k = requestOf[i];
        if (k == requestCount) continue;
        PreviewEntry& row = preview[i];
        for (; nextCompanion != companions.renamed.end() && nextCompanion->first == i;
             ++nextCompanion) {
            workspace.historyList().push_back(std::move(nextCompanion->second));
        }
        const RowOutcome& outcome = run.rows[k];
        if (outcome.renamed) {
            if (row.facts.isFolder()) folders.add(row.fullPathBefore(), row.newName);
            workspace.touchFolder(row.folder);
            moveToHistory(workspace, row,
                          k < fingerprints.size() ? fingerprints[k] : FileFingerprint{},
                          batchPlace);
            done[i] = 1;
            continue;
        }
        const auto why = whyNotRenamed(outcome, run, plan, k);
        if (!why) continue;
        if (outcome.error != FileError::None) workspace.touchFolder(row.folder);  // not as planned
        row.failureReason = *why;
        row.failed = true;
        ++errors;
    }
    if (!folders.empty()) workspace.touchEveryFolder();
    removeFlagged(preview, done, pace);
    for (auto& refused : companions.refused) {
        workspace.touchFolder(refused.folder);
        preview.push_back(std::move(refused));
        ++errors;
    }
    folders.bringUpToDate(workspace.conversionList(), preview, workspace.historyList());
    if (batch.journal && !run.leftUnfinished) batch.journal->close(run, pace);
    return errors;
}

// The loop of return runs from the bottom and collects what it produces; the rows it
// finishes leave their list in one pass, and what it collected is appended in top-to-bottom
// order, asking pace every few thousand rows.
template <typename Row>
void appendReversed(std::vector<Row>& rows, std::vector<Row>& collected, const Pace& pace) {
    rows.reserve(rows.size() + collected.size());
    Pace moving = pace;
    for (auto row = collected.rbegin(); row != collected.rend(); ++row) {
        moving.step();
        rows.push_back(std::move(*row));
    }
    releaseInSteps(collected, pace);
}

// The failed renames, or nothing when no batch was carried out.
std::optional<int> renameCheckedRows(Workspace& workspace) {
    BusyScope busy(workspace);
    workspace.planOnlyTouchedFolders();
    auto& preview = workspace.previewList();
    if (preview.empty()) {
        workspace.dialogs().message(kCreatePreviewFirst);
        return std::nullopt;
    }
    workspace.setProgressMaximum(static_cast<int>(preview.size()));
    PreviewBatch gathered = gatherRequests(workspace);
    auto batch =
        prepareBatch(workspace, BatchKind::Execute, gathered.requests, gathered.groupsOrNone());
    if (!batch) return std::nullopt;
    if (batch->stopped && !batch->journal) {
        // "中止" before anything was renamed or recorded: nothing changes.
        releaseBatch(gathered.requests, *batch, nullptr);
        return 0;
    }
    RenameRun run;
    return carryOutAndRecord(gathered.requests, *batch, workspace, run, [&](const Pace& pace) {
        return recordOutcomes(workspace, gathered, *batch, run, pace);
    });
}

}  // namespace

void execute(Workspace& workspace) {
    if (workspace.busy()) return;
    // Told once the busy period is over, so that nothing of the run shows behind the box.
    if (const auto errors = renameCheckedRows(workspace)) showSummary(workspace.dialogs(), *errors);
}

void returnToConversionList(Workspace& workspace) {
    if (workspace.busy()) return;
    BusyScope busy(workspace);
    workspace.planOnlyTouchedFolders();
    auto& preview = workspace.previewList();
    workspace.setProgressMaximum(static_cast<int>(preview.size()));
    std::vector<char> done(preview.size(), 0);
    ConversionList rows;
    // Grown row by row, a million rows would be moved again at each doubling.
    rows.reserve(static_cast<std::size_t>(std::count_if(
        preview.begin(), preview.end(), [](const auto& row) { return row.checked; })));
    for (auto i = static_cast<std::ptrdiff_t>(preview.size()) - 1; i >= 0; --i) {
        const PreviewEntry& row = preview[static_cast<std::size_t>(i)];
        if (row.checked) {
            FileEntry entry{row.folder, row.oldName, row.facts};
            entry.identity = row.identity;
            rows.push_back(std::move(entry));
            workspace.touchFolder(row.folder);
            done[static_cast<std::size_t>(i)] = 1;
        }
        if (!workspace.nextItem()) break;
    }
    const Pace pace = workspace.paceToTheEnd();
    removeFlagged(preview, done, pace);
    appendReversed(workspace.conversionList(), rows, pace);
}

}  // namespace vartel

#include "workspace/execution/execution.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "common/integer_text.h"
#include "common/name_parts.h"
#include "workspace/batch/plan_execution.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/execution/batch_runner.h"
#include "workspace/execution/requests_by_target.h"
#include "workspace/journal/folder_renames.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/messages.h"
#include "workspace/pacing/release_in_steps.h"
#include "workspace/pacing/release_on_helper_thread.h"
#include "workspace/pacing/remove_flagged.h"
#include "workspace/rows/path_bytes.h"

namespace vartel {
namespace {

void showSummary(Dialogs& dialogs, int errors) {
    dialogs.message(errors == 0 ? kFinishedNormally : formatInteger(errors) + kErrorCountSuffix);
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

// The checked history rows as renames back, from the bottom up. A file renamed more than once
// (a to b, later b to c) is one request that takes it from c straight back to a, since the
// names in between need not be free any more.
struct UndoBatch {
    static constexpr std::size_t kNotUndone = static_cast<std::size_t>(-1);
    static constexpr std::size_t kBackWhereItWas = kNotUndone - 1;  // renames that cancel out

    // pace is asked every few thousand rows; once it says no, the batch is stopped: it undoes
    // nothing, and its requests are only to be released.
    UndoBatch(const HistoryList& history, const Pace& pace)
        : requestOf(history.size(), kNotUndone) {
        if (!gather(history, pace) || !dropRoundTrips(pace)) {
            stopped = true;
            requestOf.assign(history.size(), kNotUndone);
            return;
        }
        // A history entry does not tell a folder from a file, so any rename back may have
        // paths below it.
        const std::vector<std::size_t> placeOf = putDeeperFirst(requests, pace);
        for (auto& k : requestOf) {
            if (k != kNotUndone && k != kBackWhereItWas) k = placeOf[k];
        }
        std::vector<Ends> ordered(ends.size());
        for (std::size_t k = 0; k < ends.size(); ++k) ordered[placeOf[k]] = ends[k];
        ends = std::move(ordered);
    }

    // The history row that gave a request its path (its file's name now) and the one that gave
    // its new name (the oldest name of the file), where their texts are still read.
    struct Ends {
        std::size_t pathFrom;
        std::size_t nameFrom;
    };

    static bool sameFileOrUnknown(const FileIdentity& a, const FileIdentity& b) {
        return !a.known() || !b.known() || a == b;
    }

    std::vector<RenameRequest> requests;
    std::vector<Ends> ends;              // per request
    std::vector<std::size_t> requestOf;  // per history row
    bool stopped = false;

  private:
    // The requests, and where each takes its file back to.
    bool gather(const HistoryList& history, Pace pace) {
        requests.reserve(history.size());
        ends.reserve(history.size());
        std::vector<PathParts> targets;
        targets.reserve(history.size());
        RequestsByTarget requestEndingAt(targets, history.size());
        PathBytes pathBytes;
        for (std::size_t i = history.size(); i-- > 0;) {
            if (!pace.step()) return false;
            const HistoryEntry& entry = history[i];
            if (!entry.checked) continue;
            const std::u32string_view folder = folderText(entry.folder);
            const PathParts restored{folder, entry.oldName};
            const std::size_t earlier = requestEndingAt.find(PathParts{folder, entry.newName});
            if (earlier != RequestsByTarget::kNone &&
                sameFileOrUnknown(requests[earlier].identity, entry.identity)) {
                requestEndingAt.takeOut(earlier);
                requests[earlier].newName = bytesFromText(entry.oldName);
                ends[earlier].nameFrom = i;
                targets[earlier] = restored;
                requestEndingAt.file(earlier);
                requestOf[i] = earlier;
            } else {
                requestOf[i] = requests.size();
                requests.push_back({pathBytes.of(entry.folder, entry.newName),
                                    bytesFromText(entry.oldName), entry.identity,
                                    entry.fingerprint});
                ends.push_back({i, i});
                targets.push_back(restored);
                requestEndingAt.file(requests.size() - 1);
            }
        }
        return true;
    }

    // Requests that end where they started leave the plan; their rows are simply done. Both
    // ends of a request lie in one folder, so their names tell.
    bool dropRoundTrips(Pace pace) {
        std::vector<std::size_t> newIndex(requests.size());
        std::size_t kept = 0;
        for (std::size_t k = 0; k < requests.size(); ++k) {
            if (!pace.step()) return false;
            if (requests[k].name() == requests[k].newName) {
                newIndex[k] = kBackWhereItWas;
                continue;
            }
            newIndex[k] = kept;
            if (kept != k) {
                requests[kept] = std::move(requests[k]);
                ends[kept] = ends[k];
            }
            ++kept;
        }
        requests.erase(requests.begin() + static_cast<std::ptrdiff_t>(kept), requests.end());
        ends.resize(kept);
        for (auto& k : requestOf) {
            if (k != kNotUndone) k = newIndex[k];
        }
        return true;
    }
};

// How many history rows each batch of the workspace's table has.
std::vector<std::size_t> rowsOfEachBatch(Workspace& workspace) {
    std::vector<std::size_t> rows;
    for (const HistoryEntry& entry : workspace.historyList()) {
        if (entry.batch == HistoryEntry::kNoBatch) continue;
        if (entry.batch >= rows.size()) rows.resize(entry.batch + 1, 0);
        ++rows[entry.batch];
    }
    return rows;
}

// A batch whose rows the undo took back, every one, is undone in its journal too, so that the
// past batches show it so and it is not undone twice.
void markBatchesTakenBack(Workspace& workspace, const std::vector<std::size_t>& rowsBefore) {
    RenameJournal* journal = workspace.journal();
    if (journal == nullptr) return;
    const std::vector<std::size_t> rowsAfter = rowsOfEachBatch(workspace);
    for (std::size_t place = 0; place < rowsBefore.size(); ++place) {
        if (rowsBefore[place] == 0 || (place < rowsAfter.size() && rowsAfter[place] != 0)) continue;
        journal->markUndone(workspace.batchAt(static_cast<std::uint32_t>(place)),
                            journal->lastBatchId());
    }
}

// Each file undo took back takes the first conversion row that had its path before the undo
// along to its old name. All renames of the batch count as made at once, so rows of files that
// swapped names are not confused.
void renameRowsTakenBack(ConversionList& rows, const UndoBatch& batch, const HistoryList& history,
                         const RenameRun& run, const Pace& pace) {
    const auto& requests = batch.requests;
    std::unordered_map<std::string_view, std::size_t> requestAt;
    requestAt.reserve(requests.size());
    Pace filing = pace;
    for (std::size_t k = 0; k < requests.size(); ++k) {
        filing.step();
        if (run.rows[k].renamed) requestAt.emplace(requests[k].path, k);
    }
    if (requestAt.empty()) return;
    PathBytes pathBytes;
    std::string path;
    Pace renaming = pace;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        renaming.step();
        FileEntry& row = rows[i];
        pathBytes.write(path, row.folder, row.name);
        const auto found = requestAt.find(path);
        if (found == requestAt.end()) continue;
        // A rename never leaves the folder, so the row keeps its folder part.
        row.name = history[batch.ends[found->second].nameFrom].oldName;
        requestAt.erase(found);
    }
}

}  // namespace

void execute(Workspace& workspace) {
    if (workspace.busy()) return;
    BusyScope busy(workspace);
    workspace.planOnlyTouchedFolders();
    auto& preview = workspace.previewList();
    if (preview.empty()) {
        workspace.dialogs().message(kCreatePreviewFirst);
        return;
    }
    workspace.setProgressMaximum(static_cast<int>(preview.size()));
    // The batch runs from the bottom row up; competing rows lose to the lower one.
    std::vector<RenameRequest> requests;
    std::vector<std::size_t> rowOf;
    PathBytes pathBytes;
    requests.reserve(preview.size());
    rowOf.reserve(preview.size());
    Pace gathering = workspace.paceToTheEnd();
    for (std::size_t i = preview.size(); i-- > 0;) {
        gathering.step();
        const PreviewEntry& row = preview[i];
        if (!row.checked) continue;
        requests.push_back(
            {pathBytes.of(row.folder, row.oldName), bytesFromText(row.newName), row.identity});
        rowOf.push_back(i);
    }
    const bool withFolders = std::any_of(preview.begin(), preview.end(), [](const auto& row) {
        return row.checked && row.facts.isFolder();
    });
    if (withFolders) {
        const std::vector<std::size_t> placeOf = putDeeperFirst(requests);
        std::vector<std::size_t> reordered(rowOf.size());
        for (std::size_t k = 0; k < rowOf.size(); ++k) reordered[placeOf[k]] = rowOf[k];
        rowOf = std::move(reordered);
    }
    auto batch = prepareBatch(workspace, BatchKind::Execute, requests);
    if (!batch) return;
    if (batch->stopped && !batch->journal) {
        // "中止" before anything was renamed or recorded: nothing changes.
        releaseBatch(requests, *batch, nullptr);
        showSummary(workspace.dialogs(), 0);
        return;
    }
    const RenamePlan& plan = batch->plan;
    RenameRun run;
    // Files renamed before a failure of the loop itself must still reach the history, so the
    // lists are brought up to date on every way out.
    // With a failure on its way out the lists are brought up to date without waiting for the
    // window.
    const auto record = [&](const Pace& pace) {
        FolderRenames folders;
        std::vector<char> done(preview.size(), 0);
        const std::size_t requestCount = requests.size();
        std::vector<std::size_t> requestOf(preview.size(), requestCount);
        for (std::size_t k = 0; k < requestCount; ++k) requestOf[rowOf[k]] = k;
        // What the batch found of each file goes to the history, for undo to check.
        const std::vector<FileFingerprint> fingerprints = std::move(batch->files.fingerprints);
        const std::uint32_t batchPlace =
            batch->journal ? workspace.placeOfBatch(workspace.journal()->lastBatchId())
                           : HistoryEntry::kNoBatch;
        // The batch's copies of the paths go before the history takes its rows, which then
        // reuse their memory. What is read below of the plan, its statuses, stays.
        releaseBatch(requests, *batch, pace);
        const auto renamedRows = static_cast<std::size_t>(std::count_if(
            run.rows.begin(), run.rows.end(), [](const auto& outcome) { return outcome.renamed; }));
        auto& history = workspace.historyList();
        auto& rows = workspace.conversionList();
        history.reserve(history.size() + renamedRows);
        rows.reserve(rows.size() + renamedRows);
        int errors = 0;
        Pace recording = pace;
        for (std::size_t i = 0; i < preview.size(); ++i) {
            recording.step();
            const std::size_t k = requestOf[i];
            if (k == requestCount) continue;
            PreviewEntry& row = preview[i];
            const RowOutcome& outcome = run.rows[k];
            if (outcome.renamed) {
                if (row.facts.isFolder()) folders.add(row.fullPathBefore(), row.newName);
                workspace.touchFolder(row.folder);
                // The row leaves the preview below, so its names move on rather than being
                // copied; the window shows no row of a list while a command runs.
                HistoryEntry renamed{row.folder, std::move(row.oldName), row.newName};
                renamed.identity = row.identity;
                if (k < fingerprints.size()) renamed.fingerprint = fingerprints[k];
                renamed.batch = batchPlace;
                history.push_back(std::move(renamed));
                FileEntry entry{row.folder, std::move(row.newName), row.facts};
                entry.identity = row.identity;
                rows.push_back(std::move(entry));
                done[i] = 1;
            } else if (outcome.error != FileError::None) {
                row.failureReason = failureReasonText(outcome.error);
                workspace.touchFolder(row.folder);  // its folder was not as planned
            } else if (!run.stopped && blocksRow(plan.statuses[k])) {
                row.failureReason = statusText(plan.statuses[k]);
            } else {
                continue;
            }
            if (!outcome.renamed) {
                row.failed = true;
                ++errors;
            }
        }
        if (!folders.empty()) workspace.touchEveryFolder();
        removeFlagged(preview, done, pace);
        folders.bringUpToDate(rows, preview, history);
        if (batch->journal && !run.leftUnfinished) batch->journal->close(run, pace);
        return errors;
    };
    try {
        carryOut(requests, *batch, workspace, run);
    } catch (...) {
        record({});
        throw;
    }
    showSummary(workspace.dialogs(), record(workspace.paceToTheEnd()));
}

void undo(Workspace& workspace) {
    if (workspace.busy()) return;
    BusyScope busy(workspace);
    workspace.planOnlyTouchedFolders();
    auto& history = workspace.historyList();
    if (history.empty()) {
        workspace.dialogs().message(kNoHistory);
        return;
    }
    workspace.setProgressMaximum(static_cast<int>(history.size()));
    UndoBatch batch(history, workspace.pace());
    const std::vector<std::size_t> rowsBefore = rowsOfEachBatch(workspace);
    if (batch.stopped) {
        // "中止" while the batch was gathered: nothing to undo, and nothing to wait for.
        releaseLater(releasing(std::move(batch.requests)));
        showSummary(workspace.dialogs(), 0);
        return;
    }
    auto prepared = prepareBatch(workspace, BatchKind::Undo, batch.requests);
    if (!prepared) return;
    const RenamePlan& plan = prepared->plan;
    RenameRun run;
    // With a failure on its way out the lists are brought up to date without waiting for the
    // window.
    const auto record = [&](const Pace& pace) {
        auto& rows = workspace.conversionList();
        // Nothing renamed, as after "中止", renames no folder.
        const bool renamedAny = std::any_of(run.rows.begin(), run.rows.end(),
                                            [](const auto& outcome) { return outcome.renamed; });
        const std::unordered_set<Text> foldersOfRows =
            renamedAny ? foldersAboveRows(rows, workspace.previewList(), history, pace)
                       : std::unordered_set<Text>{};
        FolderRenames folders;
        std::vector<char> done(history.size(), 0);
        int errors = 0;
        Text path;
        Pace following = pace;
        for (std::size_t k = 0; k < batch.requests.size(); ++k) {
            following.step();
            if (!run.rows[k].renamed) continue;
            const HistoryEntry& moved = history[batch.ends[k].pathFrom];
            workspace.touchFolder(moved.folder);
            // A history row does not tell a folder from a file; only folders above rows matter.
            path.assign(folderText(moved.folder));
            path += moved.newName;
            if (foldersOfRows.contains(path)) {
                folders.add(path, history[batch.ends[k].nameFrom].oldName);
            }
        }
        if (!folders.empty()) workspace.touchEveryFolder();
        renameRowsTakenBack(rows, batch, history, run, pace);
        Pace recording = pace;
        for (std::size_t i = history.size(); i-- > 0;) {
            recording.step();
            const std::size_t k = batch.requestOf[i];
            if (k == UndoBatch::kNotUndone) continue;
            HistoryEntry& entry = history[i];
            const RowOutcome outcome =
                k == UndoBatch::kBackWhereItWas ? RowOutcome{true} : run.rows[k];
            if (outcome.renamed) {
                done[i] = 1;
                continue;
            }
            if (outcome.error != FileError::None) {
                entry.failureReason = failureReasonText(outcome.error);
            } else if (!run.stopped && blocksRow(plan.statuses[k])) {
                entry.failureReason = statusText(plan.statuses[k]);
            } else {
                continue;
            }
            entry.failed = true;
            ++errors;
        }
        removeFlagged(history, done, pace);
        folders.bringUpToDate(rows, workspace.previewList(), history);
        if (prepared->journal && !run.leftUnfinished) prepared->journal->close(run, pace);
        markBatchesTakenBack(workspace, rowsBefore);
        releaseBatch(batch.requests, *prepared, pace);
        return errors;
    };
    try {
        carryOut(batch.requests, *prepared, workspace, run);
    } catch (...) {
        record({});
        throw;
    }
    showSummary(workspace.dialogs(), record(workspace.paceToTheEnd()));
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

void clearHistory(Workspace& workspace) {
    if (!workspace.busy()) workspace.historyList().clear();
}

}  // namespace vartel

#include "workspace/execution/undo.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "workspace/batch/rename_plan.h"
#include "workspace/execution/batch_runner.h"
#include "workspace/execution/requests_by_target.h"
#include "workspace/journal/folder_renames.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/messages.h"
#include "workspace/pacing/release_on_helper_thread.h"
#include "workspace/pacing/remove_flagged.h"
#include "workspace/rows/path_bytes.h"

namespace vartel {
namespace {

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

// The folders the batch took back that lie above rows of the lists, each with the name it took
// back; a history row does not tell a folder from a file, and only folders above rows matter.
FolderRenames foldersTakenBack(Workspace& workspace, const UndoBatch& batch, const RenameRun& run,
                               const Pace& pace) {
    const auto& history = workspace.historyList();
    FolderRenames folders;
    // Nothing renamed, as after "中止", renames no folder.
    const bool renamedAny = std::any_of(run.rows.begin(), run.rows.end(),
                                        [](const auto& outcome) { return outcome.renamed; });
    if (!renamedAny) return folders;
    const std::unordered_set<Text> foldersOfRows =
        foldersAboveRows(workspace.conversionList(), workspace.previewList(), history, pace);
    Text path;
    Pace following = pace;
    for (std::size_t k = 0; k < batch.requests.size(); ++k) {
        following.step();
        if (!run.rows[k].renamed) continue;
        const HistoryEntry& moved = history[batch.ends[k].pathFrom];
        workspace.touchFolder(moved.folder);
        path.assign(folderText(moved.folder));
        path += moved.newName;
        if (foldersOfRows.contains(path)) {
            folders.add(path, history[batch.ends[k].nameFrom].oldName);
        }
    }
    return folders;
}

// Rows taken back leave the history; rows that failed or that the plan blocked stay, marked
// with why. Gives how many failed.
int recordOutcomes(Workspace& workspace, UndoBatch& batch, PreparedBatch& prepared,
                   const std::vector<std::size_t>& rowsBefore, const RenameRun& run,
                   const Pace& pace) {
    auto& history = workspace.historyList();
    auto& rows = workspace.conversionList();
    const RenamePlan& plan = prepared.plan;
    FolderRenames folders = foldersTakenBack(workspace, batch, run, pace);
    if (!folders.empty()) workspace.touchEveryFolder();
    renameRowsTakenBack(rows, batch, history, run, pace);
    std::vector<char> done(history.size(), 0);
    int errors = 0;
    Pace recording = pace;
    for (std::size_t i = history.size(); i-- > 0;) {
        recording.step();
        const std::size_t k = batch.requestOf[i];
        if (k == UndoBatch::kNotUndone) continue;
        HistoryEntry& entry = history[i];
        const RowOutcome outcome = k == UndoBatch::kBackWhereItWas ? RowOutcome{true} : run.rows[k];
        if (outcome.renamed) {
            done[i] = 1;
            continue;
        }
        const auto why = whyNotRenamed(outcome, run, plan, k);
        if (!why) continue;
        entry.failureReason = *why;
        entry.failed = true;
        ++errors;
    }
    removeFlagged(history, done, pace);
    folders.bringUpToDate(rows, workspace.previewList(), history);
    if (prepared.journal && !run.leftUnfinished) prepared.journal->close(run, pace);
    markBatchesTakenBack(workspace, rowsBefore);
    releaseBatch(batch.requests, prepared, pace);
    return errors;
}

// The failed renames back, or nothing when no batch was carried out.
std::optional<int> undoCheckedRows(Workspace& workspace) {
    BusyScope busy(workspace);
    workspace.planOnlyTouchedFolders();
    auto& history = workspace.historyList();
    if (history.empty()) {
        workspace.dialogs().message(kNoHistory);
        return std::nullopt;
    }
    workspace.setProgressMaximum(static_cast<int>(history.size()));
    UndoBatch batch(history, workspace.pace());
    const std::vector<std::size_t> rowsBefore = rowsOfEachBatch(workspace);
    if (batch.stopped) {
        // "中止" while the batch was gathered: nothing to undo, and nothing to wait for.
        releaseLater(releasing(std::move(batch.requests)));
        return 0;
    }
    auto prepared = prepareBatch(workspace, BatchKind::Undo, batch.requests);
    if (!prepared) return std::nullopt;
    RenameRun run;
    return carryOutAndRecord(batch.requests, *prepared, workspace, run, [&](const Pace& pace) {
        return recordOutcomes(workspace, batch, *prepared, rowsBefore, run, pace);
    });
}

}  // namespace

void undo(Workspace& workspace) {
    if (workspace.busy()) return;
    // Told once the busy period is over, so that nothing of the run shows behind the box.
    if (const auto errors = undoCheckedRows(workspace)) showSummary(workspace.dialogs(), *errors);
}

void clearHistory(Workspace& workspace) {
    if (!workspace.busy()) workspace.historyList().clear();
}

}  // namespace vartel

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "common/integer_text.h"
#include "common/message_text.h"
#include "common/name_parts.h"
#include "platform/absolute_path.h"
#include "platform/file_system.h"
#include "platform/rename_calls.h"
#include "workspace/batch/messages.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/journal/folder_renames.h"
#include "workspace/journal/journal_records.h"
#include "workspace/journal/messages.h"
#include "workspace/journal/rename_journal.h"

namespace vartel {

using namespace journal_records;

namespace {

// A path recovery may act on: no "." or ".." component and no empty one, so that a journal
// can never take a file out of the folder its batch renamed in.
bool plainPath(const std::string& path) {
    std::size_t start = path.starts_with('/') ? 1 : 0;
    for (;;) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part(path.data() + start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (end == path.size()) return true;
        start = end + 1;
    }
}

// The row with its paths made absolute (journals of earlier builds kept them as typed,
// relative to the folder they were written from: they are taken from the current one, where
// the files are then found by their identity or not at all), or nothing when a path is not
// plain or the two names lie in different folders.
std::optional<JournalRow> rowWithinItsFolder(const JournalRow& row, AbsolutePaths& absolute) {
    if (!plainPath(row.oldPath) || !plainPath(row.newPath)) return std::nullopt;
    if (folderOfPath(row.oldPath) != folderOfPath(row.newPath)) return std::nullopt;
    JournalRow plain = row;
    plain.oldPath = absolute.of(row.oldPath);
    plain.newPath = folderOfPath(plain.oldPath) + "/" + nameOfPath(row.newPath);
    return plain;
}

// The renames that bring a cut-short batch's files to one of their two names, found by their
// identity wherever the batch left them.
struct RecoveryRequests {
    std::vector<RenameRequest> requests;
    std::vector<std::size_t> rowOf;         // the journal's row of each request
    std::vector<std::size_t> alreadyThere;  // rows whose file has its wanted name already
};

using LeaveFile = std::function<void(const std::string& path, const Text& reason)>;

// The names other than its own two that the plan gave each row's file on its way, within the
// row's folder.
std::vector<std::vector<std::string>> temporaryNamesOf(const JournalBatch& batch) {
    std::vector<std::vector<std::string>> temporariesOf(batch.rows.size());
    for (const auto& [row, path] : batch.temporaries) {
        if (plainPath(path) && folderOfPath(path) == folderOfPath(batch.rows[row].oldPath))
            temporariesOf[row].push_back(nameOfPath(path));
    }
    return temporariesOf;
}

// The names among the candidates that the row's file bears, the best kept first. A file under
// one of the batch's own temporary names (the candidates after the first two) is the batch's
// file even where the file system gives it another identity by now (FUSE file systems number
// files afresh): such a name is never left, nor given to anything else.
std::vector<std::string> namesOfTheFile(const JournalRow& row,
                                        const std::vector<std::string>& candidates) {
    std::vector<std::string> found;
    std::optional<std::string> temporaryHeld;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        const std::string& path = candidates[c];
        const auto status = lookUpFile(path);
        if (status && c >= 2 && !temporaryHeld) temporaryHeld = path;
        if (status && status->identity == row.identity && row.fingerprint.matches(*status) &&
            std::find(found.begin(), found.end(), path) == found.end()) {
            found.push_back(path);
        }
    }
    if (found.empty() && temporaryHeld) found.push_back(*temporaryHeld);
    return found;
}

// A kill between the placeholder and the rename over it, where the file system makes neither
// no-replace renames nor links, leaves an empty placeholder under one of the file's two names;
// it goes once the file is found. Names the file bears beyond the best kept go too.
void removeLeftovers(const JournalRow& row, const std::vector<std::string>& candidates,
                     const std::vector<std::string>& found, std::int64_t batchSeconds) {
    for (const std::string& name : {candidates[0], candidates[1]}) {
        if (std::find(found.begin(), found.end(), name) != found.end()) continue;
        const auto status = lookUpFile(name);
        if (status && !(status->identity == row.identity)) removePlaceholder(name, batchSeconds);
    }
    for (std::size_t f = 1; f < found.size(); ++f) {
        removeExtraName(found[f], row.identity);
    }
}

// A batch renames a folder after everything below it, so one cut short may have renamed some
// folders and not others: a path below a folder row lies wherever that folder was found.
// Folders are found before what lies below them, and everything below a folder is renamed
// before the folder, with the paths found above.
RecoveryRequests findFiles(const JournalBatch& batch, bool finish, const LeaveFile& leave) {
    const std::vector<std::vector<std::string>> temporariesOf = temporaryNamesOf(batch);
    std::vector<JournalRow> rows(batch.rows.size());
    std::vector<char> usable(batch.rows.size(), 0);
    AbsolutePaths absolute;
    for (std::size_t r = 0; r < batch.rows.size(); ++r) {
        if (!batch.rows[r].identity.known()) continue;
        if (auto row = rowWithinItsFolder(batch.rows[r], absolute)) {
            rows[r] = std::move(*row);
            usable[r] = 1;
        } else {
            leave(batch.rows[r].oldPath, kReasonOutsideBatch);
        }
    }
    std::vector<std::string> plannedPaths;
    for (const auto& row : rows) plannedPaths.push_back(row.oldPath);
    std::vector<std::size_t> shallowerFirst = FolderRenames::deeperFirst(plannedPaths);
    std::reverse(shallowerFirst.begin(), shallowerFirst.end());
    RecoveryRequests gathered;
    JournalFolderRenames current;
    for (const std::size_t r : shallowerFirst) {
        if (!usable[r]) continue;
        const JournalRow& row = rows[r];
        const std::string wanted = current.now(finish ? row.newPath : row.oldPath);
        const std::string folder = folderOfPath(wanted) + "/";
        std::vector<std::string> candidates = {wanted,
                                               current.now(finish ? row.oldPath : row.newPath)};
        for (const auto& temporary : temporariesOf[r]) candidates.push_back(folder + temporary);
        const std::vector<std::string> found = namesOfTheFile(row, candidates);
        if (found.empty()) {
            leave(wanted, kReasonNotFound);
            continue;
        }
        if (found[0] != row.oldPath) current.add(row.oldPath, nameOfPath(found[0]));
        removeLeftovers(row, candidates, found, batch.seconds);
        if (found[0] == wanted) {
            if (finish) gathered.alreadyThere.push_back(r);
            continue;
        }
        gathered.requests.push_back({found[0], nameOfPath(wanted), row.identity});
        gathered.rowOf.push_back(r);
    }
    putDeeperFirst(gathered.requests, gathered.rowOf);
    return gathered;
}

}  // namespace

int RenameJournal::recover(const JournalBatch& batch, bool finish) {
    leftBehind_.clear();
    leftOpen_ = false;
    const int unreadable = static_cast<int>(batch.unreadableRows);
    if (unreadable != 0) {
        leftBehind_.push_back({textFromBytes(pathOf(batch.id)),
                               fillIn(kDamagedJournalRows, U"%s",
                                      formatInteger(static_cast<std::int64_t>(unreadable)))});
    }
    int failures = 0;
    const LeaveFile leave = [&](const std::string& path, const Text& reason) {
        ++failures;
        leftBehind_.push_back({textFromBytes(path), reason});
    };
    RecoveryRequests gathered = findFiles(batch, finish, leave);
    const auto& requests = gathered.requests;
    const auto leaveRequests = [&] {
        for (const auto& request : requests) leave(request.path, kJournalUnwritable);
        leftOpen_ = true;
        return failures + unreadable;
    };
    auto writer = JournalWriter::openToAppend(pathOf(batch.id));
    if (!writer) return leaveRequests();
    const RenamePlan plan = planRenames(requests);
    if (!writer->append({kRecoveryTag, finish ? kRecoveryFinishes : kRecoveryUndoes}) ||
        !writePlan(*writer, requests, plan, gathered.rowOf) ||
        !writer->reserve(static_cast<std::int64_t>(batch.rows.size() + plan.steps.size() + 4) *
                         32)) {
        return leaveRequests();
    }
    ActiveBatch active(std::move(*writer), folder_, batch.id, gathered.rowOf);
    RenameRun run;
    // Every file was just found by its identity.
    carryOutPlan(
        requests, plan, BatchFiles{}, [](std::size_t) { return true; }, run, &active);
    for (std::size_t k = 0; k < requests.size(); ++k) {
        if (run.rows[k].renamed) continue;
        const FileError error =
            run.rows[k].error != FileError::None ? run.rows[k].error : FileError::Other;
        leave(requests[k].path, failureReasonText(error));
    }
    // Closed only with every file at one of its two names; otherwise the next recovery, or
    // the window's question, comes back to it.
    leftOpen_ = failures != 0;
    if (leftOpen_) {
        active.leaveOpen();
    } else if (finish) {
        for (const std::size_t r : gathered.alreadyThere) active.markRenamed(r);
        active.close(run);
    } else {
        active.closeUndone(std::string(kRecoveryTag));
    }
    return failures + unreadable;
}

}  // namespace vartel

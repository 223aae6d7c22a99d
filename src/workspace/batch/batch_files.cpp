#include "workspace/batch/batch_files.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/folder_listing.h"
#include "workspace/batch/rows_by_key.h"

namespace vartel {
namespace {

// A look-up is a call on the file system, far slower than the items of most loops.
constexpr std::size_t kLookUpsPerCheck = 1024;
// Below this many files in a folder, looking each up costs less than reading the folder.
constexpr std::size_t kReadFolderFrom = 64;
// A folder read stops past this many entries per file looked for, so a few files in a huge
// folder cost little more than looking them up.
constexpr std::size_t kEntriesPerFile = 8;

std::string_view folderPart(std::string_view path) {
    const auto separator = path.rfind('/');
    return separator == std::string_view::npos ? std::string_view() : path.substr(0, separator + 1);
}

NameKey keyOf(std::string_view name) {
    return {name, std::hash<std::string_view>()(name)};
}

using LeftAlone = std::function<bool(std::size_t)>;
using RowsByFolder = std::unordered_map<std::string_view, std::vector<std::size_t>>;

// Room for one of each per request, made up as the loop goes, so that the lists of a million
// files are first touched with the window breathing rather than all at once. False when the
// pace says stop.
bool makeRoom(BatchFiles& files, std::size_t n, const Pace& pace) {
    files.identities.reserve(n);
    files.fingerprints.reserve(n);
    files.errors.reserve(n);
    Pace making = pace.every(kLookUpsPerCheck);
    for (std::size_t k = 0; k < n; ++k) {
        if (!making.step()) return false;
        files.identities.emplace_back();
        files.fingerprints.emplace_back();
        files.errors.push_back(FileError::None);
    }
    return true;
}

// The requests whose files the preview saw, by folder: only those can be confirmed by inode. A
// row from a list file is looked up, which also gives the identity the journal keeps. Rows of
// one folder mostly come together, so the last folder is tried before the table.
RowsByFolder rowsByFolder(const std::vector<RenameRequest>& requests, const LeftAlone& leftAlone) {
    RowsByFolder expectedIn;
    std::string_view lastFolder;
    std::vector<std::size_t>* rowsInLast = nullptr;
    for (std::size_t k = 0; k < requests.size(); ++k) {
        if (leftAlone(k) || !requests[k].identity.known()) continue;
        const std::string_view folder = folderPart(requests[k].path);
        if (rowsInLast == nullptr || folder != lastFolder) {
            rowsInLast = &expectedIn[folder];
            lastFolder = folder;
        }
        rowsInLast->push_back(k);
    }
    return expectedIn;
}

// Confirms the files of the rows in one folder from a single read of it. Anything not found
// there as expected, a mount point included, is left to be looked up to be sure.
void confirmFromFolder(std::string_view folder, const std::vector<std::size_t>& rows,
                       const std::vector<RenameRequest>& requests, BatchFiles& files,
                       std::vector<char>& confirmed) {
    std::vector<NameKey> names;
    names.reserve(rows.size());
    for (const std::size_t k : rows) {
        names.push_back(keyOf(std::string_view(requests[k].path).substr(folder.size())));
    }
    RowsByKey rowNamed(names, rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) rowNamed.insert(i);
    std::vector<std::pair<std::size_t, FileStatus>> seen;
    seen.reserve(rows.size());
    std::size_t wantedRow = RowsByKey::kNone;
    const auto device = listFolderInodes(
        folder.empty() ? std::string(".") : std::string(folder), rows.size() * kEntriesPerFile,
        [&](std::string_view name, std::uint64_t) {
            wantedRow = rowNamed.find(keyOf(name));
            return wantedRow != RowsByKey::kNone;
        },
        [&](std::string_view, const FileStatus& status) {
            seen.emplace_back(rows[wantedRow], status);
        });
    if (!device) return;
    for (const auto& [k, status] : seen) {
        if (requests[k].identity == status.identity && requests[k].expected.matches(status)) {
            files.identities[k] = requests[k].identity;
            files.fingerprints[k] = fingerprintOf(status);
            confirmed[k] = 1;
        }
    }
}

// One file by its path: gone, replaced, or found as its request expects.
void lookUpOne(const RenameRequest& request, BatchFiles& files, std::size_t k) {
    const auto status = lookUpFile(request.path);
    if (!status) {
        files.errors[k] = FileError::NotFound;
    } else if ((request.identity.known() && status->identity != request.identity) ||
               !request.expected.matches(*status)) {
        files.errors[k] = FileError::Replaced;
    } else {
        files.identities[k] = status->identity;
        files.fingerprints[k] = fingerprintOf(*status);
    }
}

// Looks up the files of every request but those the statuses, when given, block.
BatchFiles lookUp(const std::vector<RenameRequest>& requests,
                  const std::vector<PlanStatus>* statuses, const Pace& pace) {
    const LeftAlone leftAlone = [statuses](std::size_t k) {
        return statuses != nullptr && blocksRow((*statuses)[k]);
    };
    BatchFiles files;
    if (!makeRoom(files, requests.size(), pace)) return files;
    std::vector<char> confirmed(requests.size(), 0);
    for (const auto& [folder, rows] : rowsByFolder(requests, leftAlone)) {
        if (rows.size() < kReadFolderFrom) continue;
        confirmFromFolder(folder, rows, requests, files, confirmed);
        if (!pace.now()) return files;
    }
    Pace lookingUp = pace.every(kLookUpsPerCheck);
    for (std::size_t k = 0; k < requests.size(); ++k) {
        if (!lookingUp.step()) return files;
        if (!leftAlone(k) && !confirmed[k]) lookUpOne(requests[k], files, k);
    }
    return files;
}

}  // namespace

BatchFiles lookUpBatchFiles(const std::vector<RenameRequest>& requests, const RenamePlan& plan,
                            const Pace& pace) {
    return lookUp(requests, &plan.statuses, pace);
}

BatchFiles lookUpRequestedFiles(const std::vector<RenameRequest>& requests, const Pace& pace) {
    return lookUp(requests, nullptr, pace);
}

void leaveBlockedRowsAlone(BatchFiles& files, const RenamePlan& plan) {
    for (std::size_t k = 0; k < files.identities.size(); ++k) {
        if (!blocksRow(plan.statuses[k])) continue;
        files.identities[k] = {};
        files.fingerprints[k] = {};
        files.errors[k] = FileError::None;
    }
}

}  // namespace vartel

#include <cerrno>
#include <exception>

#include "common/name_parts.h"
#include "platform/folder_listing.h"
#include "platform/messages.h"
#include "workspace/messages.h"
#include "workspace/workspace.h"

namespace vartel {
namespace {

// The file of this name is the shell's thumbnail cache, never a file the user means to rename;
// it is passed over inside folders only, so a dropped one is still taken.
const Text kThumbnailCache = U"Thumbs.db";

struct WalkFailed : std::exception {};

}  // namespace

void Workspace::addRow(const Text& path, const FileStatus& status) {
    addRow(fileEntryOf(path, status, lastRowFolder()));
}

void Workspace::addRow(FileEntry row) {
    conversion_.push_back(std::move(row));
    ++state_.walkCounter;
}

SharedFolder Workspace::lastRowFolder() const {
    return conversion_.empty() ? nullptr : conversion_.back().folder;
}

void Workspace::walkFolder(const Text& folder) {
    FolderListing listing(bytesFromText(folder));
    // A folder that cannot be opened adds nothing and stops no walk, but the command line must
    // not call such a walk complete; one that is gone was simply never there.
    if (!listing.isOpen() && listing.openError() != ENOENT) foldersNotListed_.push_back(folder);
    // The folder part every file row of this folder shares, made with the first of them: the
    // rows are made from their names without joining and splitting a path for each.
    SharedFolder filesFolder;
    while (auto entry = listing.next()) {
        Text name = textFromBytes(entry->name);
        if (entry->status.isFolder) {
            pending_.push_back(joinPath(folder, name));
        } else if (entry->status.size != 0 && name != kThumbnailCache) {
            if (!filesFolder) filesFolder = folderPartOf(joinPath(folder, name), lastRowFolder());
            addRow(fileEntryIn(filesFolder, std::move(name), entry->status, walkTimes_));
        }
        if (!keepGoing()) {
            dropQueuedPaths();
            return;
        }
    }
    if (listing.failed()) {
        foldersNotListed_.push_back(folder);
        throw WalkFailed{};
    }
}

void Workspace::walkPendingPaths() {
    if (walking_) return;
    struct Finish {
        Workspace& w;
        ~Finish() {
            w.writeListCount();
            w.state_.adding = false;
            w.state_.busy = false;
            w.walking_ = false;
        }
    } finish{*this};
    walking_ = true;
    walkTimes_ = {};
    state_.busy = true;
    state_.adding = true;
    state_.walkCounter = 0;
    foldersNotListed_.clear();
    throttle_.restart();
    for (;;) {
        try {
            takeUpQueuedPaths();
        } catch (const std::exception&) {  // a listing that broke off, or no memory for a row
            dropQueuedPaths();
            dialogs_.error(kGettingFilesFailed);
        }
        if (waiting_.empty()) break;
        // Paths dropped while this walk ran start a walk of their own, even after an abort or a
        // failure: the user dropped them after the walk began, and they must not be lost.
        pending_.assign(waiting_.begin(), waiting_.end());
        waiting_.clear();
        state_.busy = true;
    }
}

std::optional<Text> Workspace::nextQueuedPath() {
    if (listed_) {
        if (auto path = (*listed_)()) return path;
        listed_ = nullptr;
    }
    if (pending_.empty()) return std::nullopt;
    Text path = std::move(pending_.front());
    pending_.pop_front();
    return path;
}

void Workspace::dropQueuedPaths() {
    pending_.clear();
    listed_ = nullptr;
}

void Workspace::takeUpQueuedPaths() {
    while (const auto next = nextQueuedPath()) {
        if (!next->empty()) {
            const Text path = textFromBytes(absolutePaths_.of(bytesFromText(*next)));
            // A dropped symbolic link is a row of its own, like one met inside a folder.
            const auto status = lookUpFile(bytesFromText(path));
            if (status && status->isFolder) {
                walkFolder(path);
            } else if (status && status->size != 0) {
                addRow(path, *status);
            }
        }
        if (!keepGoing()) dropQueuedPaths();
    }
}

void Workspace::drop(const std::vector<Text>& paths) {
    waiting_.insert(waiting_.end(), paths.begin(), paths.end());
    if (!walking_ && !state_.busy && commands_ == 0) walkPendingPaths();
}

void Workspace::endCommand() {
    --commands_;
    if (commands_ == 0 && !walking_ && !state_.busy && !waiting_.empty()) walkPendingPaths();
}

void Workspace::addPaths(const std::vector<Text>& paths) {
    if (state_.busy) return;
    pending_.assign(paths.begin(), paths.end());
    walkPendingPaths();
}

void Workspace::addPaths(const PathSource& next) {
    if (state_.busy) return;
    pending_.clear();
    listed_ = &next;
    walkPendingPaths();
    listed_ = nullptr;  // the walk may have ended early, and the source ends with this call
}

void Workspace::addFolderRows(const std::vector<Text>& folders, bool withSubfolders) {
    if (state_.busy) return;
    struct Finish {
        Workspace& w;
        ~Finish() {
            w.writeListCount();
            w.state_.adding = false;
            w.state_.busy = false;
        }
    } finish{*this};
    state_.busy = true;
    state_.adding = true;
    state_.walkCounter = 0;
    foldersNotListed_.clear();
    throttle_.restart();
    std::deque<Text> queue;
    for (const auto& given : folders) {
        const std::string folder = absolutePaths_.of(bytesFromText(given));
        const auto status = lookUpFile(folder);
        if (status && status->isFolder) queue.push_back(textFromBytes(folder));
    }
    try {
        while (!queue.empty()) {
            const Text folder = std::move(queue.front());
            queue.pop_front();
            const auto status = lookUpFile(bytesFromText(folder));
            if (!status) continue;  // gone since it was listed
            addRow(folder, *status);
            if (withSubfolders) {
                FolderListing listing(bytesFromText(folder));
                // Its subfolders are missing from the rows: the command line must not call
                // such a list complete.
                if (!listing.isOpen() && listing.openError() != ENOENT)
                    foldersNotListed_.push_back(folder);
                while (auto entry = listing.next()) {
                    if (entry->status.isFolder)
                        queue.push_back(joinPath(folder, textFromBytes(entry->name)));
                }
                if (listing.failed()) {
                    foldersNotListed_.push_back(folder);
                    throw WalkFailed{};
                }
            }
            if (!keepGoing()) return;
        }
    } catch (const std::exception&) {
        dialogs_.error(kGettingFilesFailed);
    }
}

}  // namespace vartel

#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "common/dialogs.h"
#include "common/pace.h"
#include "common/pump.h"
#include "macro/checked_file_count.h"
#include "platform/absolute_path.h"
#include "workspace/pacing/busy_state.h"
#include "workspace/pacing/pump_throttle.h"
#include "workspace/rows/early_folder_plans.h"
#include "workspace/rows/file_entry.h"
#include "workspace/rows/folder_groups.h"
#include "workspace/rows/history_entry.h"
#include "workspace/rows/preview_entry.h"
#include "workspace/rows/rename_groups.h"
#include "workspace/status_texts.h"
#include "workspace/touched_folders.h"

namespace vartel {

class RenameJournal;

// The walk's queue of paths, first in first out.
using PendingPaths = std::deque<Text>;
// The conversion list's private cut buffer: the cut rows as they were.
using CutBuffer = ConversionList;

// The data of the main window: the three lists, the busy state and the status texts. The
// window only shows these and calls the commands; the commands talk to the user through the
// dialogs and let the window breathe through the pump during long loops.
class Workspace : public CheckedFileCount {
  public:
    Workspace(Dialogs& dialogs, Pump& pump,
              PumpThrottle::Interval pumpInterval = PumpThrottle::kDefaultInterval);

    ConversionList& conversionList() { return conversion_; }
    const ConversionList& conversionList() const { return conversion_; }
    PreviewList& previewList() { return preview_; }
    const PreviewList& previewList() const { return preview_; }
    HistoryList& historyList() { return history_; }
    const HistoryList& historyList() const { return history_; }
    Dialogs& dialogs() { return dialogs_; }

    const BusyState& busyState() const { return state_; }
    bool busy() const { return state_.busy; }
    const StatusTexts& status() const { return status_; }

    // "中止": the running loop stops at its next check.
    void abort() { state_.busy = false; }

    void enterBusy();
    void leaveBusy();
    // Only between enterBusy and leaveBusy: offers a new name for the conversion row at
    // index; a changed row moves into the preview. Returns where the caller's walk goes on (the
    // caller adds 1), or the row count after an abort. Moved rows leave the conversion list in one
    // pass at leaveBusy, so a walk over n rows costs O(n); until then the caller must not
    // reorder the list, and a moved row has given its name to the preview.
    int moveToPreview(int index, Text newName);

    // For loops of long commands, after every item: lets the window run now and then and tells
    // whether the loop may go on; nextItem also advances the progress by one.
    bool keepGoing();
    bool nextItem();
    // The same every few thousand items, for a loop that holds the pace (see Pace).
    Pace pace() {
        return [this] { return keepGoing(); };
    }
    // For a step of a long command that cannot stop half-way: only lets the window run now and
    // then.
    Pace paceToTheEnd() {
        return [this] {
            throttle_.tick();
            return true;
        };
    }
    void setProgressMaximum(int maximum) { state_.progressMaximum = maximum; }

    // The folder tree's "下層ファイルを追加", the file pane's "変換リストに追加" and a loaded
    // list: the walk's queue starts afresh with these paths. A file becomes one row, a folder
    // adds its whole tree, breadth first; symbolic links are rows of their own, never followed.
    void addPaths(const std::vector<Text>& paths);
    // The same for paths handed one at a time until nothing comes, as a loaded list file reads
    // them, so that a million paths are never held as texts all at once.
    using PathSource = std::function<std::optional<Text>()>;
    void addPaths(const PathSource& next);
    // The one way in for paths dropped on the window. While a walk runs they are walked after
    // it, even when it is aborted or fails; while another command runs they wait for its end, so
    // the running command never sees the list change under it.
    void drop(const std::vector<Text>& paths);
    // The folder tree's "フォルダ自体を変換リストに追加" and the command line's --folders: each
    // folder becomes a row that stands for the folder itself, and with its subfolders every
    // folder below it too, breadth first, never through a symbolic link. No file is taken, and
    // a path that is not a folder is passed over.
    void addFolderRows(const std::vector<Text>& folders, bool withSubfolders);
    // A window command runs from begin to end, its dialogs included; the end walks the paths
    // dropped meanwhile.
    void beginCommand() { ++commands_; }
    void endCommand();
    // Dropped paths that wait for the running walk or command.
    bool hasWaitingPaths() const { return !waiting_.empty(); }

    // Plans the checked preview rows as execute would carry them out and writes each row's
    // status and the count of rows that would fail.
    void replanPreview();
    // Only in a busy period, for a command that names every folder whose preview rows it adds
    // or removes, or whose files it renames: the plan on its way out covers only the preview
    // rows of those folders, so a command stopped early ends at once. Rows moved into the
    // preview name their folders themselves, and each folder they come from is planned as
    // soon as the walk passes on to the next. Any other command plans the whole preview.
    void planOnlyTouchedFolders() { planTouchedOnly_ = true; }
    void touchFolder(const SharedFolder& folder) { touched_.add(folder); }
    // Where the command changed more than rows of known folders (it renamed folders).
    void touchEveryFolder() { planTouchedOnly_ = false; }
    // The same after the row's check box changed, with only the rows whose plan it can touch
    // planned again.
    void replanPreviewRow(std::size_t row);
    // The window shows every row's plan; the command line wants it only when it prints the
    // statuses, and planning a large preview costs about as much as the walk that made it.
    // Execution plans afresh either way.
    void setPlanningPreview(bool planning) { planningPreview_ = planning; }
    // The window's check boxes plan again only the group of rows a click can touch. With this
    // set, a command that changed the preview makes the groups on its way out, with the window
    // live, rather than the first click after it.
    void setGroupingAhead(bool ahead) { groupingAhead_ = ahead; }
    // Each rename on its own from the bottom up, without reordering or temporary names.
    bool literalOrder() const { return literalOrder_; }
    void setLiteralOrder(bool literal) { literalOrder_ = literal; }
    // Execute and the preview's plan take each row's companion files along (see
    // companion_requests.h); undo finds them in the history like any row.
    bool withCompanions() const { return withCompanions_; }
    void setWithCompanions(bool with) { withCompanions_ = with; }
    // Where execute and undo record their batches before touching a file; none in tests that
    // do not ask for one.
    RenameJournal* journal() const { return journal_; }
    void setJournal(RenameJournal* journal) { journal_ = journal; }
    // The journal's batches that history rows came from: a row keeps the place of its batch's
    // id here, so that an undo that takes back a batch's last row marks the batch undone.
    std::uint32_t placeOfBatch(const std::string& id);
    const std::string& batchAt(std::uint32_t place) const { return historyBatches_[place]; }

    void writeListCount();
    void writePreviewCount();
    void writeHitCount(int hits);

    // The folders of the last walk that could not be opened or whose listing broke off.
    const std::vector<Text>& foldersNotListed() const { return foldersNotListed_; }

    // The checked rows that are still in the conversion list; rows moved by a running walk no
    // longer count.
    int checkedFileCount() const override;

    // Only in a walk over the list: the row whose new name is being made now, which
    // positionInFolder reads.
    void setCurrentRow(int index) { currentRow_ = index; }
    // Taken from the list as it stood when the busy period began, so rows that leave it for
    // the preview keep their places; outside a walk the row stands alone.
    int positionInFolder() const override;
    int largestFolderGroup() const override;

  private:
    const FolderGroups& groupsAtStart() const;

    // Cutting and pasting rows are the only users of the cut buffer.
    friend void cut(Workspace& workspace);
    friend void paste(Workspace& workspace);
    CutBuffer& cutBuffer() { return cutBuffer_; }

    // Takes up every path of the queue, then the paths dropped meanwhile.
    void walkPendingPaths();
    // The row for the entry at the path, sharing the folder part of the row before it.
    void addRow(const Text& path, const FileStatus& status);
    void addRow(FileEntry row);
    SharedFolder lastRowFolder() const;
    void takeUpQueuedPaths();
    void walkFolder(const Text& folder);
    // The next path to take up: the source's while it gives any, then the queue's.
    std::optional<Text> nextQueuedPath();
    void dropQueuedPaths();
    void removeMovedRows();
    // Plans the checked rows among these, which come in the order execute carries them out.
    template <typename Rows>
    void planPreviewRows(const Rows& rows);
    void replanTouchedFolders();
    void planMovedRun(const EarlyFolderPlans::Finished& run);
    void writeConflictCount();
    // A command leaving the busy state with a million rows takes a while: the window lives on
    // meanwhile, its lists frozen until the command is over. No pace outside a busy period, and
    // none for a command on its way out with a failure, which does not wait for the window.
    Pace paceOnTheWayOut();

    Dialogs& dialogs_;
    Pump& pump_;
    PumpThrottle throttle_;
    ConversionList conversion_;
    PreviewList preview_;
    HistoryList history_;
    PendingPaths pending_;
    AbsolutePaths absolutePaths_;         // every path taken up is made absolute on the way in
    const PathSource* listed_ = nullptr;  // ahead of pending_, only while addPaths runs
    std::vector<Text> waiting_;           // dropped while a walk or another command runs
    std::vector<Text> foldersNotListed_;
    CutBuffer cutBuffer_;
    BusyState state_;
    StatusTexts status_;
    std::vector<char> leaving_;  // rows moveToPreview moved, removed at leaveBusy
    int leavingChecked_ = 0;
    mutable int checkedAtStart_ = -1;  // counted once per busy period, when first asked
    mutable std::optional<FolderGroups> groupsAtStart_;  // likewise
    int currentRow_ = -1;
    bool walking_ = false;
    LocalTimeConverter walkTimes_;  // of the files the running walk meets
    int commands_ = 0;
    bool literalOrder_ = false;
    bool withCompanions_ = false;
    bool planningPreview_ = true;
    bool groupingAhead_ = false;
    RenameJournal* journal_ = nullptr;
    std::vector<std::string> historyBatches_;
    bool planTouchedOnly_ = false;
    TouchedFolders touched_;
    EarlyFolderPlans earlyFolderPlans_;
    bool plannedEarly_ = false;    // a run of moved rows was planned during the command
    std::size_t blockedRows_ = 0;  // preview rows the plan shows failing
    // Made at the first check box clicked after the preview was planned whole.
    std::optional<RenameGroups> renameGroups_;
};

// Enters the busy state and leaves it on every path out of the scope.
class BusyScope {
  public:
    explicit BusyScope(Workspace& workspace) : workspace_(workspace) { workspace_.enterBusy(); }
    ~BusyScope() { workspace_.leaveBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    Workspace& workspace_;
};

}  // namespace vartel

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/journal_file.h"
#include "workspace/batch/plan_execution.h"
#include "workspace/batch/rename_plan.h"

namespace vartel {

enum class BatchKind { Execute, Undo, SingleRename, Recovery };

// One rename the user asked for, as a journal keeps it: its paths are the bytes the file
// system was given.
struct JournalRow {
    std::string oldPath;
    std::string newPath;
    FileIdentity identity;
    FileFingerprint fingerprint;  // unknown in journals of earlier builds
    bool renamed = false;         // the batch gave the file its new name
};

enum class BatchState { Unfinished, Finished, Undone };

// What a listing shows of a batch, read without keeping its rows.
struct BatchSummary {
    std::string id;  // the file name without its ending
    BatchKind kind = BatchKind::Execute;
    std::int64_t seconds = 0;  // when it began, since the epoch
    BatchState state = BatchState::Unfinished;
    std::size_t rowCount = 0;
    std::size_t renamedCount = 0;  // rows that got their new names
    Text folder;                   // of its first file
};

// A batch read back from its journal.
struct JournalBatch : BatchSummary {
    std::vector<JournalRow> rows;
    std::vector<std::pair<std::size_t, std::string>> temporaries;  // row -> a path it may bear
    bool started = false;  // the whole plan reached the disk, so renames may have begun
    // Rows a damaged journal does not tell whole: they stand in rows with an unknown identity,
    // which nothing touches. A damaged journal is read as far as its intact records go.
    std::size_t unreadableRows = 0;
    bool damaged = false;
};

// The batch the records of a journal make, or nothing when they do not make one (a damaged
// file, another program's file).
std::optional<JournalBatch> parseJournalBatch(const std::string& id, std::string_view bytes);

// A batch being carried out: every step made or put back is appended by its index in the
// plan; the records reach the disk at least every half second and at the end.
class ActiveBatch : public RenameLog {
  public:
    // The batch id's journal in folder; rowOf maps the requests carried out to the batch's
    // rows, empty when they are the same.
    ActiveBatch(JournalWriter writer, std::string folder, std::string id,
                std::vector<std::size_t> rowOf = {})
        : writer_(std::move(writer)),
          folder_(std::move(folder)),
          id_(std::move(id)),
          rowOf_(std::move(rowOf)) {}
    void stepMade(std::size_t step) override;
    void stepPutBack(std::size_t step) override;
    void markRenamed(std::size_t row);
    // The closing records: which rows got their new names. pace is asked every few thousand
    // records and while the journal goes to disk, its answer not heeded.
    void close(const RenameRun& run, const Pace& pace = {});
    // Closes a batch whose files went back to their old names.
    void closeUndone(const std::string& by);
    // Brings what was recorded to disk and leaves the batch open, for a recovery that could
    // not bring every file back: the next one starts from there.
    bool leaveOpen() { return writer_.sync(); }

  private:
    // Syncs the closing records, and notes the batch closed once they are on disk.
    void syncClosed(const Pace& pace);

    JournalWriter writer_;
    std::string folder_;
    std::string id_;
    std::vector<std::size_t> rowOf_;
};

// The folder of journals shared by the window and the command line: one file per batch.
class RenameJournal {
  public:
    explicit RenameJournal(std::string folder) : folder_(std::move(folder)) {}
    // The journal of the user's state folder; nothing when it cannot be made.
    static std::optional<RenameJournal> openDefault();

    // Writes the whole plan, with the identity of each file as looked up for the batch, and
    // syncs it before the first rename. Nothing when the journal cannot be written; the batch
    // must then not start. pace is asked every few thousand records, so a window stays live;
    // when it says no, the journal is removed and nothing comes back either.
    std::unique_ptr<ActiveBatch> begin(BatchKind kind, const std::vector<RenameRequest>& requests,
                                       const RenamePlan& plan, const BatchFiles& files,
                                       const Pace& pace = {});

    // Every readable batch, oldest first, without its rows. A damaged journal is set aside and
    // named in damagedFound, never read again.
    std::vector<BatchSummary> summaries();
    std::optional<JournalBatch> batch(const std::string& id);
    std::vector<JournalBatch> unfinishedBatches();
    // Notes that a later batch undid this one.
    void markUndone(const std::string& id, const std::string& by);
    // Keeps the newest 100 batches and every batch of the last 30 days, and the folder under
    // its size limit by dropping the oldest finished batches beyond those.
    void prune(std::int64_t nowSeconds);

    // Brings every file of an unfinished batch to one of its two names: the new one
    // (finish) or the old one. Gives the number of files that could not be brought back, and
    // leftBehind() names them. The batch stays open while a file it names is left; files a
    // damaged journal no longer names are counted and told of, but cannot hold it open.
    int recover(const JournalBatch& batch, bool finish);
    bool lastRecoveryLeftOpen() const { return leftOpen_; }
    // The files the last recovery left, each with where it was looked for and why.
    struct LeftBehind {
        Text path;
        Text reason;
    };
    const std::vector<LeftBehind>& leftBehind() const { return leftBehind_; }

    const std::vector<std::string>& damagedFound() const { return damaged_; }
    const std::string& folder() const { return folder_; }
    const std::string& lastBatchId() const { return lastId_; }

  private:
    std::string pathOf(const std::string& id) const { return folder_ + "/" + id + ".journal"; }
    std::optional<JournalBatch> read(const std::string& name, bool keepRows);
    static bool writePlan(JournalWriter& writer, const std::vector<RenameRequest>& requests,
                          const RenamePlan& plan, const std::vector<std::size_t>& rowOf,
                          const Pace& pace = {});

    std::string folder_;
    std::vector<std::string> damaged_;
    std::string lastId_;
    std::vector<LeftBehind> leftBehind_;
    bool leftOpen_ = false;
};

}  // namespace vartel

#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/pace.h"
#include "platform/clock.h"

namespace vartel {

// One record of a journal: a few fields of bytes (paths may hold any byte but NUL).
using JournalRecord = std::vector<std::string>;

// A record as one line: a checksum, then the fields separated by TAB, with backslash, TAB and
// line breaks escaped, so a path never breaks a line and a torn or altered line is seen.
std::string encodeJournalRecord(const JournalRecord& record);

// The records of a journal one at a time, so that the journal of a million renames is read
// without holding all its records at once.
class JournalReader {
  public:
    explicit JournalReader(std::string_view bytes) : bytes_(bytes) {}
    // The next whole record, into record's fields; false at the end.
    bool next(JournalRecord& record);
    // A line failed its checksum anywhere but at the very end. A last line cut short is what
    // a crash in the middle of an append leaves and is only dropped. Final once next() is false.
    bool damaged() const { return damagedLines_ != 0; }
    // How many such lines were passed over so far.
    std::size_t damagedLines() const { return damagedLines_; }

  private:
    std::string_view bytes_;
    std::size_t start_ = 0;
    std::size_t damagedLines_ = 0;
};

struct JournalContents {
    std::vector<JournalRecord> records;
    bool damaged = false;  // as JournalReader tells it
};
JournalContents decodeJournal(std::string_view bytes);

// The folder of the journals: $XDG_STATE_HOME/vartel, or ~/.local/state/vartel. Made with
// mode 0700 when missing; nothing when it cannot be made.
std::optional<std::string> journalFolder();

// A journal file opened for appending, locked for as long as it is open so that another
// process can tell a batch in progress from one that was cut short. Records are gathered and
// written in blocks, since one call per record would cost about as much as the renames; they
// reach the file when a block fills, on sync() and on syncIfDue(), which writes and syncs when
// the last sync is at least half a second old. A write that fails makes every later sync fail.
class JournalWriter {
  public:
    // A new file with mode 0600; nothing when it exists or cannot be made.
    static std::optional<JournalWriter> create(const std::string& path);
    // An existing file, to close a batch or record its undo.
    static std::optional<JournalWriter> openToAppend(const std::string& path);
    JournalWriter(JournalWriter&& other) noexcept;
    JournalWriter& operator=(JournalWriter&& other) noexcept;
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;
    ~JournalWriter();

    bool append(std::initializer_list<std::string_view> fields);
    // Sets aside room on the disk for this many more bytes, so that the records of a batch
    // that has begun always fit, however full the disk gets meanwhile. True also where the
    // file system cannot set room aside.
    bool reserve(std::int64_t bytes);
    bool sync();
    // The same, with pace asked every few milliseconds until the disk has the journal (its
    // answer not heeded): a plan of a million rows takes a moment to reach it, and a window
    // stays live meanwhile.
    bool sync(const Pace& pace);
    bool syncIfDue();

  private:
    explicit JournalWriter(int descriptor);
    bool writePending();
    int descriptor_ = -1;
    // Read after every progress record against a half-second interval: the coarse clock is
    // close enough and costs a fraction of the precise one.
    CoarseSteadyClock::time_point lastSync_;
    std::string pending_;
    std::string unsyncedFolder_;  // of a new file, until its first sync
    bool writeFailed_ = false;
};

// True while a live process holds the journal open for writing.
bool journalInUse(const std::string& path);
// At most the last bytes of the file, from the start of a line.
std::string readJournalTail(const std::string& path, std::size_t bytes);
// A new batch id: the time in seconds (12 digits, so names sort by time), the process and a
// counter.
std::string newJournalId();

// The journal files of the folder (names ending in ".journal"), sorted by name.
std::vector<std::string> journalFileNames(const std::string& folder);
// The whole file, or nothing when it is not a regular file, is larger than the limit or
// cannot be read.
std::optional<std::string> readJournalFile(const std::string& path, std::int64_t limit);
std::int64_t journalFileSize(const std::string& path);
// Brings what was written to the file onto the disk; false when it cannot.
bool syncJournalFile(const std::string& path);
bool removeJournalFile(const std::string& path);
// Moves a damaged journal into the folder's "damaged" subfolder, where it is kept but no
// longer read.
bool setJournalAside(const std::string& folder, const std::string& name);
// Seconds since the epoch, for the names and times of batches.
std::int64_t currentSeconds();

}  // namespace vartel

#include "workspace/journal/journal_records.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "common/name_parts.h"
#include "platform/journal_file.h"

namespace vartel::journal_records {
namespace {

const std::vector<std::pair<BatchKind, std::string_view>> kKindNames = {
    {BatchKind::Execute, "execute"},
    {BatchKind::Undo, "undo"},
    {BatchKind::SingleRename, "rename"},
    {BatchKind::Recovery, "recover"},
};

const std::vector<std::pair<FileFingerprint::Type, std::string_view>> kTypeLetters = {
    {FileFingerprint::Type::Regular, "f"},
    {FileFingerprint::Type::Folder, "d"},
    {FileFingerprint::Type::Link, "l"},
    {FileFingerprint::Type::Other, "o"},
};

// Reads a journal's records one after another into its batch.
class BatchReader {
  public:
    BatchReader(const std::string& id, std::string_view bytes, bool keepRows)
        : reader_(bytes), keepRows_(keepRows) {
        batch_.id = id;
    }

    std::optional<JournalBatch> read(std::size_t journalSize) {
        JournalRecord record;
        if (!reader_.next(record) || !readFirstLine(record, journalSize)) return std::nullopt;
        while (reader_.next(record)) {
            if (reader_.damagedLines() != damagedSoFar_) {
                damagedSoFar_ = reader_.damagedLines();
                // The folder of the rows that follow is not known until the next folder
                // record: it may have been on the damaged line.
                folderUncertain_ = true;
            }
            if (!readRecord(record)) return std::nullopt;
        }
        return finish();
    }

  private:
    // One per row: 1 once renamed, kUnreadable for a row on a damaged line.
    static constexpr char kUnreadable = 2;

    bool readFirstLine(const JournalRecord& record, std::size_t journalSize) {
        if (record.size() != 5 || record[0] != kMagic || record[1] != kVersion) return false;
        const auto kind = kindNamed(record[2]);
        const auto seconds = numberIn(record[3]);
        const auto count = numberIn(record[4]);
        if (!kind || !seconds || !count) return false;
        batch_.kind = *kind;
        batch_.seconds = static_cast<std::int64_t>(*seconds);
        rowCount_ = *count;
        // Rows the journal stands for, as far as it can hold them: a row takes more than a
        // byte, so a count beyond the journal's size (of one cut short, or made up) fills no
        // more than that.
        rowsTold_ = static_cast<std::size_t>(std::min<std::uint64_t>(*count, journalSize));
        return true;
    }

    bool readRecord(const JournalRecord& record) {
        const std::string& type = record[0];
        if (type == kFolderTag && record.size() == 2) {
            folder_ = record[1];
            folderUncertain_ = false;
            return true;
        }
        if (type == kRowTag && (record.size() == 8 || record.size() == 9)) return readRow(record);
        if (type == kStepTag && record.size() == 6) return readStep(record);
        if (type == kRenamedTag) return readRenamed(record);
        if (type == kPlanWrittenTag) {
            batch_.started = true;
        } else if (type == kClosedTag) {
            batch_.state = BatchState::Finished;
        } else if (type == kUndoneTag) {
            batch_.state = BatchState::Undone;
        } else if (type != kStepMadeTag && type != kStepBackTag && type != kRecoveryTag) {
            return false;
        }
        return true;
    }

    void addUnreadableRow() {
        if (keepRows_) batch_.rows.push_back({});
        renamed_.push_back(kUnreadable);
        ++batch_.unreadableRows;
    }

    // The row a record names in the field; rows before it whose own records were on damaged
    // lines are added as unreadable.
    std::optional<std::size_t> rowAt(const JournalRecord& record, std::size_t field) {
        if (record.size() <= field) return std::nullopt;
        const auto row = numberIn(record[field]);
        if (!row || *row >= rowsTold_) return std::nullopt;
        while (renamed_.size() <= *row) addUnreadableRow();
        return static_cast<std::size_t>(*row);
    }

    // Journals written before the folder records hold whole paths.
    std::string pathOf(const std::string& field) const {
        return folder_ ? *folder_ + field : field;
    }

    bool readRow(const JournalRecord& record) {
        const auto index = numberIn(record[1]);
        const auto device = numberIn(record[4]);
        const auto inode = numberIn(record[5]);
        if (!index || *index < renamed_.size() || *index >= rowsTold_ || !device || !inode)
            return false;
        while (renamed_.size() < *index) addUnreadableRow();  // rows on damaged lines
        if (folderUncertain_) {
            addUnreadableRow();
            return true;
        }
        if (renamed_.empty()) batch_.folder = textFromBytes(folderOfPath(pathOf(record[2])));
        if (keepRows_) {
            batch_.rows.push_back({pathOf(record[2]),
                                   pathOf(record[3]),
                                   {*device, *inode},
                                   fingerprintIn(record),
                                   false});
        }
        renamed_.push_back(0);
        return true;
    }

    // Journals of earlier builds keep no type, and size and time only for some rows.
    static FileFingerprint fingerprintIn(const JournalRecord& record) {
        FileFingerprint fingerprint;
        if (record.size() != 9) return fingerprint;
        const auto type = typeOfLetter(record[8]);
        const auto size = numberIn(record[6]);
        const auto seconds = numberIn(record[7]);
        if (type == FileFingerprint::Type::Folder) {
            fingerprint.type = type;
        } else if (size && seconds) {
            fingerprint = {type, static_cast<std::int64_t>(*size),
                           static_cast<std::int64_t>(*seconds)};
        }
        return fingerprint;
    }

    // A step's names other than its row's own two are temporary names a file may bear.
    bool readStep(const JournalRecord& record) {
        const auto row = rowAt(record, 1);
        if (!row) return false;
        if (!keepRows_) return true;
        const JournalRow& owner = batch_.rows[*row];
        for (const std::size_t field : {2, 3, 5}) {
            const std::string& path = record[field];
            if (!path.empty() && path != owner.oldPath && path != owner.newPath) {
                temporaries_.insert({*row, path});
            }
        }
        return true;
    }

    bool readRenamed(const JournalRecord& record) {
        const auto row = rowAt(record, 1);
        if (!row) return false;
        if (renamed_[*row] == kUnreadable) return true;
        batch_.renamedCount += renamed_[*row] == 0 ? 1 : 0;
        renamed_[*row] = 1;
        return true;
    }

    std::optional<JournalBatch> finish() {
        batch_.damaged = reader_.damaged();
        // A journal cut short or damaged within its rows: the rows it does not tell stand in
        // rows of their own, so that every batch keeps its count.
        if (renamed_.size() > rowCount_) return std::nullopt;
        while (renamed_.size() < rowsTold_) addUnreadableRow();
        batch_.rowCount = renamed_.size();
        for (std::size_t r = 0; r < batch_.rows.size(); ++r)
            batch_.rows[r].renamed = renamed_[r] == 1;
        batch_.temporaries.assign(temporaries_.begin(), temporaries_.end());
        return std::move(batch_);
    }

    JournalReader reader_;
    const bool keepRows_;
    JournalBatch batch_;
    std::uint64_t rowCount_ = 0;
    std::size_t rowsTold_ = 0;
    std::vector<char> renamed_;
    std::set<std::pair<std::size_t, std::string>> temporaries_;
    std::optional<std::string> folder_;  // of the rows that follow, once the journal names one
    bool folderUncertain_ = false;
    std::size_t damagedSoFar_ = 0;
};

}  // namespace

std::string_view nameOf(BatchKind kind) {
    for (const auto& [k, name] : kKindNames) {
        if (k == kind) return name;
    }
    return {};
}

std::optional<BatchKind> kindNamed(std::string_view name) {
    for (const auto& [kind, n] : kKindNames) {
        if (n == name) return kind;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> numberIn(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string_view typeLetter(FileFingerprint::Type type) {
    for (const auto& [t, letter] : kTypeLetters) {
        if (t == type) return letter;
    }
    return {};
}

FileFingerprint::Type typeOfLetter(std::string_view letter) {
    for (const auto& [type, l] : kTypeLetters) {
        if (l == letter) return type;
    }
    return FileFingerprint::Type::Unknown;
}

bool closedRecordIn(std::string_view tail) {
    static const std::string kClosingLine = encodeJournalRecord({std::string(kClosedTag)});
    for (std::size_t at = tail.find(kClosingLine); at != std::string_view::npos;
         at = tail.find(kClosingLine, at + 1)) {
        if (at == 0 || tail[at - 1] == '\n') return true;
    }
    return false;
}

std::optional<JournalBatch> readBatch(const std::string& id, std::string_view bytes,
                                      bool keepRows) {
    return BatchReader(id, bytes, keepRows).read(bytes.size());
}

}  // namespace vartel::journal_records

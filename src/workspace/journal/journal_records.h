#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "workspace/journal/rename_journal.h"

namespace vartel::journal_records {

// The first line of every journal: the magic word, the format's version, the kind of the batch,
// when it began and how many rows it has.
constexpr std::string_view kMagic = "vartel-journal";
constexpr std::string_view kVersion = "1";

// The first field of each record, which tells what the record is. The bytes stay as they are:
// journals written before must still be read.
constexpr std::string_view kFolderTag = "in";          // the folder of the rows that follow
constexpr std::string_view kRowTag = "row";            // one rename of the batch
constexpr std::string_view kStepTag = "step";          // one step of the plan
constexpr std::string_view kPlanWrittenTag = "go";     // the whole plan is on disk
constexpr std::string_view kStepMadeTag = "done";      // progress: a step made
constexpr std::string_view kStepBackTag = "back";      // progress: a step put back
constexpr std::string_view kRenamedTag = "ok";         // a row got its new name
constexpr std::string_view kClosedTag = "end";         // the batch is over
constexpr std::string_view kUndoneTag = "undone";      // a later batch or recovery undid it
constexpr std::string_view kRecoveryTag = "recovery";  // a recovery begins; also who undid
// The kinds of a step and of a recovery.
constexpr std::string_view kRenameStep = "r";
constexpr std::string_view kExchangeStep = "x";
constexpr std::string_view kRecoveryFinishes = "finish";
constexpr std::string_view kRecoveryUndoes = "undo";

std::string_view nameOf(BatchKind kind);
std::optional<BatchKind> kindNamed(std::string_view name);
std::optional<std::uint64_t> numberIn(std::string_view text);
// How a fingerprint's type is written; an unknown letter reads as an unknown type.
std::string_view typeLetter(FileFingerprint::Type type);
FileFingerprint::Type typeOfLetter(std::string_view letter);

// A number's digits, held in place: records are written by the thousand.
class Decimal {
  public:
    Decimal() = default;  // no digits, for a field left empty
    explicit Decimal(std::uint64_t value)
        : length_(static_cast<std::size_t>(
              std::to_chars(digits_.data(), digits_.data() + digits_.size(), value).ptr -
              digits_.data())) {}
    operator std::string_view() const { return {digits_.data(), length_}; }

  private:
    std::array<char, 20> digits_{};
    std::size_t length_ = 0;
};

// Whether the tail of a journal holds its closing record. A closing record always has the same
// bytes, so the tail is searched for that line rather than decoded: every renaming command and
// the window look at every journal kept when they start.
bool closedRecordIn(std::string_view tail);

// A batch from its records, read once, or nothing when they are not a journal's. Rows are kept
// only when asked for: a listing needs only how many there are, which of them were renamed and
// the folder of the first.
std::optional<JournalBatch> readBatch(const std::string& id, std::string_view bytes, bool keepRows);

}  // namespace vartel::journal_records

#include "workspace/journal/rename_journal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

#include "common/integer_text.h"
#include "common/message_text.h"
#include "common/name_parts.h"
#include "platform/absolute_path.h"
#include "platform/closed_batches.h"
#include "platform/file_system.h"
#include "platform/rename_calls.h"
#include "workspace/batch/messages.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/journal/folder_renames.h"
#include "workspace/journal/messages.h"

namespace vartel {
namespace {

constexpr const char* kMagic = "vartel-journal";
constexpr const char* kVersion = "1";
constexpr std::int64_t kLargestJournal = std::int64_t{1} << 30;
constexpr std::size_t kBatchesKept = 100;
constexpr std::int64_t kSecondsKept = 30 * 24 * 60 * 60;
constexpr std::int64_t kFolderSizeLimit = std::int64_t{512} << 20;
constexpr std::size_t kTailRead = 4096;  // the closing records fit in it

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

const std::vector<std::pair<BatchKind, std::string>> kKindNames = {
    {BatchKind::Execute, "execute"},
    {BatchKind::Undo, "undo"},
    {BatchKind::SingleRename, "rename"},
    {BatchKind::Recovery, "recover"},
};

std::string nameOf(BatchKind kind) {
    for (const auto& [k, name] : kKindNames) {
        if (k == kind) return name;
    }
    return {};
}

std::optional<BatchKind> kindNamed(const std::string& name) {
    for (const auto& [kind, n] : kKindNames) {
        if (n == name) return kind;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> numberIn(const std::string& text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

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

constexpr std::string_view kEnding = ".journal";

const std::vector<std::pair<FileFingerprint::Type, std::string_view>> kTypeLetters = {
    {FileFingerprint::Type::Regular, "f"},
    {FileFingerprint::Type::Folder, "d"},
    {FileFingerprint::Type::Link, "l"},
    {FileFingerprint::Type::Other, "o"},
};

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

std::string idOf(const std::string& name) {
    return name.substr(0, name.size() - kEnding.size());
}

// The time a batch began, from its id.
std::int64_t secondsOfId(const std::string& id) {
    const auto value = numberIn(id.substr(0, id.find('-')));
    return value ? static_cast<std::int64_t>(*value) : 0;
}

// A closing record always has the same bytes, so the tail is searched for that line rather
// than decoded: every renaming command and the window look at every journal kept when they
// start.
bool closedRecordIn(std::string_view tail) {
    static const std::string kClosingLine = encodeJournalRecord({std::string(kClosedTag)});
    for (std::size_t at = tail.find(kClosingLine); at != std::string_view::npos;
         at = tail.find(kClosingLine, at + 1)) {
        if (at == 0 || tail[at - 1] == '\n') return true;
    }
    return false;
}

// A batch from its records, read once. Rows are kept only when asked for: a listing needs
// only how many there are, which of them were renamed and the folder of the first.
std::optional<JournalBatch> readBatch(const std::string& id, std::string_view bytes,
                                      bool keepRows) {
    JournalReader reader(bytes);
    JournalRecord record;
    if (!reader.next(record)) return std::nullopt;
    if (record.size() != 5 || record[0] != kMagic || record[1] != kVersion) return std::nullopt;
    JournalBatch batch;
    batch.id = id;
    const auto kind = kindNamed(record[2]);
    const auto seconds = numberIn(record[3]);
    const auto count = numberIn(record[4]);
    if (!kind || !seconds || !count) return std::nullopt;
    batch.kind = *kind;
    batch.seconds = static_cast<std::int64_t>(*seconds);
    // Rows the journal stands for, as far as it can hold them: a row takes more than a byte, so
    // a count beyond the journal's size (of one cut short, or made up) fills no more than that.
    const auto rowsTold = static_cast<std::size_t>(std::min<std::uint64_t>(*count, bytes.size()));
    // One per row: 1 once renamed, kUnreadable for a row on a damaged line.
    constexpr char kUnreadable = 2;
    std::vector<char> renamed;
    std::set<std::pair<std::size_t, Text>> temporaries;
    std::optional<std::string> folder;  // of the rows that follow, once the journal names one
    // After a damaged line, the folder of the rows that follow is not known until the next
    // folder record: it may have been the damaged one.
    bool folderUncertain = false;
    std::size_t damagedSoFar = 0;
    const auto unreadableRow = [&] {
        if (keepRows) batch.rows.push_back({});
        renamed.push_back(kUnreadable);
        ++batch.unreadableRows;
    };
    while (reader.next(record)) {
        if (reader.damagedLines() != damagedSoFar) {
            damagedSoFar = reader.damagedLines();
            folderUncertain = true;
        }
        const std::string& type = record[0];
        const auto rowAt = [&](std::size_t field) -> std::optional<std::size_t> {
            if (record.size() <= field) return std::nullopt;
            const auto row = numberIn(record[field]);
            if (!row || *row >= rowsTold) return std::nullopt;
            // Its own record was on a damaged line.
            while (renamed.size() <= *row) unreadableRow();
            return static_cast<std::size_t>(*row);
        };
        if (type == kFolderTag && record.size() == 2) {
            folder = record[1];
            folderUncertain = false;
        } else if (type == kRowTag && (record.size() == 8 || record.size() == 9)) {
            const auto index = numberIn(record[1]);
            const auto device = numberIn(record[4]);
            const auto inode = numberIn(record[5]);
            if (!index || *index < renamed.size() || *index >= rowsTold || !device || !inode)
                return std::nullopt;
            while (renamed.size() < *index) unreadableRow();  // rows on damaged lines
            if (folderUncertain) {
                unreadableRow();
                continue;
            }
            // Journals written before the "in" records hold whole paths.
            const auto pathOf = [&](const std::string& field) {
                return textFromBytes(folder ? *folder + field : field);
            };
            if (renamed.empty()) batch.folder = folderOfPath(pathOf(record[2]));
            if (keepRows) {
                // Journals of earlier builds keep no type, and size and time only for some rows.
                FileFingerprint fingerprint;
                if (record.size() == 9) {
                    const auto type = typeOfLetter(record[8]);
                    const auto size = numberIn(record[6]);
                    const auto seconds = numberIn(record[7]);
                    if (type == FileFingerprint::Type::Folder) {
                        fingerprint.type = type;
                    } else if (size && seconds) {
                        fingerprint = {type, static_cast<std::int64_t>(*size),
                                       static_cast<std::int64_t>(*seconds)};
                    }
                }
                batch.rows.push_back(
                    {pathOf(record[2]), pathOf(record[3]), {*device, *inode}, fingerprint, false});
            }
            renamed.push_back(0);
        } else if (type == kStepTag && record.size() == 6) {
            const auto row = rowAt(1);
            if (!row) return std::nullopt;
            if (!keepRows) continue;
            const JournalRow& owner = batch.rows[*row];
            for (const std::size_t field : {2, 3, 5}) {
                const Text path = textFromBytes(record[field]);
                if (!path.empty() && path != owner.oldPath && path != owner.newPath) {
                    temporaries.insert({*row, path});
                }
            }
        } else if (type == kRenamedTag) {
            const auto row = rowAt(1);
            if (!row) return std::nullopt;
            if (renamed[*row] == kUnreadable) continue;
            batch.renamedCount += renamed[*row] == 0 ? 1 : 0;
            renamed[*row] = 1;
        } else if (type == kPlanWrittenTag) {
            batch.started = true;
        } else if (type == kClosedTag) {
            batch.state = BatchState::Finished;
        } else if (type == kUndoneTag) {
            batch.state = BatchState::Undone;
        } else if (type != kStepMadeTag && type != kStepBackTag && type != kRecoveryTag) {
            return std::nullopt;
        }
    }
    batch.damaged = reader.damaged();
    // A journal cut short or damaged within its rows: the rows it does not tell stand in rows of
    // their own, so that every batch keeps its count.
    if (renamed.size() > *count) return std::nullopt;
    while (renamed.size() < rowsTold) unreadableRow();
    batch.rowCount = renamed.size();
    for (std::size_t r = 0; r < batch.rows.size(); ++r) batch.rows[r].renamed = renamed[r] == 1;
    batch.temporaries.assign(temporaries.begin(), temporaries.end());
    return batch;
}

// Whether a file of the batch is found under its new name.
bool anyFileRenamed(const JournalBatch& batch) {
    for (const JournalRow& row : batch.rows) {
        if (!row.identity.known()) continue;
        const auto status = lookUpFile(bytesFromText(row.newPath));
        if (status && status->identity == row.identity && row.fingerprint.matches(*status))
            return true;
    }
    return false;
}

}  // namespace

std::optional<JournalBatch> parseJournalBatch(const std::string& id, std::string_view bytes) {
    return readBatch(id, bytes, true);
}

// Progress records are not needed to recover (files are found by identity), so they name the
// step only; earlier journals wrote its two paths, which are read the same way.
void ActiveBatch::stepMade(std::size_t step) {
    writer_.append({kStepMadeTag, Decimal(step)});
    writer_.syncIfDue();
}

void ActiveBatch::stepPutBack(std::size_t step) {
    writer_.append({kStepBackTag, Decimal(step)});
    writer_.syncIfDue();
}

void ActiveBatch::markRenamed(std::size_t row) {
    writer_.append({kRenamedTag, Decimal(row)});
}

void ActiveBatch::close(const RenameRun& run, const Pace& pace) {
    Pace marking = pace;
    for (std::size_t k = 0; k < run.rows.size(); ++k) {
        marking.step();
        if (run.rows[k].renamed) markRenamed(rowOf_.empty() ? k : rowOf_[k]);
    }
    writer_.append({kClosedTag});
    syncClosed(pace);
}

void ActiveBatch::closeUndone(const std::string& by) {
    writer_.append({kClosedTag});
    writer_.append({kUndoneTag, by});
    syncClosed(nullptr);
}

void ActiveBatch::syncClosed(const Pace& pace) {
    if (writer_.sync(pace)) noteClosedBatch(folder_, id_);
}

std::optional<RenameJournal> RenameJournal::openDefault() {
    const auto folder = journalFolder();
    if (!folder) return std::nullopt;
    return RenameJournal(*folder);
}

// A step between the two names of its own row, the usual case, leaves those names out: the
// row's record holds them, and only the other names a file may bear are read back.
bool RenameJournal::writePlan(JournalWriter& writer, const std::vector<RenameRequest>& requests,
                              const RenamePlan& plan, const std::vector<std::size_t>& rowOf,
                              const Pace& pace) {
    const auto row = [&](std::size_t k) { return Decimal(rowOf.empty() ? k : rowOf[k]); };
    // Only temporary names differ from the step's row's own two paths.
    const auto pathOf = [&](StepPath path) {
        return path.of == StepPath::Of::Temporary ? std::string_view(plan.pathOf(requests, path))
                                                  : std::string_view();
    };
    Pace writing = pace;
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        if (!writing.step()) return false;
        const RenameStep& step = plan.steps[i];
        const bool exchanges = step.kind == RenameStep::Kind::Exchange;
        if (!writer.append({kStepTag, row(step.row), pathOf(step.from), pathOf(step.to),
                            exchanges ? kExchangeStep : kRenameStep,
                            exchanges ? pathOf(step.temporary) : std::string_view()})) {
            return false;
        }
    }
    // A stop while the plan goes to disk is seen by the caller once it is there.
    return writer.append({kPlanWrittenTag}) && writer.sync(pace);
}

std::unique_ptr<ActiveBatch> RenameJournal::begin(BatchKind kind,
                                                  const std::vector<RenameRequest>& requests,
                                                  const RenamePlan& plan, const BatchFiles& files,
                                                  const Pace& pace) {
    const std::string id = newJournalId();
    auto writer = JournalWriter::create(pathOf(id));
    if (!writer) return nullptr;
    bool written = writer->append({kMagic, kVersion, nameOf(kind),
                                   Decimal(static_cast<std::uint64_t>(currentSeconds())),
                                   Decimal(requests.size())});
    // Rows name their files within the folder of the last "in" record, since the rows of a
    // batch mostly share a few folders and both paths of a row always share one.
    std::string_view folder;
    bool going = true;
    Pace writing = pace;
    for (std::size_t k = 0; k < requests.size() && written; ++k) {
        if (!(going = writing.step())) break;
        const RenameRequest& request = requests[k];
        const std::string_view path = request.path;
        const std::size_t nameStart = path.rfind('/') + 1;
        if (path.substr(0, nameStart) != folder) {
            folder = path.substr(0, nameStart);
            written = writer->append({kFolderTag, folder});
        }
        // A row the batch leaves alone (blocked, or its file gone or replaced) has no identity
        // here, so that recovery never moves its file.
        const FileIdentity& identity = files.identities[k];
        const FileFingerprint& fingerprint = files.fingerprints[k];
        const bool known = identity.known() && fingerprint.known();
        written = written &&
                  writer->append(
                      {kRowTag, Decimal(k), path.substr(nameStart), request.newName,
                       Decimal(identity.device), Decimal(identity.inode),
                       known ? Decimal(static_cast<std::uint64_t>(fingerprint.size)) : Decimal(),
                       known ? Decimal(static_cast<std::uint64_t>(fingerprint.modifiedSeconds))
                             : Decimal(),
                       known ? typeLetter(fingerprint.type) : std::string_view()});
    }
    // Room for a progress record per step and a closing record per row, set aside before the
    // first rename: a batch whose end could not be recorded would stay open for ever.
    constexpr std::int64_t kRecordRoom = 32;
    const auto closingRoom =
        static_cast<std::int64_t>(requests.size() + plan.steps.size() + 4) * kRecordRoom;
    if (!written || !going || !writePlan(*writer, requests, plan, {}, pace) ||
        !writer->reserve(closingRoom)) {
        removeJournalFile(pathOf(id));
        return nullptr;
    }
    lastId_ = id;
    return std::make_unique<ActiveBatch>(std::move(*writer), folder_, id);
}

std::optional<JournalBatch> RenameJournal::read(const std::string& name, bool keepRows) {
    const auto bytes = readJournalFile(folder_ + "/" + name, kLargestJournal);
    if (!bytes) return std::nullopt;
    auto batch = readBatch(idOf(name), *bytes, keepRows);
    if (!batch) {
        if (setJournalAside(folder_, name)) damaged_.push_back(name);
        return std::nullopt;
    }
    return batch;
}

std::vector<BatchSummary> RenameJournal::summaries() {
    std::vector<BatchSummary> result;
    for (const auto& name : journalFileNames(folder_)) {
        if (journalInUse(folder_ + "/" + name)) continue;
        if (auto batch = read(name, false)) result.push_back(std::move(*batch));
    }
    return result;
}

std::optional<JournalBatch> RenameJournal::batch(const std::string& id) {
    for (const auto& name : journalFileNames(folder_)) {
        if (idOf(name) == id) return read(name, true);
    }
    return std::nullopt;
}

std::vector<JournalBatch> RenameJournal::unfinishedBatches() {
    std::vector<JournalBatch> result;
    const auto noted = closedBatchIds(folder_);
    for (const auto& name : journalFileNames(folder_)) {
        if (noted.contains(idOf(name))) continue;
        const std::string path = folder_ + "/" + name;
        if (closedRecordIn(readJournalTail(path, kTailRead))) {
            // Closed before closed batches were noted, or its note was lost: noted now, once
            // its closing records are surely on disk.
            if (syncJournalFile(path)) noteClosedBatch(folder_, idOf(name));
            continue;
        }
        if (journalInUse(path)) continue;
        auto batch = read(name, true);
        if (!batch) continue;
        // Cut short while its plan was written, nothing was renamed; but a journal that lost
        // its end since (a damaged disk, a hand) may have had renames: kept for recovery when
        // any file of it is under its new name.
        if (!batch->started) {
            if (!anyFileRenamed(*batch)) {
                removeJournalFile(path);
                continue;
            }
            batch->started = true;
            batch->damaged = true;
        }
        result.push_back(std::move(*batch));
    }
    return result;
}

void RenameJournal::markUndone(const std::string& id, const std::string& by) {
    if (auto writer = JournalWriter::openToAppend(pathOf(id))) {
        writer->append({kUndoneTag, by});
        writer->sync();
    }
}

void RenameJournal::prune(std::int64_t nowSeconds) {
    constexpr std::int64_t kRemoved = -1;
    const auto names = journalFileNames(folder_);
    std::vector<std::int64_t> sizes;
    std::int64_t total = 0;
    for (const auto& name : names) {
        sizes.push_back(journalFileSize(folder_ + "/" + name));
        total += sizes.back();
    }
    // Oldest first; the newest 100 and the last 30 days stay whatever their size, and an
    // unfinished batch stays until it is recovered.
    const std::size_t protectedFrom = names.size() > kBatchesKept ? names.size() - kBatchesKept : 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string path = folder_ + "/" + names[i];
        const bool expired =
            i < protectedFrom && nowSeconds - secondsOfId(idOf(names[i])) > kSecondsKept;
        const bool overSize = total > kFolderSizeLimit && i + 1 < names.size();
        if (!expired && !overSize) continue;
        if (!closedRecordIn(readJournalTail(path, kTailRead))) continue;
        if (removeJournalFile(path)) {
            total -= sizes[i];
            sizes[i] = kRemoved;
        }
    }
    // The note of closed batches loses the ids of journals gone now and then, not at every
    // start.
    constexpr std::size_t kStaleNotesAllowed = 64;
    const auto noted = closedBatchIds(folder_);
    if (noted.size() > names.size() + kStaleNotesAllowed) {
        std::vector<std::string> stillKept;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string id = idOf(names[i]);
            if (sizes[i] != kRemoved && noted.contains(id)) stillKept.push_back(id);
        }
        rewriteClosedBatchNote(folder_, stillKept);
    }
}

namespace {

// A path recovery may act on: no "." or ".." component and no empty one, so that a journal
// can never take a file out of the folder its batch renamed in.
bool plainPath(const Text& path) {
    std::size_t start = path.starts_with(U'/') ? 1 : 0;
    for (;;) {
        const std::size_t end = std::min(path.find(U'/', start), path.size());
        const std::u32string_view part(path.data() + start, end - start);
        if (part.empty() || part == U"." || part == U"..") return false;
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
    plain.oldPath = textFromBytes(absolute.of(bytesFromText(row.oldPath)));
    plain.newPath = folderOfPath(plain.oldPath) + U"/" + nameOfPath(row.newPath);
    return plain;
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
    std::vector<std::vector<Text>> temporariesOf(batch.rows.size());
    for (const auto& [row, path] : batch.temporaries) {
        if (plainPath(path) && folderOfPath(path) == folderOfPath(batch.rows[row].oldPath))
            temporariesOf[row].push_back(nameOfPath(path));
    }
    int failures = 0;
    const auto leave = [&](const Text& path, const Text& reason) {
        ++failures;
        leftBehind_.push_back({path, reason});
    };
    std::vector<RenameRequest> requests;
    std::vector<std::size_t> rowOf;
    std::vector<std::size_t> alreadyThere;
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
    std::vector<Text> plannedPaths;
    for (const auto& row : rows) plannedPaths.push_back(row.oldPath);
    std::vector<std::size_t> shallowerFirst = FolderRenames::deeperFirst(plannedPaths);
    std::reverse(shallowerFirst.begin(), shallowerFirst.end());
    // A batch renames a folder after everything below it, so one cut short may have renamed
    // some folders and not others: a path below a folder row lies wherever that folder was
    // found. Folders are found before what lies below them.
    FolderRenames current;
    for (const std::size_t r : shallowerFirst) {
        if (!usable[r]) continue;
        const JournalRow& row = rows[r];
        const Text wanted = current.now(finish ? row.newPath : row.oldPath);
        const Text folder = folderOfPath(wanted) + U"/";
        std::vector<Text> candidates = {wanted, current.now(finish ? row.oldPath : row.newPath)};
        for (const auto& temporary : temporariesOf[r]) candidates.push_back(folder + temporary);
        std::vector<Text> found;
        // A file under one of the batch's own temporary names (the candidates after the first
        // two) is the batch's file even where the file system gives it another identity by now
        // (FUSE file systems number files afresh): such a name is never left, nor given to
        // anything else.
        std::optional<Text> temporaryHeld;
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            const Text& path = candidates[c];
            const auto status = lookUpFile(bytesFromText(path));
            if (status && c >= 2 && !temporaryHeld) temporaryHeld = path;
            if (status && status->identity == row.identity && row.fingerprint.matches(*status) &&
                std::find(found.begin(), found.end(), path) == found.end()) {
                found.push_back(path);
            }
        }
        if (found.empty() && temporaryHeld) found.push_back(*temporaryHeld);
        if (found.empty()) {
            leave(wanted, kReasonNotFound);
            continue;
        }
        if (found[0] != row.oldPath) current.add(row.oldPath, nameOfPath(found[0]));
        // A kill between the placeholder and the rename over it, where the file system makes
        // neither no-replace renames nor links, leaves an empty placeholder under one of the
        // file's names; it goes once the file is found.
        for (const Text& name : {candidates[0], candidates[1]}) {
            if (std::find(found.begin(), found.end(), name) != found.end()) continue;
            const auto status = lookUpFile(bytesFromText(name));
            if (status && !(status->identity == row.identity))
                removePlaceholder(bytesFromText(name), batch.seconds);
        }
        // The first found is the best kept: the wanted name, else the other visible one.
        for (std::size_t f = 1; f < found.size(); ++f) {
            removeExtraName(bytesFromText(found[f]), row.identity);
        }
        if (found[0] == wanted) {
            if (finish) alreadyThere.push_back(r);
            continue;
        }
        requests.push_back(
            {bytesFromText(found[0]), bytesFromText(nameOfPath(wanted)), row.identity});
        rowOf.push_back(r);
    }
    // Everything below a folder is renamed before the folder, with the paths found above.
    const std::vector<std::size_t> placeOf = putDeeperFirst(requests);
    std::vector<std::size_t> orderedRows(rowOf.size());
    for (std::size_t k = 0; k < rowOf.size(); ++k) orderedRows[placeOf[k]] = rowOf[k];
    rowOf = std::move(orderedRows);
    const auto leaveRequests = [&] {
        for (const auto& request : requests) leave(textFromBytes(request.path), kJournalUnwritable);
        leftOpen_ = true;
        return failures + unreadable;
    };
    auto writer = JournalWriter::openToAppend(pathOf(batch.id));
    if (!writer) return leaveRequests();
    const RenamePlan plan = planRenames(requests);
    if (!writer->append({kRecoveryTag, finish ? kRecoveryFinishes : kRecoveryUndoes}) ||
        !writePlan(*writer, requests, plan, rowOf) ||
        !writer->reserve(static_cast<std::int64_t>(batch.rows.size() + plan.steps.size() + 4) *
                         32)) {
        return leaveRequests();
    }
    ActiveBatch active(std::move(*writer), folder_, batch.id, rowOf);
    RenameRun run;
    // Every file was just found by its identity.
    carryOutPlan(
        requests, plan, BatchFiles{}, [](std::size_t) { return true; }, run, &active);
    for (std::size_t k = 0; k < requests.size(); ++k) {
        if (run.rows[k].renamed) continue;
        const FileError error =
            run.rows[k].error != FileError::None ? run.rows[k].error : FileError::Other;
        leave(textFromBytes(requests[k].path), failureReasonText(error));
    }
    // Closed only with every file at one of its two names; otherwise the next recovery, or
    // the window's question, comes back to it.
    leftOpen_ = failures != 0;
    if (leftOpen_) {
        active.leaveOpen();
    } else if (finish) {
        for (const std::size_t r : alreadyThere) active.markRenamed(r);
        active.close(run);
    } else {
        active.closeUndone(std::string(kRecoveryTag));
    }
    return failures + unreadable;
}

}  // namespace vartel

#include "workspace/journal/rename_journal.h"

#include <algorithm>

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
#include "workspace/journal/journal_records.h"
#include "workspace/journal/messages.h"

namespace vartel {
using namespace journal_records;

namespace {

constexpr std::int64_t kLargestJournal = std::int64_t{1} << 30;
constexpr std::size_t kBatchesKept = 100;
constexpr std::int64_t kSecondsKept = 30 * 24 * 60 * 60;
constexpr std::int64_t kFolderSizeLimit = std::int64_t{512} << 20;
constexpr std::size_t kTailRead = 4096;  // the closing records fit in it

constexpr std::string_view kEnding = ".journal";

std::string idOf(const std::string& name) {
    return name.substr(0, name.size() - kEnding.size());
}

// The time a batch began, from its id.
std::int64_t secondsOfId(const std::string& id) {
    const auto value = numberIn(id.substr(0, id.find('-')));
    return value ? static_cast<std::int64_t>(*value) : 0;
}

// Whether a file of the batch is found under its new name.
bool anyFileRenamed(const JournalBatch& batch) {
    for (const JournalRow& row : batch.rows) {
        if (!row.identity.known()) continue;
        const auto status = lookUpFile(row.newPath);
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

}  // namespace vartel

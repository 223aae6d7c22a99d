#include "workspace/journal/rename_journal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "../../support/file_bytes.h"
#include "../../support/injected_faults.h"
#include "../../support/temporary_folder.h"
#include "platform/closed_batches.h"
#include "platform/rename_calls.h"

namespace vartel {
namespace {

using Disk = std::map<std::string, std::string>;

class RenameJournalTest : public ::testing::Test {
  protected:
    RenameJournalTest() {
        std::filesystem::create_directories(folder.file("journal"));
        std::filesystem::create_directories(folder.file("files"));
    }
    std::string file(const std::string& name) const { return folder.file("files/" + name); }
    void make(const std::vector<std::string>& names) {
        for (const auto& name : names) writeBytes(file(name), name);
    }
    Disk disk() const {
        Disk files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.file("files"))) {
            files[entry.path().filename().string()] = readBytes(entry.path().string());
        }
        return files;
    }
    std::vector<RenameRequest> requestsOf(
        const std::vector<std::pair<std::string, std::string>>& renames) const {
        std::vector<RenameRequest> requests;
        for (const auto& [from, to] : renames) {
            requests.push_back({file(from), to, {}});
        }
        return requests;
    }
    // Begins a batch as execute would and leaves it open, as a killed program does.
    RenamePlan beginAndLeaveOpen(const std::vector<RenameRequest>& requests) {
        RenamePlan plan = planRenames(requests);
        EXPECT_TRUE(journal.begin(BatchKind::Execute, requests, plan,
                                  lookUpBatchFiles(requests, plan)) != nullptr);
        return plan;
    }
    // A ring of three begun and killed after the first two of its four renames: r0 is then
    // under a temporary name.
    std::pair<std::vector<RenameRequest>, RenamePlan> ringCutShort() {
        std::filesystem::remove_all(folder.file("files"));
        std::filesystem::create_directories(folder.file("files"));
        make({"r0", "r1", "r2"});
        auto requests = requestsOf({{"r0", "r1"}, {"r1", "r2"}, {"r2", "r0"}});
        auto plan = beginAndLeaveOpen(requests);
        EXPECT_EQ(plan.steps.size(), 4u);
        for (std::size_t s = 0; s < 2 && s < plan.steps.size(); ++s) {
            const RenameStep& step = plan.steps[s];
            EXPECT_EQ(renameStep(plan.pathOf(requests, step.from), plan.pathOf(requests, step.to)),
                      FileError::None);
        }
        return {std::move(requests), std::move(plan)};
    }
    static Disk ringAfter(bool finish) {
        return finish ? Disk{{"r1", "r0"}, {"r2", "r1"}, {"r0", "r2"}}
                      : Disk{{"r0", "r0"}, {"r1", "r1"}, {"r2", "r2"}};
    }
    void writeJournal(const std::string& id, const std::vector<JournalRecord>& records) {
        std::string bytes;
        for (const auto& record : records) bytes += encodeJournalRecord(record);
        writeBytes(folder.file("journal/" + id + ".journal"), bytes);
    }

    TemporaryFolder folder;
    RenameJournal journal{folder.file("journal")};
};

TEST_F(RenameJournalTest, AFinishedBatchIsListedWithItsRenamesAndCanBeMarkedUndone) {
    make({"a", "b"});
    const auto requests = requestsOf({{"a", "x"}, {"b", "y"}});
    const RenamePlan plan = planRenames(requests);
    auto active =
        journal.begin(BatchKind::Execute, requests, plan, lookUpBatchFiles(requests, plan));
    ASSERT_TRUE(active);
    RenameRun run;
    carryOutPlan(
        requests, plan, lookUpBatchFiles(requests, plan), [](std::size_t) { return true; }, run,
        active.get());
    active->close(run);
    active.reset();
    const auto summaries = journal.summaries();
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries[0].state, BatchState::Finished);
    EXPECT_EQ(summaries[0].rowCount, 2u);
    EXPECT_EQ(summaries[0].renamedCount, 2u);
    EXPECT_EQ(summaries[0].folder, textFromBytes(folder.file("files")));
    const auto batch = journal.batch(summaries[0].id);
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->rows[1].oldPath, file("b"));
    EXPECT_EQ(batch->rows[1].newPath, file("y"));
    EXPECT_EQ(batch->rows[1].identity, lookUpFile(file("y"))->identity);
    EXPECT_TRUE(journal.unfinishedBatches().empty());
    journal.markUndone(batch->id, "later");
    EXPECT_EQ(journal.batch(batch->id)->state, BatchState::Undone);
}

// A ring whose second rename fails is put back; the journal notes the steps made and put
// back and still reads as one finished batch with only the other row renamed.
TEST_F(RenameJournalTest, AGroupPutBackIsJournaledAndTheBatchStillReadsWhole) {
    make({"r0", "r1", "r2", "a"});
    const auto requests = requestsOf({{"a", "x"}, {"r0", "r1"}, {"r1", "r2"}, {"r2", "r0"}});
    const RenamePlan plan = planRenames(requests);
    auto active =
        journal.begin(BatchKind::Execute, requests, plan, lookUpBatchFiles(requests, plan));
    ASSERT_TRUE(active);
    RenameRun run;
    {
        InjectedFaults faults({{FileCall::Rename, EIO, 3}});
        carryOutPlan(
            requests, plan, lookUpBatchFiles(requests, plan), [](std::size_t) { return true; }, run,
            active.get());
    }
    active->close(run);
    active.reset();
    EXPECT_EQ(disk(), (Disk{{"x", "a"}, {"r0", "r0"}, {"r1", "r1"}, {"r2", "r2"}}));
    std::vector<std::string> progress;
    const auto& id = journal.lastBatchId();
    for (const auto& record :
         decodeJournal(readBytes(folder.file("journal/" + id + ".journal"))).records) {
        if (record[0] == "done" || record[0] == "back") progress.push_back(record[0]);
    }
    EXPECT_EQ(progress, (std::vector<std::string>{"done", "done", "back"}));
    const auto batch = journal.batch(id);
    ASSERT_TRUE(batch);
    EXPECT_TRUE(journal.damagedFound().empty());
    EXPECT_EQ(batch->state, BatchState::Finished);
    EXPECT_EQ(batch->renamedCount, 1u);
    EXPECT_TRUE(batch->rows[0].renamed);
}

// A file looked up on its own has its size and time in its row; a row left alone has no
// identity, size or time, whichever way its file was found.
TEST_F(RenameJournalTest, RowsKeepSizeAndTimeOnlyOfFilesLookedUpOnTheirOwn) {
    make({"a", "bb", "ccc"});
    const auto requests = requestsOf({{"a", "x"}, {"bb", "x"}, {"ccc", "z"}});
    const RenamePlan plan = planRenames(requests);
    ASSERT_TRUE(blocksRow(plan.statuses[1]));
    const BatchFiles files = lookUpBatchFiles(requests, plan);
    ASSERT_TRUE(journal.begin(BatchKind::Execute, requests, plan, files));
    std::map<std::string, JournalRecord> rows;
    const auto journals = journalFileNames(folder.file("journal"));
    ASSERT_EQ(journals.size(), 1u);
    for (const auto& record :
         decodeJournal(readBytes(folder.file("journal/" + journals[0]))).records) {
        if (record[0] == "row") rows[record[2]] = record;
    }
    const auto status = lookUpFile(file("ccc"));
    ASSERT_TRUE(status);
    EXPECT_EQ(rows["ccc"][4], std::to_string(status->identity.device));
    EXPECT_EQ(rows["ccc"][6], "3");
    EXPECT_EQ(rows["ccc"][7], std::to_string(status->modifiedSeconds));
    EXPECT_EQ(rows["a"][6], "1");
    EXPECT_EQ(rows["bb"][5], "0");
    EXPECT_EQ(rows["bb"][6], "");
    EXPECT_EQ(rows["bb"][7], "");
}

// A long plan is written with pauses for the window, can be stopped in one, and reads back
// whole, each row in its own folder of the several the batch touches.
TEST_F(RenameJournalTest, ALongPlanBreathesAndReadsBackRowByRow) {
    std::vector<RenameRequest> requests;
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "f" + std::to_string(i);
        requests.push_back(
            {file("folder" + std::to_string(i / 3000) + "/" + name), "g" + name, {}});
    }
    const RenamePlan plan = planRenames(requests, {.lookUpTargets = false});
    BatchFiles files;
    for (std::size_t k = 0; k < requests.size(); ++k) {
        files.identities.push_back({1, k + 1});
        files.fingerprints.emplace_back();
        files.errors.push_back(FileError::None);
    }
    // Stopped part-way, it leaves no journal behind.
    int breaths = 0;
    EXPECT_FALSE(journal.begin(BatchKind::Execute, requests, plan, files,
                               [&breaths] { return ++breaths < 2; }));
    EXPECT_EQ(breaths, 2);
    EXPECT_TRUE(journalFileNames(folder.file("journal")).empty());
    breaths = 0;
    auto active = journal.begin(BatchKind::Execute, requests, plan, files, [&breaths] {
        ++breaths;
        return true;
    });
    ASSERT_TRUE(active);
    active.reset();
    EXPECT_GE(breaths, 4);
    const auto unfinished = journal.unfinishedBatches();
    ASSERT_EQ(unfinished.size(), 1u);
    const auto& rows = unfinished[0].rows;
    ASSERT_EQ(rows.size(), requests.size());
    for (std::size_t k = 0; k < rows.size(); k += 997) {
        EXPECT_EQ(rows[k].oldPath, requests[k].path);
        EXPECT_EQ(rows[k].newPath, plan.targets[k]);
        EXPECT_EQ(rows[k].identity, (FileIdentity{1, k + 1}));
    }
}

TEST_F(RenameJournalTest, ARingCutShortComesBackWholeEitherWay) {
    for (const bool finish : {false, true}) {
        SCOPED_TRACE(finish ? "finish" : "undo");
        ringCutShort();
        const auto unfinished = journal.unfinishedBatches();
        ASSERT_EQ(unfinished.size(), 1u);
        EXPECT_EQ(journal.recover(unfinished[0], finish), 0);
        EXPECT_EQ(disk(), ringAfter(finish));
        EXPECT_TRUE(journal.unfinishedBatches().empty());
    }
}

// Some file systems (FUSE ones among them) number a file afresh once it drops out of the
// system's memory. A file the batch left under its temporary name is still the batch's own and
// is brought back; files under their visible names need their identity and stay where they are.
TEST_F(RenameJournalTest, AFileUnderItsTemporaryNameIsBroughtBackThoughNumberedAfresh) {
    for (const bool finish : {false, true}) {
        SCOPED_TRACE(finish ? "finish" : "undo");
        const auto [requests, plan] = ringCutShort();
        ASSERT_EQ(plan.steps.size(), 4u);
        // The file under the temporary name now bears another number.
        const std::string temporary = plan.pathOf(requests, plan.steps[0].to);
        ASSERT_EQ(readBytes(temporary), "r0");
        writeBytes(file("copy"), "r0");
        std::filesystem::remove(temporary);
        std::filesystem::rename(file("copy"), temporary);
        const auto unfinished = journal.unfinishedBatches();
        ASSERT_EQ(unfinished.size(), 1u);
        EXPECT_EQ(journal.recover(unfinished[0], finish), 0);
        EXPECT_EQ(disk(), ringAfter(finish));
    }
}

// A damaged journal is read as far as its intact records go: a bad line among the steps, or an
// end lost before the plan's last record (though files were renamed), still brings every file
// it names back.
TEST_F(RenameJournalTest, ADamagedJournalIsRecoveredAsFarAsItsRecordsGo) {
    const std::vector<std::function<std::string(std::string)>> damages = {
        [](std::string bytes) {
            bytes[bytes.find(" step\t") + 3] ^= 0x01;
            return bytes;
        },
        [](std::string bytes) { return bytes.substr(0, bytes.find(" step\t")); },
    };
    for (const auto& damage : damages) {
        for (const char* emptied : {"files", "journal"}) {
            std::filesystem::remove_all(folder.file(emptied));
            std::filesystem::create_directories(folder.file(emptied));
        }
        make({"a", "b"});
        beginAndLeaveOpen(requestsOf({{"a", "x"}, {"b", "y"}}));
        std::filesystem::rename(file("a"), file("x"));
        const std::string path = folder.file("journal/" + journal.lastBatchId() + ".journal");
        writeBytes(path, damage(readBytes(path)));
        const auto unfinished = journal.unfinishedBatches();
        ASSERT_EQ(unfinished.size(), 1u);
        EXPECT_EQ(journal.recover(unfinished[0], false), 0);
        EXPECT_EQ(disk(), (Disk{{"a", "a"}, {"b", "b"}}));
        EXPECT_TRUE(journal.unfinishedBatches().empty());
    }
}

TEST_F(RenameJournalTest, AFileLeftUnderTwoNamesKeepsOneAndNothingElseIsTouched) {
    for (const bool finish : {false, true}) {
        SCOPED_TRACE(finish ? "finish" : "undo");
        for (const char* emptied : {"files", "journal"}) {
            std::filesystem::remove_all(folder.file(emptied));
            std::filesystem::create_directories(folder.file(emptied));
        }
        make({"a", "c"});
        beginAndLeaveOpen(requestsOf({{"a", "b"}, {"c", "d"}}));
        // Killed between the link and the unlink of the fallback; c was replaced meanwhile by
        // another file, which must be left alone.
        ASSERT_EQ(::link(file("a").c_str(), file("b").c_str()), 0);
        std::filesystem::rename(file("c"), file("c-kept"));
        writeBytes(file("c"), "stranger");
        const auto unfinished = journal.unfinishedBatches();
        ASSERT_EQ(unfinished.size(), 1u);
        EXPECT_EQ(journal.recover(unfinished[0], finish), 1);
        Disk expected = {{"c", "stranger"}, {"c-kept", "c"}};
        expected[finish ? "b" : "a"] = "a";
        EXPECT_EQ(disk(), expected);
        EXPECT_EQ(std::filesystem::hard_link_count(file(finish ? "b" : "a")), 1u);
        // The replaced file's row is left, so the batch stays open for another try.
        EXPECT_EQ(journal.unfinishedBatches().size(), 1u);
    }
}

// Journals written before rows were named within their folder, and before progress records
// named steps by number, hold whole paths; one cut short is still found and put back.
TEST_F(RenameJournalTest, AJournalOfTheEarlierFormIsReadAndRecovered) {
    make({"a", "b"});
    const auto identity = [&](const std::string& name) {
        const FileIdentity id = lookUpFile(file(name))->identity;
        return std::pair{std::to_string(id.device), std::to_string(id.inode)};
    };
    const auto [deviceA, inodeA] = identity("a");
    const auto [deviceB, inodeB] = identity("b");
    writeJournal("000000000001-1-1", {{"vartel-journal", "1", "execute", "1", "2"},
                                      {"row", "0", file("a"), file("x"), deviceA, inodeA, "1", "1"},
                                      {"row", "1", file("b"), file("y"), deviceB, inodeB, "1", "1"},
                                      {"step", "0", "", "", "r", ""},
                                      {"step", "1", "", "", "r", ""},
                                      {"go"},
                                      {"done", file("a"), file("x"), "r"}});
    std::filesystem::rename(file("a"), file("x"));
    const auto unfinished = journal.unfinishedBatches();
    ASSERT_EQ(unfinished.size(), 1u);
    EXPECT_EQ(unfinished[0].rows[1].oldPath, file("b"));
    EXPECT_EQ(unfinished[0].rows[1].newPath, file("y"));
    EXPECT_EQ(journal.recover(unfinished[0], false), 0);
    EXPECT_EQ(disk(), (Disk{{"a", "a"}, {"b", "b"}}));
}

TEST_F(RenameJournalTest, DamagedJournalsAreSetAsideAndPlanCutShortIsDropped) {
    writeJournal("000000000001-1-1", {{"vartel-journal", "1", "execute", "1", "1"}, {"nonsense"}});
    writeBytes(folder.file("journal/000000000002-1-1.journal"), "garbage\nmore garbage\n");
    // Cut short before its plan was whole: nothing was renamed, nothing to recover.
    writeJournal("000000000003-1-1", {{"vartel-journal", "1", "execute", "3", "1"}});
    EXPECT_TRUE(journal.unfinishedBatches().empty());
    EXPECT_EQ(journal.damagedFound(),
              (std::vector<std::string>{"000000000001-1-1.journal", "000000000002-1-1.journal"}));
    EXPECT_TRUE(std::filesystem::exists(folder.file("journal/damaged/000000000002-1-1.journal")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("journal/000000000003-1-1.journal")));
    EXPECT_TRUE(journal.summaries().empty());
}

// A listing counts each renamed row once, however often the journal says so (a recovery
// finishing a batch marks its rows again), and agrees with the batch read whole.
TEST_F(RenameJournalTest, AListingCountsWhatTheWholeBatchHolds) {
    writeJournal("000000000001-1-1", {{"vartel-journal", "1", "execute", "5", "3"},
                                      {"in", "/photos/"},
                                      {"row", "0", "a", "x", "1", "10", "", ""},
                                      {"row", "1", "b", "y", "1", "11", "", ""},
                                      {"row", "2", "c", "z", "1", "12", "", ""},
                                      {"go"},
                                      {"ok", "2"},
                                      {"ok", "0"},
                                      {"recovery", "finish"},
                                      {"ok", "0"},
                                      {"end"}});
    const auto summaries = journal.summaries();
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries[0].rowCount, 3u);
    EXPECT_EQ(summaries[0].renamedCount, 2u);
    EXPECT_EQ(summaries[0].folder, U"/photos");
    EXPECT_EQ(summaries[0].seconds, 5);
    const auto batch = journal.batch(summaries[0].id);
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->renamedCount, 2u);
    EXPECT_EQ(batch->rows.size(), 3u);
    EXPECT_TRUE(batch->rows[0].renamed);
    EXPECT_FALSE(batch->rows[1].renamed);
    EXPECT_TRUE(batch->rows[2].renamed);
    EXPECT_EQ(batch->rows[1].oldPath, "/photos/b");
}

// Only a whole closing record closes a batch, wherever it stands in the last lines.
TEST_F(RenameJournalTest, OnlyAWholeClosingRecordClosesABatch) {
    const std::vector<JournalRecord> opened = {{"vartel-journal", "1", "execute", "0", "0"},
                                               {"go"}};
    auto undone = opened;
    undone.push_back({"end"});
    undone.push_back({"undone", "000000000009-1-1"});
    writeJournal("000000000001-1-1", undone);
    std::string cutShort;
    for (const auto& record : opened) cutShort += encodeJournalRecord(record);
    const std::string closing = encodeJournalRecord({"end"});
    writeBytes(folder.file("journal/000000000002-1-1.journal"),
               cutShort + closing.substr(0, closing.size() - 1));
    std::string wrongSum = closing;
    wrongSum[0] = wrongSum[0] == '0' ? '1' : '0';
    writeBytes(folder.file("journal/000000000003-1-1.journal"), cutShort + wrongSum);
    std::vector<std::string> unfinished;
    for (const auto& batch : journal.unfinishedBatches()) unfinished.push_back(batch.id);
    EXPECT_EQ(unfinished, (std::vector<std::string>{"000000000002-1-1", "000000000003-1-1"}));
}

// A start reads no journal the note of closed batches names. A batch is noted once its closing
// records are synced, and a journal found closed that the note does not name (written before
// there was a note) is noted then; an unfinished batch is never noted, whatever else the note
// holds. Pruning drops the ids of journals gone once they pile up.
TEST_F(RenameJournalTest, OnlyBatchesClosedOnDiskAreNotedAndTheNoteFollowsPruning) {
    const std::string journals = folder.file("journal");
    make({"a"});
    const auto requests = requestsOf({{"a", "b"}});
    const RenamePlan plan = planRenames(requests);
    auto active =
        journal.begin(BatchKind::Execute, requests, plan, lookUpBatchFiles(requests, plan));
    ASSERT_TRUE(active);
    const std::string closedNow = journal.lastBatchId();
    EXPECT_FALSE(closedBatchIds(journals).contains(closedNow));
    RenameRun run;
    carryOutPlan(
        requests, plan, lookUpBatchFiles(requests, plan), [](std::size_t) { return true; }, run,
        active.get());
    active->close(run);
    EXPECT_TRUE(closedBatchIds(journals).contains(closedNow));

    const JournalRecord header = {"vartel-journal", "1", "execute", "0", "0"};
    writeJournal("000000000001-1-1", {header, {"go"}, {"end"}});
    writeJournal("000000000002-1-1", {header, {"go"}});
    // Lines of no batch, and a last line cut short, are passed over.
    writeBytes(journals + "/closed-batches",
               readBytes(journals + "/closed-batches") + "not-a-batch\n\n000000000002-1");
    const auto unfinished = journal.unfinishedBatches();
    ASSERT_EQ(unfinished.size(), 1u);
    EXPECT_EQ(unfinished[0].id, "000000000002-1-1");
    auto noted = closedBatchIds(journals);
    EXPECT_TRUE(noted.contains("000000000001-1-1"));
    EXPECT_FALSE(noted.contains("000000000002-1-1"));
    EXPECT_EQ(journal.unfinishedBatches().size(), 1u);

    std::vector<std::string> stale;
    for (int n = 0; n < 100; ++n) stale.push_back("000000000000-9-" + std::to_string(n));
    stale.push_back(closedNow);
    rewriteClosedBatchNote(journals, stale);
    journal.prune(currentSeconds());
    noted = closedBatchIds(journals);
    EXPECT_EQ(noted, (std::unordered_set<std::string>{closedNow}));
    EXPECT_EQ(journalFileNames(journals).size(), 3u);

    // A FIFO in the note's place holds nothing up and is left alone.
    std::filesystem::remove(journals + "/closed-batches");
    ASSERT_EQ(::mkfifo((journals + "/closed-batches").c_str(), 0600), 0);
    const auto more = requestsOf({{"b", "c"}});
    const RenamePlan morePlan = planRenames(more);
    auto another =
        journal.begin(BatchKind::Execute, more, morePlan, lookUpBatchFiles(more, morePlan));
    ASSERT_TRUE(another);
    another->closeUndone("test");
    EXPECT_TRUE(closedBatchIds(journals).empty());
    EXPECT_TRUE(std::filesystem::is_fifo(journals + "/closed-batches"));
    // Nor is a symbolic link there written through.
    std::filesystem::remove(journals + "/closed-batches");
    writeBytes(folder.file("elsewhere"), "kept");
    std::filesystem::create_symlink(folder.file("elsewhere"), journals + "/closed-batches");
    const auto last = requestsOf({{"c", "d"}});
    const RenamePlan lastPlan = planRenames(last);
    journal.begin(BatchKind::Execute, last, lastPlan, lookUpBatchFiles(last, lastPlan))
        ->closeUndone("test");
    EXPECT_EQ(readBytes(folder.file("elsewhere")), "kept");
}

TEST_F(RenameJournalTest, PruningKeepsTheNewestHundredOrTheLastThirtyDays) {
    const std::int64_t day = 24 * 60 * 60;
    const std::int64_t now = 1000 * day;
    const auto id = [](std::int64_t seconds, int n) {
        char text[64];
        std::snprintf(text, sizeof text, "%012lld-1-%d", static_cast<long long>(seconds), n);
        return std::string(text);
    };
    // 150 old batches, one of them unfinished, and 20 recent ones.
    for (int n = 0; n < 150; ++n) {
        std::vector<JournalRecord> records = {{"vartel-journal", "1", "execute", "0", "0"}, {"go"}};
        if (n != 3) records.push_back({"end"});
        writeJournal(id(now - 40 * day + n, n), records);
    }
    for (int n = 0; n < 20; ++n) {
        writeJournal(id(now - day + n, n),
                     {{"vartel-journal", "1", "execute", "0", "0"}, {"go"}, {"end"}});
    }
    journal.prune(now);
    const auto names = journalFileNames(folder.file("journal"));
    // The newest 100 are 20 recent and 80 old; the unfinished old one stays besides.
    EXPECT_EQ(names.size(), 101u);
    EXPECT_EQ(names[0], id(now - 40 * day + 3, 3) + ".journal");
    EXPECT_EQ(names[1], id(now - 40 * day + 70, 70) + ".journal");
}

}  // namespace
}  // namespace vartel

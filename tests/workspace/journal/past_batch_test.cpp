#include "workspace/journal/past_batch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "../../support/workspace_fixture.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"

namespace vartel {
namespace {

// Batches executed in an earlier session, whose history list is gone.
class PastBatchTest : public WorkspaceTest {
  protected:
    PastBatchTest() { std::filesystem::create_directories(folder.file("journal")); }

    JournalBatch executeAndForget(const std::vector<std::string>& files,
                                  const std::map<Text, Text>& renames) {
        workspace.setJournal(&journal);
        preview(files, renames);
        execute(workspace);
        workspace.historyList().clear();
        workspace.setJournal(nullptr);
        return *journal.batch(journal.lastBatchId());
    }

    RenameJournal journal{folder.file("journal")};
};

TEST_F(PastBatchTest, ALoadedBatchIsUndoneLikeThisSessionsHistory) {
    // A swap and a chain: the undo needs the planner as much as the batch did.
    const JournalBatch batch = executeAndForget(
        {"x", "y", "1", "2"}, {{U"x", U"y"}, {U"y", U"x"}, {U"2", U"3"}, {U"1", U"2"}});
    ASSERT_TRUE(canLoadIntoHistory(batch));
    EXPECT_EQ(batch.folder, textFromBytes(folder.path().string()));
    loadIntoHistory(workspace, batch);
    ASSERT_EQ(workspace.historyList().size(), 4u);
    for (const HistoryEntry& row : workspace.historyList())
        EXPECT_EQ(row.pathAfter(), pathText(bytesFromText(row.newName)));
    undo(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
    for (const std::string name : {"x", "y", "1", "2"}) EXPECT_EQ(contentOf(name), name);
    EXPECT_FALSE(exists("3"));
}

TEST_F(PastBatchTest, AFileReplacedSinceIsNotTakenForTheRenamedOne) {
    const JournalBatch batch = executeAndForget({"a", "b"}, {{U"a", U"c"}, {U"b", U"d"}});
    // Made before the file goes, so that it cannot be given the same inode.
    makeFile("stranger", "stranger");
    std::filesystem::rename(path("stranger"), path("c"));
    loadIntoHistory(workspace, batch);
    undo(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"1個のエラーがあります");
    EXPECT_EQ(contentOf("c"), "stranger");
    EXPECT_EQ(contentOf("b"), "b");
    ASSERT_EQ(workspace.historyList().size(), 1u);
    EXPECT_TRUE(workspace.historyList()[0].failed);
    EXPECT_EQ(workspace.historyList()[0].failureReason.text(), U"別のファイルに置き換わっています");
}

// Undo from the history marks a batch undone once it took back every row of it, whether the
// batch was made in this session or loaded.
TEST_F(PastBatchTest, ABatchTakenBackWhollyIsUndoneInItsJournal) {
    workspace.setJournal(&journal);
    preview({"a", "b"}, {{U"a", U"c"}, {U"b", U"d"}});
    execute(workspace);
    const std::string executed = journal.lastBatchId();
    const auto stateOfExecuted = [&] {
        for (const auto& batch : journal.summaries()) {
            if (batch.id == executed) return batch.state;
        }
        return BatchState::Unfinished;
    };
    workspace.historyList()[0].checked = false;
    undo(workspace);
    EXPECT_EQ(stateOfExecuted(), BatchState::Finished);
    workspace.historyList()[0].checked = true;
    undo(workspace);
    EXPECT_EQ(stateOfExecuted(), BatchState::Undone);
}

// An inode number freed by a removed file is soon given to a new one: a file whose type, size
// or time is not what the batch renamed is another file, even under the same number.
TEST_F(PastBatchTest, AFileChangedSinceIsNotTakenForTheRenamedOne) {
    const std::vector<std::function<void()>> changes = {
        [&] { makeFile("c", "longer content"); },
        [&] {
            std::filesystem::last_write_time(
                path("c"), std::filesystem::file_time_type::clock::now() - std::chrono::hours(50));
        },
    };
    for (const auto& change : changes) {
        std::filesystem::remove(path("a"));
        std::filesystem::remove(path("c"));
        const JournalBatch batch = executeAndForget({"a"}, {{U"a", U"c"}});
        change();
        loadIntoHistory(workspace, batch);
        undo(workspace);
        EXPECT_EQ(dialogs.lastMessage(), U"1個のエラーがあります");
        EXPECT_TRUE(exists("c"));
        EXPECT_FALSE(exists("a"));
    }
}

// A row the batch leaves alone keeps no identity in the journal, so that recovery never moves
// its file, also where the files of a large batch are looked up while it is planned.
TEST_F(PastBatchTest, ARowLeftAloneKeepsNoIdentityInAnyBatch) {
    for (const int count : {3, 300}) {
        SCOPED_TRACE(count);
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            if (entry.is_regular_file()) std::filesystem::remove(entry.path());
        }
        workspace.previewList().clear();
        workspace.conversionList().clear();
        std::vector<std::string> files;
        std::map<Text, Text> renames;
        for (int i = 0; i < count; ++i) {
            const std::string name = "f" + std::to_string(i);
            files.push_back(name);
            renames[textFromBytes(name)] = textFromBytes("renamed-" + name);
        }
        renames[textFromBytes(files[0])] = renames[textFromBytes(files[1])];  // loses to it
        const JournalBatch batch = executeAndForget(files, renames);
        ASSERT_EQ(batch.rows.size(), files.size());
        for (const JournalRow& row : batch.rows) {
            const bool leftAlone = row.oldPath == bytesFromText(pathText(files[0]));
            EXPECT_EQ(row.identity.known(), !leftAlone) << row.oldPath;
            EXPECT_EQ(row.renamed, !leftAlone);
        }
        EXPECT_EQ(contentOf(files[0]), files[0]);
    }
}

TEST_F(PastBatchTest, OnlyBatchesThatEndedAndRenamedSomethingCanBeLoaded) {
    JournalBatch batch = executeAndForget({"a"}, {{U"a", U"b"}});
    EXPECT_TRUE(canLoadIntoHistory(batch));
    for (const BatchState state : {BatchState::Unfinished, BatchState::Undone}) {
        JournalBatch other = batch;
        other.state = state;
        EXPECT_FALSE(canLoadIntoHistory(other));
    }
    batch.renamedCount = 0;
    EXPECT_FALSE(canLoadIntoHistory(batch));
}

}  // namespace
}  // namespace vartel

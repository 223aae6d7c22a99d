// Failing disks on real folders: every refused call is counted and reported, the failed rows
// stay where the user can retry them, and no other file moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "../../support/injected_faults.h"
#include "../../support/workspace_fixture.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/single_rename.h"
#include "workspace/execution/undo.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/list_walk.h"

namespace vartel {
namespace {

const std::vector<int> kErrors = {EACCES, ENOENT, EXDEV, EIO, ENAMETOOLONG, EEXIST};

class FaultInjectionTest : public WorkspaceTest {
  protected:
    // An empty folder and empty lists, for the next case of a table.
    void reset() {
        std::filesystem::remove_all(folder.path());
        std::filesystem::create_directories(folder.path());
        workspace.conversionList().clear();
        workspace.previewList().clear();
        workspace.historyList().clear();
        dialogs.messages.clear();
    }

    // Name on disk -> content, for the whole folder tree.
    std::map<std::string, std::string> disk() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            if (!entry.is_regular_file()) continue;
            const auto relative = std::filesystem::relative(entry.path(), folder.path()).string();
            files[relative] = contentOf(relative);
        }
        return files;
    }

    // Every file on disk stands in exactly one row of the conversion list or the preview.
    void expectEveryFileInOneRow() const {
        std::vector<std::string> rows;
        for (const auto& row : workspace.conversionList())
            rows.push_back(bytesFromText(row.fullPath()));
        for (const auto& row : workspace.previewList())
            rows.push_back(bytesFromText(row.fullPathBefore()));
        std::vector<std::string> files;
        for (const auto& [name, content] : disk()) files.push_back(path(name));
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(rows, files);
    }

    std::vector<Text> historyNames() const {
        std::vector<Text> result;
        for (const auto& row : workspace.historyList()) result.push_back(row.newName);
        return result;
    }
};

TEST_F(FaultInjectionTest, AFailedRenameIsCountedAndOnlyItsFileStays) {
    struct Case {
        Fault fault;
        std::string stays;  // the one file the fault keeps from being renamed
    };
    std::vector<Case> cases;
    for (const int error : kErrors) cases.push_back({{FileCall::Rename, error, 0, "/b"}, "b"});
    // The loop runs from the bottom, so the third rename is the second row's.
    cases.push_back({{FileCall::Rename, EIO, 3}, "b"});
    cases.push_back({{FileCall::Rename, EACCES, 0, "", "/Z"}, "d"});
    cases.push_back({{FileCall::Rename, EXDEV, 1}, "d"});
    for (const auto& [fault, stays] : cases) {
        SCOPED_TRACE(stays + " errno " + std::to_string(fault.error));
        reset();
        preview({"a", "b", "c", "d"}, {{U"a", U"W"}, {U"b", U"X"}, {U"c", U"Y"}, {U"d", U"Z"}});
        {
            InjectedFaults faults({fault});
            execute(workspace);
            EXPECT_EQ(faults.failures(), 1);
        }
        EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"1個のエラーがあります"}));
        ASSERT_EQ(workspace.previewList().size(), 1u);
        const PreviewEntry& failed = workspace.previewList()[0];
        EXPECT_EQ(failed.oldName, textFromBytes(stays));
        EXPECT_TRUE(failed.failed);
        EXPECT_TRUE(failed.checked);
        EXPECT_EQ(workspace.historyList().size(), 3u);
        EXPECT_EQ(workspace.conversionList().size(), 3u);
        EXPECT_EQ(workspace.status().previewCount, U"変換候補数： 1");
        EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 3");
        std::map<std::string, std::string> expected = {
            {"W", "a"}, {"X", "b"}, {"Y", "c"}, {"Z", "d"}};
        expected.erase(bytesFromText(failed.newName));
        expected[stays] = stays;
        EXPECT_EQ(disk(), expected);
        expectEveryFileInOneRow();

        // The row stays checked, so executing again retries it and succeeds.
        execute(workspace);
        EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
        EXPECT_TRUE(workspace.previewList().empty());
        EXPECT_EQ(workspace.historyList().size(), 4u);
        EXPECT_EQ(disk(), (std::map<std::string, std::string>{
                              {"W", "a"}, {"X", "b"}, {"Y", "c"}, {"Z", "d"}}));
        expectEveryFileInOneRow();
    }
}

// A swap where the system cannot swap goes round through a temporary name; a failure half-way
// puts the first file back, and where even that fails, the batch stays open for recovery.
TEST_F(FaultInjectionTest, ASwapThatFailsHalfWayLeavesNoFileUnderATemporaryName) {
    for (const bool putBackFails : {false, true}) {
        SCOPED_TRACE(putBackFails);
        reset();
        TemporaryFolder state;
        RenameJournal journal(state.path().string());
        workspace.setJournal(&journal);
        preview({"a", "b"}, {{U"a", U"b"}, {U"b", U"a"}});
        {
            std::vector<Fault> faults = {{FileCall::Exchange, EINVAL},
                                         {FileCall::Rename, EEXIST, 2}};
            // Five tries to put the first file back, then one to take it on to its new name.
            for (int call = 3; putBackFails && call <= 8; ++call)
                faults.push_back({FileCall::Rename, EIO, call});
            InjectedFaults injected(faults);
            execute(workspace);
        }
        EXPECT_EQ(dialogs.lastMessage(), U"2個のエラーがあります");
        EXPECT_EQ(journal.unfinishedBatches().size(), putBackFails ? 1u : 0u);
        if (putBackFails) {
            EXPECT_EQ(journal.recover(journal.unfinishedBatches()[0], false), 0);
        }
        EXPECT_EQ(disk(), (std::map<std::string, std::string>{{"a", "a"}, {"b", "b"}}));
        workspace.setJournal(nullptr);
    }
}

// A journal that cannot be brought to disk is no journal: the batch renames nothing.
TEST_F(FaultInjectionTest, AJournalThatCannotBeSyncedStopsTheBatchBeforeItsFirstRename) {
    TemporaryFolder state;
    RenameJournal journal(state.path().string());
    workspace.setJournal(&journal);
    preview({"a"}, {{U"a", U"b"}});
    {
        InjectedFaults faults({{FileCall::Sync, EIO}});
        execute(workspace);
        EXPECT_GT(faults.failures(), 0);
    }
    EXPECT_EQ(dialogs.errors,
              (std::vector<Text>{U"変換の記録を書き込めないため、ファイル名を変更しませんでした"}));
    EXPECT_EQ(disk(), (std::map<std::string, std::string>{{"a", "a"}}));
    workspace.setJournal(nullptr);
}

TEST_F(FaultInjectionTest, EveryRenameFailingRenamesNothing) {
    preview({"a", "b", "c"}, {{U"a", U"1"}, {U"b", U"2"}, {U"c", U"3"}});
    const auto before = disk();
    {
        InjectedFaults faults({{FileCall::Rename, EIO}});
        execute(workspace);
    }
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"3個のエラーがあります"}));
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"1", U"2", U"3"}));
    for (const auto& row : workspace.previewList()) EXPECT_TRUE(row.failed && row.checked);
    EXPECT_TRUE(workspace.historyList().empty());
    EXPECT_TRUE(workspace.conversionList().empty());
    EXPECT_EQ(disk(), before);
    expectEveryFileInOneRow();
}

TEST_F(FaultInjectionTest, UncheckedRowsAreNeitherTriedNorCounted) {
    preview({"a", "b"}, {{U"a", U"1"}, {U"b", U"2"}});
    workspace.previewList()[0].checked = false;
    InjectedFaults faults({{FileCall::Rename, EACCES, 0, "/a"}});
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"正常終了"}));
    EXPECT_EQ(faults.calls(FileCall::Rename), 1);
    EXPECT_FALSE(workspace.previewList()[0].failed);
    EXPECT_EQ(contentOf("a"), "a");
    EXPECT_EQ(contentOf("2"), "b");
}

// Where the system lacks the no-replace flag, renames go through a link, which refuses an
// existing target just the same.
TEST_F(FaultInjectionTest, WithoutTheNoReplaceFlagALinkStillNeverReplaces) {
    preview({"a", "b", "c"}, {{U"a", U"x"}, {U"b", U"c"}});
    {
        InjectedFaults faults({{FileCall::Rename, EINVAL}});
        execute(workspace);
    }
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"1個のエラーがあります"}));
    EXPECT_EQ(disk(), (std::map<std::string, std::string>{{"x", "a"}, {"b", "b"}, {"c", "c"}}));
    EXPECT_EQ(historyNames(), (std::vector<Text>{U"x"}));
    expectEveryFileInOneRow();
    undo(workspace);
    EXPECT_EQ(disk(), (std::map<std::string, std::string>{{"a", "a"}, {"b", "b"}, {"c", "c"}}));
}

TEST_F(FaultInjectionTest, AFailedUndoStaysRedAndCheckedAndTheRestGoBack) {
    for (const int error : kErrors) {
        SCOPED_TRACE(error);
        reset();
        preview({"a", "b", "c"}, {{U"a", U"1"}, {U"b", U"2"}, {U"c", U"3"}});
        execute(workspace);
        {
            InjectedFaults faults({{FileCall::Rename, error, 0, "/2"}});
            undo(workspace);
        }
        EXPECT_EQ(dialogs.lastMessage(), U"1個のエラーがあります");
        ASSERT_EQ(workspace.historyList().size(), 1u);
        EXPECT_EQ(workspace.historyList()[0].newName, U"2");
        EXPECT_TRUE(workspace.historyList()[0].failed);
        EXPECT_TRUE(workspace.historyList()[0].checked);
        EXPECT_EQ(names(), (std::vector<Text>{U"a", U"2", U"c"}));
        EXPECT_EQ(workspace.conversionList()[0].fullPath(), pathText("a"));
        EXPECT_EQ(disk(), (std::map<std::string, std::string>{{"a", "a"}, {"2", "b"}, {"c", "c"}}));
        expectEveryFileInOneRow();

        undo(workspace);
        EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
        EXPECT_TRUE(workspace.historyList().empty());
        EXPECT_EQ(names(), (std::vector<Text>{U"a", U"b", U"c"}));
        EXPECT_EQ(disk(), (std::map<std::string, std::string>{{"a", "a"}, {"b", "b"}, {"c", "c"}}));
    }
}

TEST_F(FaultInjectionTest, ReturnTouchesNoFile) {
    preview({"a", "b"}, {{U"a", U"1"}, {U"b", U"2"}});
    InjectedFaults faults({{FileCall::Rename, EIO}, {FileCall::LookUp, EIO}});
    returnToConversionList(workspace);
    EXPECT_EQ(faults.calls(FileCall::Rename) + faults.calls(FileCall::LookUp), 0);
    EXPECT_EQ(names(), (std::vector<Text>{U"a", U"b"}));
    EXPECT_TRUE(workspace.previewList().empty());
    EXPECT_TRUE(dialogs.messages.empty());
    expectEveryFileInOneRow();
}

TEST_F(FaultInjectionTest, ASingleRenameThatFailsLeavesRowAndFile) {
    makeFile("a.txt", "a");
    dropPaths({"a.txt"});
    workspace.conversionList()[0].selected = true;
    for (const int error : kErrors) {
        SCOPED_TRACE(error);
        InjectedFaults faults({{FileCall::Rename, error}});
        renameFirstSelected(workspace, U"b.doc");
        EXPECT_EQ(dialogs.lastMessage(), U"ファイル名を変更できません");
        EXPECT_EQ(workspace.conversionList()[0].name, U"a.txt");
        EXPECT_EQ(workspace.conversionList()[0].extension(), U".txt");
        EXPECT_EQ(workspace.conversionList()[0].fullPath(), pathText("a.txt"));
        EXPECT_EQ(disk(), (std::map<std::string, std::string>{{"a.txt", "a"}}));
    }
    renameFirstSelected(workspace, U"b.doc");
    EXPECT_EQ(workspace.conversionList()[0].fullPath(), pathText("b.doc"));
    EXPECT_EQ(dialogs.messages.size(), kErrors.size());
}

TEST_F(FaultInjectionTest, AnEntryThatCannotBeReadStopsTheWalkAndKeepsTheRowsBefore) {
    for (const char* name : {"d/a", "d/b", "d/c", "d/e", "d/sub/deep", "late"})
        makeFile(name, name);
    const std::vector<Text> before{U"a", U"b"};
    for (const int error : {EACCES, EIO, ENAMETOOLONG}) {
        SCOPED_TRACE(error);
        workspace.conversionList().clear();
        dialogs.errors.clear();
        {
            InjectedFaults faults({{FileCall::ReadEntry, error, 0, "/d", "c"}});
            dropPaths({"d", "late"});
        }
        EXPECT_EQ(dialogs.errors, (std::vector<Text>{U"ファイルの取得に失敗しました。"}));
        EXPECT_EQ(workspace.foldersNotListed(), std::vector<Text>{pathText("d")});
        EXPECT_EQ(names(), before);
        EXPECT_FALSE(workspace.hasWaitingPaths());
        EXPECT_FALSE(workspace.busy());
        EXPECT_EQ(workspace.status().listCount,
                  U"変換リスト数： " + textFromBytes(std::to_string(before.size())));
    }
    // Nothing of the failed walk is left over for the next one.
    workspace.conversionList().clear();
    dropPaths({"late"});
    EXPECT_EQ(names(), (std::vector<Text>{U"late"}));
}

TEST_F(FaultInjectionTest, PathsThatCannotBeListedOrLookedUpAddNothingAndAreNoError) {
    for (const char* name : {"d/a", "d/gone", "d/locked/x", "d/open/y", "f"}) makeFile(name, name);
    std::vector<Fault> faults;
    for (const int error : kErrors) {
        faults.push_back({FileCall::OpenFolder, error, 0, "/locked"});
    }
    faults.push_back({FileCall::LookUp, EACCES, 0, "/f"});
    // An entry removed between the listing and its lookup is simply gone.
    faults.push_back({FileCall::ReadEntry, ENOENT, 0, "", "gone"});
    InjectedFaults injected(faults);
    dropPaths({"d", "f"});
    EXPECT_TRUE(dialogs.errors.empty());
    std::vector<Text> added = names();
    std::sort(added.begin(), added.end());
    EXPECT_EQ(added, (std::vector<Text>{U"a", U"y"}));
    // The walk still knows it was not whole, for whoever must not call it complete.
    EXPECT_EQ(workspace.foldersNotListed(), std::vector<Text>{pathText("d/locked")});
    // A folder that is gone by the time it is opened was simply never there.
    {
        InjectedFaults gone({{FileCall::OpenFolder, ENOENT, 0, "/locked"}});
        dropPaths({"d"});
    }
    EXPECT_TRUE(workspace.foldersNotListed().empty());
}

}  // namespace
}  // namespace vartel

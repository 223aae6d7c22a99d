#include <gtest/gtest.h>

#include <map>

#include "../../support/list_rows.h"
#include "../../support/workspace_fixture.h"
#include "common/error.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"
#include "workspace/list_walk.h"

namespace vartel {
namespace {

class ExecutionTest : public WorkspaceTest {
  protected:
    std::vector<Text> historyPaths() const {
        std::vector<Text> result;
        for (const auto& row : workspace.historyList()) result.push_back(row.pathAfter());
        return result;
    }
};

TEST_F(ExecutionTest, RenamesInPreviewOrderIntoHistoryAndBackIntoTheList) {
    preview({"a.txt", "keep.txt", "b.txt", "c.txt"},
            {{U"a.txt", U"A.doc"}, {U"b.txt", U"B"}, {U"c.txt", U"C.txt"}});
    EXPECT_EQ(workspace.status().previewCount, U"変換候補数： 3");
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 1");
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"正常終了"}));
    EXPECT_TRUE(workspace.previewList().empty());
    EXPECT_EQ(names(), (std::vector<Text>{U"keep.txt", U"A.doc", U"B", U"C.txt"}));
    EXPECT_EQ(workspace.conversionList()[1].extension(), U".doc");
    EXPECT_EQ(workspace.conversionList()[2].extension(), U"");
    EXPECT_EQ(historyPaths(),
              (std::vector<Text>{pathText("A.doc"), pathText("B"), pathText("C.txt")}));
    EXPECT_EQ(contentOf("A.doc"), "a.txt");
    EXPECT_FALSE(exists("a.txt"));
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 4");
}

TEST_F(ExecutionTest, EmptyPreviewAndUncheckedRows) {
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"プレビューを作成してください"}));
    preview({"a.txt"}, {{U"a.txt", U"b.txt"}});
    workspace.previewList()[0].checked = false;
    execute(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
    EXPECT_TRUE(exists("a.txt"));
    EXPECT_EQ(workspace.previewList().size(), 1u);
    EXPECT_FALSE(workspace.busy());
}

TEST_F(ExecutionTest, ClashingRowsTheLowerWinsTheUpperFailsAndStaysRed) {
    preview({"a.txt", "b.txt"}, {{U"a.txt", U"same.txt"}, {U"b.txt", U"same.txt"}});
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"1個のエラーがあります"}));
    ASSERT_EQ(workspace.previewList().size(), 1u);
    EXPECT_EQ(workspace.previewList()[0].oldName, U"a.txt");
    EXPECT_TRUE(workspace.previewList()[0].failed);
    EXPECT_TRUE(workspace.previewList()[0].checked);
    EXPECT_EQ(contentOf("same.txt"), "b.txt");
    EXPECT_EQ(contentOf("a.txt"), "a.txt");
}

TEST_F(ExecutionTest, ASwapFailsForBothRowsInTheLiteralOrder) {
    workspace.setLiteralOrder(true);
    preview({"a", "b"}, {{U"a", U"b"}, {U"b", U"a"}});
    EXPECT_EQ(workspace.status().conflicts, U"衝突 2件");
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"2個のエラーがあります"}));
    EXPECT_EQ(contentOf("a"), "a");
    EXPECT_EQ(contentOf("b"), "b");
    EXPECT_TRUE(workspace.historyList().empty());
    for (const auto& row : workspace.previewList()) {
        EXPECT_EQ(row.failureReason.text(), U"同名のファイルがあります");
    }
}

// A name taken by a file outside the batch, there before the preview or made after it, is
// never replaced: its row fails with the reason, and so does a row waiting for that row's name.
TEST_F(ExecutionTest, TargetsTakenOutsideTheBatchFailWithoutReplacingAnything) {
    preview({"a", "b", "c", "taken"}, {{U"a", U"taken"}, {U"b", U"late"}, {U"c", U"a"}});
    EXPECT_EQ(workspace.status().conflicts, U"衝突 2件");
    makeFile("late", "outsider");
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"3個のエラーがあります"}));
    for (const std::string name : {"a", "b", "c", "taken"}) EXPECT_EQ(contentOf(name), name);
    EXPECT_EQ(contentOf("late"), "outsider");
    ASSERT_EQ(workspace.previewList().size(), 3u);
    for (const auto& row : workspace.previewList()) {
        EXPECT_TRUE(row.failed);
        EXPECT_EQ(row.failureReason.text(), U"同名のファイルがあります");
    }
}

// Many files of one folder are confirmed from a read of the folder, a few one by one; either
// way a file removed, moved away or replaced since the preview fails its row and is left as
// it is, and a chain behind a replaced file fails rather than take its name.
// Many rows are looked up beside the planner, few after it.
TEST_F(ExecutionTest, FilesChangedSinceThePreviewFailWhetherFewOrManyInTheFolder) {
    for (const int count : {3, 100, 300}) {
        SCOPED_TRACE(count);
        std::filesystem::remove_all(folder.path());
        std::filesystem::create_directories(folder.path());
        workspace.previewList().clear();
        workspace.conversionList().clear();
        dialogs.messages.clear();
        std::vector<std::string> files;
        std::map<Text, Text> renames;
        for (int i = 0; i < count; ++i) {
            files.push_back("f" + std::to_string(i));
            renames[textFromBytes(files.back())] = textFromBytes("g" + std::to_string(i));
        }
        renames[U"f2"] = U"f0";  // waits for f0 to move away
        preview(files, renames);
        makeFile("new", "replacement");  // a new file takes the name, as a save does
        std::filesystem::rename(path("new"), path("f0"));
        std::filesystem::rename(path("f1"), path("elsewhere"));
        execute(workspace);
        EXPECT_EQ(dialogs.lastMessage(), U"3個のエラーがあります");
        EXPECT_EQ(contentOf("f0"), "replacement");
        EXPECT_EQ(contentOf("elsewhere"), "f1");
        EXPECT_EQ(contentOf("f2"), "f2");
        std::map<Text, Text> reasons;
        for (const auto& row : workspace.previewList())
            reasons[row.oldName] = row.failureReason.text();
        EXPECT_EQ(reasons, (std::map<Text, Text>{{U"f0", U"別のファイルに置き換わっています"},
                                                 {U"f1", U"ファイルが見つかりません"},
                                                 {U"f2", U"同名のファイルがあります"}}));
        for (int i = 3; i < count; ++i) EXPECT_TRUE(exists("g" + std::to_string(i)));
    }
}

// Swaps, rings and shifts the wrong way succeed; the history holds the user's renames in the
// preview's order, and undo brings every name back through the same planning.
TEST_F(ExecutionTest, SwapsAndChainsSucceedAndUndoWholly) {
    preview({"1", "2", "3", "a", "b"},
            {{U"1", U"2"}, {U"2", U"3"}, {U"3", U"4"}, {U"a", U"b"}, {U"b", U"a"}});
    std::vector<Text> statuses;
    for (const auto& row : workspace.previewList()) statuses.push_back(statusText(row.status));
    EXPECT_EQ(statuses,
              (std::vector<Text>{U"順序を調整", U"順序を調整", U"", U"入れ替え", U"入れ替え"}));
    EXPECT_EQ(workspace.status().conflicts, U"衝突 0件");
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"正常終了"}));
    EXPECT_EQ(contentOf("4"), "3");
    EXPECT_EQ(contentOf("2"), "1");
    EXPECT_EQ(contentOf("a"), "b");
    EXPECT_EQ(historyPaths(), (std::vector<Text>{pathText("2"), pathText("3"), pathText("4"),
                                                 pathText("b"), pathText("a")}));
    EXPECT_EQ(names(), (std::vector<Text>{U"2", U"3", U"4", U"b", U"a"}));
    undo(workspace);
    EXPECT_EQ(dialogs.messages.back(), U"正常終了");
    for (const std::string name : {"1", "2", "3", "a", "b"}) EXPECT_EQ(contentOf(name), name);
    EXPECT_FALSE(exists("4"));
    EXPECT_EQ(names(), (std::vector<Text>{U"1", U"2", U"3", U"a", U"b"}));
}

// Raw files, sidecars and subtitles follow their rows into the history and come back with them;
// a file that is a row of the list stays its own; a row whose companion's new name is taken
// stays whole, and says why.
TEST_F(ExecutionTest, CompanionsAreRenamedAndUndoneWithTheirRows) {
    const std::vector<std::string> companions = {
        "DSC01234.ARW", "DSC01234.JPG.xmp", "movie.ja.srt", "movie.en.forced.ass",
        "DSC05678.ARW", "京都_002.ARW",     "DSC012345.ARW"};
    for (const auto& name : companions) makeFile(name, name);
    workspace.setWithCompanions(true);
    preview({"DSC01234.JPG", "movie.mp4", "DSC05678.JPG", "DSC01234.xmp"},
            {{U"DSC01234.JPG", U"京都_001.JPG"},
             {U"movie.mp4", U"映画.mp4"},
             {U"DSC05678.JPG", U"京都_002.JPG"}});
    std::vector<Text> statuses;
    for (const auto& row : workspace.previewList()) statuses.push_back(statusText(row.status));
    EXPECT_EQ(statuses, (std::vector<Text>{U"", U"", U"関連ファイルを変更できません"}));
    EXPECT_EQ(workspace.previewList()[0].companions, 2);
    execute(workspace);
    EXPECT_EQ(dialogs.messages.back(), U"1個のエラーがあります");
    for (const auto& [now, was] :
         std::map<std::string, std::string>{{"京都_001.JPG", "DSC01234.JPG"},
                                            {"京都_001.ARW", "DSC01234.ARW"},
                                            {"DSC01234.xmp", "DSC01234.xmp"},
                                            {"京都_001.JPG.xmp", "DSC01234.JPG.xmp"},
                                            {"映画.ja.srt", "movie.ja.srt"},
                                            {"映画.en.forced.ass", "movie.en.forced.ass"},
                                            {"DSC05678.ARW", "DSC05678.ARW"},
                                            {"DSC012345.ARW", "DSC012345.ARW"}}) {
        EXPECT_EQ(contentOf(now), was) << now;
    }
    EXPECT_EQ(workspace.historyList().size(), 6u);
    ASSERT_EQ(workspace.previewList().size(), 1u);
    EXPECT_EQ(workspace.previewList()[0].failureReason.text(), U"関連ファイルを変更できません");
    undo(workspace);
    EXPECT_EQ(dialogs.messages.back(), U"正常終了");
    for (const auto& name : companions) EXPECT_EQ(contentOf(name), name);
    EXPECT_EQ(contentOf("DSC01234.JPG"), "DSC01234.JPG");
    EXPECT_EQ(contentOf("movie.mp4"), "movie.mp4");
}

// A file replaced under its name after the preview was made is not renamed, nor undone when
// replaced after its rename.
TEST_F(ExecutionTest, AReplacedFileFailsWithTheReason) {
    preview({"a", "b"}, {{U"a", U"x"}, {U"b", U"y"}});
    std::filesystem::rename(path("a"), path("a-moved"));
    makeFile("a", "stranger");
    execute(workspace);
    EXPECT_EQ(dialogs.messages.back(), U"1個のエラーがあります");
    ASSERT_EQ(workspace.previewList().size(), 1u);
    EXPECT_EQ(workspace.previewList()[0].failureReason.text(), U"別のファイルに置き換わっています");
    EXPECT_EQ(contentOf("a"), "stranger");
    std::filesystem::rename(path("y"), path("y-moved"));
    makeFile("y", "stranger");
    undo(workspace);
    EXPECT_EQ(dialogs.messages.back(), U"1個のエラーがあります");
    EXPECT_EQ(workspace.historyList()[0].failureReason.text(), U"別のファイルに置き換わっています");
    EXPECT_EQ(contentOf("y"), "stranger");
    EXPECT_FALSE(exists("b"));
}

TEST_F(ExecutionTest, NeverReplacesAFileThatAppearedMeanwhile) {
    preview({"a.txt", "gone.txt"}, {{U"a.txt", U"b.txt"}, {U"gone.txt", U"g.txt"}});
    makeFile("b.txt", "someone else's");
    std::filesystem::remove(path("gone.txt"));
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"2個のエラーがあります"}));
    EXPECT_EQ(contentOf("b.txt"), "someone else's");
    EXPECT_EQ(contentOf("a.txt"), "a.txt");
    EXPECT_FALSE(exists("g.txt"));
}

TEST_F(ExecutionTest, NamesThatWouldLeaveTheFolderOrTheSystemRefusesAreFailedRows) {
    std::filesystem::create_directories(path("sub"));
    const std::vector<Text> refused = {U"",
                                       U".",
                                       U"..",
                                       U"sub/x",
                                       U"../x",
                                       Text(U"a\0b", 3),
                                       Text(300, U'n')};  // the last too long for the system
    preview({"f.txt"}, {});
    for (const auto& name : refused) {
        workspace.previewList().push_back(previewRowAt(pathText("f.txt"), name));
    }
    execute(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"7個のエラーがあります");
    EXPECT_EQ(contentOf("f.txt"), "f.txt");
    EXPECT_TRUE(std::filesystem::is_empty(path("sub")));
    for (const auto& row : workspace.previewList()) EXPECT_TRUE(row.failed);
}

TEST_F(ExecutionTest, UndoOfADoubleRenameRestoresTheFirstName) {
    preview({"a.txt"}, {{U"a.txt", U"b.txt"}});
    execute(workspace);
    {
        BusyScope busy(workspace);
        walkCheckedRows(workspace, [](const FileEntry&) { return Text(U"c.txt"); });
    }
    execute(workspace);
    ASSERT_EQ(workspace.historyList().size(), 2u);
    undo(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
    EXPECT_EQ(contentOf("a.txt"), "a.txt");
    EXPECT_TRUE(workspace.historyList().empty());
    ASSERT_EQ(workspace.conversionList().size(), 1u);
    EXPECT_EQ(workspace.conversionList()[0].fullPath(), pathText("a.txt"));
    EXPECT_EQ(workspace.conversionList()[0].extension(), U".txt");
}

TEST_F(ExecutionTest, UndoRenamesBackEvenWithoutARowAndKeepsFailures) {
    preview({"a.txt", "b.txt"}, {{U"a.txt", U"x.txt"}, {U"b.txt", U"y.txt"}});
    execute(workspace);
    workspace.conversionList().clear();  // excluded meanwhile
    makeFile("b.txt", "blocker");
    undo(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"1個のエラーがあります");
    EXPECT_EQ(contentOf("a.txt"), "a.txt");
    EXPECT_TRUE(workspace.conversionList().empty());
    ASSERT_EQ(workspace.historyList().size(), 1u);
    EXPECT_TRUE(workspace.historyList()[0].failed);
    EXPECT_EQ(contentOf("y.txt"), "b.txt");
    clearHistory(workspace);
    undo(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"履歴がありません");
}

TEST_F(ExecutionTest, NamesThatAreNotUtf8RenameAndUndoByteForByte) {
    const std::string odd = "\x82\xA0\xFF.txt";
    preview({odd}, {{textFromBytes(odd), textFromBytes("\xE9t\xE9.txt")}});
    execute(workspace);
    EXPECT_EQ(contentOf("\xE9t\xE9.txt"), odd);
    undo(workspace);
    EXPECT_EQ(contentOf(odd), odd);
    EXPECT_EQ(bytesFromText(workspace.conversionList()[0].fullPath()), path(odd));
}

// A name typed as text and the same bytes kept as escaped bytes are one name on disk, so the
// preview shows them clashing and the upper row fails without being tried.
TEST_F(ExecutionTest, NamesThatAreOneOnDiskClashInThePreview) {
    const Text typed = U"\u00E9.txt";
    const Text escaped = textFromBytes("\xC3") + textFromBytes("\xA9") + U".txt";
    ASSERT_NE(typed, escaped);
    preview({"a.txt", "b.txt"}, {{U"a.txt", typed}, {U"b.txt", escaped}});
    EXPECT_EQ(workspace.status().conflicts, U"衝突 1件");
    execute(workspace);
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{U"1個のエラーがあります"}));
    EXPECT_EQ(contentOf("\xC3\xA9.txt"), "b.txt");
    EXPECT_EQ(contentOf("a.txt"), "a.txt");
    ASSERT_EQ(workspace.previewList().size(), 1u);
    EXPECT_EQ(workspace.previewList()[0].failureReason.text(), statusText(PlanStatus::Duplicate));
    undo(workspace);
    EXPECT_EQ(contentOf("b.txt"), "b.txt");
}

TEST_F(ExecutionTest, ReturnMovesCheckedRowsBackInPreviewOrder) {
    preview({"a.txt", "b.txt", "c.txt"}, {{U"a.txt", U"1"}, {U"b.txt", U"2"}, {U"c.txt", U"3"}});
    workspace.previewList()[1].checked = false;
    returnToConversionList(workspace);
    EXPECT_EQ(names(), (std::vector<Text>{U"a.txt", U"c.txt"}));
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"2"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(exists("a.txt"));
}

TEST_F(ExecutionTest, AbortStopsAfterTheRowInHand) {
    preview({"a", "b", "c"}, {{U"a", U"x"}, {U"b", U"y"}, {U"c", U"z"}});
    pump.calls = 0;
    pump.abortAt = 1;
    execute(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"x", U"y"}));
    EXPECT_TRUE(exists("z"));
    EXPECT_FALSE(workspace.busy());
}

TEST_F(ExecutionTest, AnAbortWhileTheBatchIsPreparedRenamesNothing) {
    // Enough rows for the planner to breathe and hear the abort before it is done.
    std::vector<std::string> files;
    std::map<Text, Text> renames;
    for (int i = 0; i < 5000; ++i) {
        files.push_back("f" + std::to_string(i));
        renames[textFromBytes(files.back())] = textFromBytes("g" + std::to_string(i));
    }
    preview(files, renames);
    pump.calls = 0;
    pump.abortAt = 1;
    execute(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
    EXPECT_TRUE(workspace.historyList().empty());
    ASSERT_EQ(workspace.previewList().size(), 5000u);
    for (const auto& row : workspace.previewList()) {
        ASSERT_FALSE(row.failed);
        ASSERT_EQ(row.status, PlanStatus::Ok);
    }
    EXPECT_TRUE(exists("f0"));
    EXPECT_TRUE(exists("f4999"));
    EXPECT_FALSE(exists("g4999"));

    // Undo the same, once the whole batch is renamed.
    pump.abortAt = -1;
    execute(workspace);
    ASSERT_EQ(workspace.historyList().size(), 5000u);
    pump.calls = 0;
    pump.abortAt = 1;
    undo(workspace);
    EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
    EXPECT_EQ(workspace.historyList().size(), 5000u);
    EXPECT_TRUE(exists("g0"));
    EXPECT_TRUE(exists("g4999"));
    EXPECT_EQ(names().back(), U"g4999");
}

// A large undo of two batches, one renaming files again and some back where they were, stopped
// at each of its first breaths: before the first rename nothing moves, and whatever was done
// the files stay whole and a later undo takes every one back.
TEST_F(ExecutionTest, AnUndoStoppedAnywhereLosesNothingAndCanBeFinished) {
    constexpr int kFiles = 5000;
    std::vector<std::string> files;
    std::map<Text, Text> renames;
    for (int i = 0; i < kFiles; ++i) {
        files.push_back("f" + std::to_string(i));
        renames[textFromBytes(files.back())] = textFromBytes("g" + std::to_string(i));
    }
    preview(files, renames);
    execute(workspace);
    {
        BusyScope busy(workspace);
        walkCheckedRows(workspace, [](const FileEntry& row) -> std::optional<Text> {
            const int i = std::stoi(bytesFromText(row.name).substr(1));
            if (i % 3 == 0) return textFromBytes("h" + std::to_string(i));
            if (i % 3 == 1) return textFromBytes("f" + std::to_string(i));
            return row.name;
        });
    }
    execute(workspace);
    ASSERT_EQ(workspace.historyList().size(), static_cast<std::size_t>(kFiles + 1667 + 1667));
    const auto nameAfterBoth = [](int i) {
        return std::string(i % 3 == 0 ? "h" : i % 3 == 1 ? "f" : "g") + std::to_string(i);
    };
    // Each file lies under exactly one of its names, its content untouched.
    const auto filesWhole = [&] {
        for (int i = 0; i < kFiles; ++i) {
            const std::string number = std::to_string(i);
            const int found = exists("f" + number) + exists("g" + number) + exists("h" + number);
            if (found != 1) return false;
        }
        return true;
    };
    for (int abortAt = 1; abortAt <= 12; ++abortAt) {
        SCOPED_TRACE(abortAt);
        pump.calls = 0;
        pump.abortAt = abortAt;
        undo(workspace);
        EXPECT_FALSE(workspace.busy());
        ASSERT_TRUE(filesWhole());
        if (abortAt <= 3) {
            for (int i = 0; i < kFiles; i += 97) ASSERT_TRUE(exists(nameAfterBoth(i))) << i;
        }
    }
    pump.abortAt = -1;
    for (int pass = 0; pass < 2 && !workspace.historyList().empty(); ++pass) undo(workspace);
    EXPECT_TRUE(workspace.historyList().empty());
    for (int i = 0; i < kFiles; ++i) {
        ASSERT_EQ(contentOf("f" + std::to_string(i)), "f" + std::to_string(i));
    }
}

TEST_F(ExecutionTest, AFailureMidwayStillRecordsTheRenamesDone) {
    makeFile("z", "z");
    preview({"a", "b", "c"}, {{U"a", U"x"}, {U"b", U"y"}, {U"c", U"z"}});
    pump.calls = 0;
    pump.failAt = 3;
    EXPECT_THROW(execute(workspace), VartelError);
    EXPECT_FALSE(workspace.busy());
    ASSERT_EQ(workspace.historyList().size(), 1u);
    EXPECT_EQ(workspace.historyList()[0].pathAfter(), pathText("y"));
    EXPECT_EQ(names(), (std::vector<Text>{U"y"}));
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"x", U"z"}));
    // The row its taken name blocked says why, as after a batch that ran to its end.
    EXPECT_TRUE(workspace.previewList()[1].failed);
    EXPECT_EQ(workspace.previewList()[1].failureReason.text(), U"同名のファイルがあります");
    pump.failAt = -1;
    undo(workspace);
    EXPECT_EQ(contentOf("b"), "b");
}

}  // namespace
}  // namespace vartel

#include "workspace/list_walk.h"

#include <gtest/gtest.h>

#include <map>

#include "../support/workspace_fixture.h"

namespace vartel {
namespace {

using ListWalkTest = WorkspaceTest;

TEST_F(ListWalkTest, MovesChangedCheckedRowsAndKeepsTheRestInPlace) {
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) makeFile(name);
    dropPaths({"a", "b", "c", "d", "e", "f"});
    auto& rows = workspace.conversionList();
    rows[2].checked = false;  // c
    std::vector<Text> visited;
    BusyScope busy(workspace);
    walkCheckedRows(workspace, [&](const FileEntry& row) -> std::optional<Text> {
        visited.push_back(row.name);
        if (row.name == U"a" || row.name == U"b") return row.name + U"1";  // adjacent
        if (row.name == U"d") return Text(U"D");                           // case only
        if (row.name == U"e") return std::nullopt;                         // no result
        return row.name;
    });
    EXPECT_EQ(visited, (std::vector<Text>{U"a", U"b", U"d", U"e", U"f"}));
    EXPECT_EQ(workspace.checkedFileCount(), 2);  // e and f; c is unchecked
    workspace.leaveBusy();
    EXPECT_EQ(names(), (std::vector<Text>{U"c", U"e", U"f"}));
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"a1", U"b1", U"D"}));
    EXPECT_EQ(workspace.previewList()[2].fullPathBefore(), pathText("d"));
    EXPECT_EQ(workspace.busyState().moved, 3);
}

// Leaving the busy state takes a while with many rows, and the window lives on meanwhile, even
// after "中止"; the rows end as they would without it.
TEST_F(ListWalkTest, LeavingALargePreviewLetsTheWindowRun) {
    std::vector<std::string> files;
    std::map<Text, Text> renames;
    for (int i = 0; i < 5000; ++i) {
        files.push_back("f" + std::to_string(i));
        // Every third row takes the name of the one before it: a chain of two.
        renames[textFromBytes(files.back())] =
            textFromBytes(i % 3 == 1 ? "f" + std::to_string(i - 1) : "g" + std::to_string(i));
    }
    for (const auto& file : files) makeFile(file);
    dropPaths(files);
    int callsOnTheWayOut = 0;
    {
        BusyScope busy(workspace);
        walkCheckedRows(workspace, [&](const FileEntry& row) -> std::optional<Text> {
            return renames.at(row.name);
        });
        workspace.abort();
        callsOnTheWayOut = -pump.calls;
    }
    callsOnTheWayOut += pump.calls;
    EXPECT_GT(callsOnTheWayOut, 4);
    ASSERT_EQ(workspace.previewList().size(), 5000u);
    EXPECT_EQ(workspace.previewList()[1].status, PlanStatus::Chain);
    EXPECT_EQ(workspace.previewList()[2].status, PlanStatus::Ok);
    EXPECT_TRUE(names().empty());
}

TEST_F(ListWalkTest, AbortLeavesUnvisitedRowsAndTheStatusShowsTheCounts) {
    for (int i = 0; i < 10; ++i) makeFile(std::string("f").append(std::to_string(i)));
    dropPaths({"f0", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9"});
    pump.calls = 0;
    pump.abortAt = 4;
    {
        BusyScope busy(workspace);
        walkCheckedRows(workspace, [](const FileEntry& row) { return row.name + U"x"; });
    }
    EXPECT_EQ(workspace.previewList().size(), 4u);
    EXPECT_EQ(workspace.conversionList().size(), 6u);
    EXPECT_EQ(workspace.status().previewCount, U"変換候補数： 4");
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 6");
}

}  // namespace
}  // namespace vartel

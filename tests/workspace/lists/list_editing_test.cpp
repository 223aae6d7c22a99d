#include "workspace/lists/list_editing.h"

#include <gtest/gtest.h>

#include "../../support/list_rows.h"
#include "../../support/workspace_fixture.h"
#include "common/error.h"

namespace vartel {
namespace {

class ListEditingTest : public WorkspaceTest {
  protected:
    // Rows named r0, r1, ... with the given rows selected.
    void rows(int count, std::initializer_list<int> selected = {}) {
        auto& list = workspace.conversionList();
        list.clear();
        for (int i = 0; i < count; ++i) {
            const Text name = U"r" + textFromBytes(std::to_string(i));
            list.push_back(rowAt(U"/f/" + name));
        }
        for (const int i : selected) list[static_cast<std::size_t>(i)].selected = true;
    }
    std::vector<int> selection() const {
        std::vector<int> result;
        const auto& list = workspace.conversionList();
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].selected) result.push_back(static_cast<int>(i));
        }
        return result;
    }
    using Names = std::vector<Text>;
};

TEST_F(ListEditingTest, MoveUpAndDownMoveBlocksByOne) {
    rows(5, {2, 3});
    moveUp(workspace);
    moveUp(workspace);
    EXPECT_EQ(names(), (Names{U"r2", U"r3", U"r0", U"r1", U"r4"}));
    moveUp(workspace);
    EXPECT_EQ(names(), (Names{U"r2", U"r3", U"r0", U"r1", U"r4"}));
    EXPECT_EQ(selection(), (std::vector<int>{0, 1}));

    rows(5, {0, 2});
    moveDown(workspace);
    EXPECT_EQ(names(), (Names{U"r1", U"r0", U"r3", U"r2", U"r4"}));
    EXPECT_EQ(selection(), (std::vector<int>{1, 3}));
    rows(3, {1, 2});
    moveDown(workspace);
    EXPECT_EQ(names(), (Names{U"r0", U"r1", U"r2"}));
}

TEST_F(ListEditingTest, CutAndPasteKeepOrderAndCheckFlags) {
    rows(5, {1, 3});
    workspace.conversionList()[3].checked = false;
    cut(workspace);
    EXPECT_EQ(names(), (Names{U"r0", U"r2", U"r4"}));
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 3");
    workspace.conversionList()[0].selected = true;
    paste(workspace);
    EXPECT_EQ(names(), (Names{U"r0", U"r1", U"r3", U"r2", U"r4"}));
    EXPECT_EQ(selection(), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(workspace.conversionList()[1].checked);
    EXPECT_FALSE(workspace.conversionList()[2].checked);
    EXPECT_EQ(workspace.conversionList()[2].fullPath(), U"/f/r3");

    for (auto& row : workspace.conversionList()) row.selected = false;
    paste(workspace);  // nothing selected: at the top, and the buffer stays
    EXPECT_EQ(names()[0], U"r1");
    EXPECT_EQ(names().size(), 7u);
}

TEST_F(ListEditingTest, DropOfDraggedRows) {
    struct Case {
        std::vector<int> dragged;
        int target;
        Names expected;
    };
    const std::vector<Case> cases = {
        {{3, 4}, 0, {U"r3", U"r4", U"r0", U"r1", U"r2"}},
        {{0, 1}, 3, {U"r2", U"r3", U"r0", U"r1", U"r4"}},
        {{1, 3}, 2, {U"r0", U"r1", U"r2", U"r3", U"r4"}},
        {{0, 2}, 4, {U"r1", U"r3", U"r4", U"r0", U"r2"}},
        {{1}, -1, {U"r0", U"r2", U"r3", U"r4", U"r1"}},
        {{3, 4}, 4, {U"r0", U"r1", U"r2", U"r3", U"r4"}},
        {{2, 9}, 0, {U"r0", U"r1", U"r2", U"r3", U"r4"}},  // stale record
    };
    for (const auto& c : cases) {
        rows(5);
        for (const int d : c.dragged) {
            if (d < 5) workspace.conversionList()[static_cast<std::size_t>(d)].selected = true;
        }
        dropRows(workspace, c.dragged, c.target);
        EXPECT_EQ(names(), c.expected) << "target " << c.target;
    }
    rows(5, {3, 4});
    dropRows(workspace, dragRecord(workspace.conversionList()), 0);
    EXPECT_TRUE(selection().empty());
}

TEST_F(ListEditingTest, SelectionAndCheckCommandsTouchOnlyTheirFlag) {
    rows(4, {1, 2});
    workspace.conversionList()[2].checked = false;
    invertCheck(workspace);
    EXPECT_FALSE(workspace.conversionList()[1].checked);
    EXPECT_TRUE(workspace.conversionList()[2].checked);
    EXPECT_TRUE(workspace.conversionList()[0].checked);
    uncheckSelected(workspace);
    EXPECT_FALSE(workspace.conversionList()[2].checked);
    checkSelected(workspace);
    EXPECT_TRUE(workspace.conversionList()[1].checked);
    invertSelection(workspace);
    EXPECT_EQ(selection(), (std::vector<int>{0, 3}));
    exclude(workspace);
    EXPECT_EQ(names(), (Names{U"r1", U"r2"}));
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 2");
    selectAll(workspace);
    EXPECT_EQ(selection(), (std::vector<int>{0, 1}));
    workspace.enterBusy();  // a long command walks the list
    exclude(workspace);
    workspace.leaveBusy();
    EXPECT_EQ(names().size(), 2u);
}

TEST_F(ListEditingTest, SortIsStableAndComparesByColumnRules) {
    auto& list = workspace.conversionList();
    list = {
        rowAt(U"/x/b.txt", 10, {2020, 1, 2, 9, 0, 0}),
        rowAt(U"/x/ABD.TXT", 9, {2020, 1, 2}),
        rowAt(U"/x/abc.doc", 10, {2020, 1, 1, 23, 59, 59}),
        rowAt(U"/x/big", 5368709120, {2020, 1, 2, 10, 0, 0}),
    };
    list[1].selected = true;
    sortByColumn(workspace, SortColumn::Name);
    EXPECT_EQ(names(), (Names{U"abc.doc", U"ABD.TXT", U"b.txt", U"big"}));
    EXPECT_TRUE(list[1].selected);
    sortByColumn(workspace, SortColumn::Size);
    EXPECT_EQ(names(), (Names{U"ABD.TXT", U"abc.doc", U"b.txt", U"big"}));
    sortByColumn(workspace, SortColumn::Modified);
    EXPECT_EQ(names(), (Names{U"abc.doc", U"ABD.TXT", U"b.txt", U"big"}));
    sortByColumn(workspace, SortColumn::Extension);
    EXPECT_EQ(names(), (Names{U"big", U"abc.doc", U"ABD.TXT", U"b.txt"}));
}

// Kanji read as kana, hiragana and katakana alike, equal readings kept in list order, numbers
// first and Latin names last.
TEST_F(ListEditingTest, SortByReadingIsTheOrderOfTheKana) {
    auto& list = workspace.conversionList();
    for (const Text name : {U"桜.jpg", U"Beatles.mp3", U"青空.txt", U"カメラ.png", U"赤とんぼ.mp3",
                            U"あおぞら.txt", U"apple.txt", U"01 東京.jpg"})
        list.push_back(rowAt(U"/x/" + name));
    sortByColumn(workspace, SortColumn::Reading);
    EXPECT_EQ(names(), (Names{U"01 東京.jpg", U"青空.txt", U"あおぞら.txt", U"赤とんぼ.mp3",
                              U"カメラ.png", U"桜.jpg", U"apple.txt", U"Beatles.mp3"}));
}

}  // namespace
}  // namespace vartel

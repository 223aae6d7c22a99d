#include "editor/multi_condition_commands.h"

#include <gtest/gtest.h>

#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"
#include "common/error.h"
#include "editor/messages.h"
#include "editor/multi_condition_file.h"

namespace vartel {
namespace {

class MultiConditionCommandsTest : public ::testing::Test {
  protected:
    MultiConditionCommandsTest() {
        writeMultiConditionFile(path, MultiConditionTable{{{U"abc", U"XYZ"}, {U"日本", U"語"}}});
    }
    TemporaryFolder folder;
    const std::string path = folder.file("table.csv");
    MultiConditionTable table{{{U"old", U"row"}}};
    ScriptedDialogs dialogs;
};

TEST_F(MultiConditionCommandsTest, LoadReplacesAndAddAppends) {
    dialogs.files = {path, path};
    loadMultiConditionTable(table, false, dialogs);
    EXPECT_EQ(table.rows, (std::vector<MultiConditionRow>{
                              {U"old", U"row"}, {U"abc", U"XYZ"}, {U"日本", U"語"}}));
    loadMultiConditionTable(table, true, dialogs);
    EXPECT_EQ(table.rows, (std::vector<MultiConditionRow>{{U"abc", U"XYZ"}, {U"日本", U"語"}}));
}

TEST_F(MultiConditionCommandsTest, ACancelledOrUnreadableLoadKeepsTheTable) {
    const auto before = table.rows;
    dialogs.files = {std::nullopt, folder.file("none.csv")};
    loadMultiConditionTable(table, true, dialogs);
    EXPECT_THROW(loadMultiConditionTable(table, true, dialogs), VartelError);
    EXPECT_EQ(table.rows, before);
}

TEST_F(MultiConditionCommandsTest, TypedPairsNeedBothFields) {
    const std::pair<Text, Text> refused[] = {{U"", U"x"}, {U"x", U""}, {U"", U""}};
    for (const auto& [search, output] : refused)
        EXPECT_FALSE(addPair(table, search, output, dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<Text>(3, editor_messages::kEmptyField));
    dialogs.messages.clear();
    EXPECT_FALSE(addPair(table, U"a\nb", U"x", dialogs));
    EXPECT_FALSE(addPair(table, U"a", U"x\r", dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<Text>(2, editor_messages::kLineBreakRefused));
    ASSERT_TRUE(addPair(table, U" ", U"　", dialogs));
    ASSERT_FALSE(table.rows.empty());
    EXPECT_EQ(table.rows.back(), (MultiConditionRow{U" ", U"　"}));
}

TEST_F(MultiConditionCommandsTest, DeleteRemovesTheSelectedRowsAndSaveWritesTheRest) {
    table.rows = {{U"a", U"1"}, {U"b", U"2"}, {U"c", U"3"}, {U"d", U"4"}};
    deletePairs(table, {2, 0, 8});
    EXPECT_EQ(table.rows, (std::vector<MultiConditionRow>{{U"b", U"2"}, {U"d", U"4"}}));
    const std::string saved = folder.file("saved.csv");
    dialogs.files = {saved};
    saveTable(table, dialogs);
    EXPECT_EQ(readMultiConditionFile(saved), table.rows);
}

}  // namespace
}  // namespace vartel

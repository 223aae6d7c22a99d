#include "workspace/execution/single_rename.h"

#include <gtest/gtest.h>

#include "../../support/workspace_fixture.h"

namespace vartel {
namespace {

class SingleRenameTest : public WorkspaceTest {
  protected:
    void SetUp() override {
        makeFile("a.txt", "a");
        makeFile("b.txt", "b");
        makeFile("other.doc", "other");
        dropPaths({"a.txt", "b.txt"});
        workspace.conversionList()[0].selected = true;
        workspace.conversionList()[1].selected = true;
    }
};

TEST_F(SingleRenameTest, RenamesTheFirstSelectedRowWithoutHistory) {
    renameFirstSelected(workspace, U"c.doc");
    const FileEntry& row = workspace.conversionList()[0];
    EXPECT_EQ(row.name, U"c.doc");
    EXPECT_EQ(row.extension(), U".doc");
    EXPECT_EQ(row.fullPath(), pathText("c.doc"));
    EXPECT_EQ(contentOf("c.doc"), "a");
    EXPECT_EQ(contentOf("b.txt"), "b");
    EXPECT_TRUE(workspace.historyList().empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

// With companions taken along, a sidecar follows unless its new name is taken; then neither
// moves. A file of the list is nobody's companion.
TEST_F(SingleRenameTest, CompanionsFollowTheRenamedFile) {
    workspace.setWithCompanions(true);
    makeFile("a.xmp", "a.xmp");
    makeFile("b.srt", "b.srt");
    makeFile("taken.srt", "taken");
    renameFirstSelected(workspace, U"c.doc");
    EXPECT_EQ(contentOf("c.xmp"), "a.xmp");
    EXPECT_EQ(contentOf("b.txt"), "b");
    workspace.conversionList()[0].selected = false;
    renameFirstSelected(workspace, U"taken.txt");
    EXPECT_EQ(dialogs.lastMessage(), U"ファイル名を変更できません");
    EXPECT_EQ(contentOf("b.txt"), "b");
    EXPECT_EQ(contentOf("b.srt"), "b.srt");
}

TEST_F(SingleRenameTest, RefusalsLeaveFilesAndRowAsTheyWere) {
    for (const Text name : {U"other.doc", U"", U"..", U"sub/a.txt"}) {
        renameFirstSelected(workspace, name);
        EXPECT_EQ(dialogs.lastMessage(), U"ファイル名を変更できません");
    }
    EXPECT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(workspace.conversionList()[0].fullPath(), pathText("a.txt"));
    EXPECT_EQ(contentOf("a.txt"), "a");
    EXPECT_EQ(contentOf("other.doc"), "other");
}

}  // namespace
}  // namespace vartel

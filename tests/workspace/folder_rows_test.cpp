#include <gtest/gtest.h>

#include "../support/macro_builder.h"
#include "../support/workspace_fixture.h"
#include "platform/clock.h"
#include "runs/macro_run.h"
#include "runs/operation_run.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"
#include "workspace/lists/list_editing.h"
#include "workspace/lists/search.h"

namespace vartel {
namespace {

// Folders taken into the list as rows of their own.
class FolderRowsTest : public WorkspaceTest {
  protected:
    FolderRowsTest() {
        makeFile("shoot.2020/img.jpg");
        makeFile("shoot.2020/raw/img.cr2");
        makeFile("shoot.2020/raw/deep/x");
        makeFile("album/song.mp3");
        std::filesystem::create_directory(path("empty"));
        std::filesystem::create_directory_symlink(path("album"), path("link"));
    }
    std::vector<Text> fullPaths() const {
        std::vector<Text> result;
        for (const auto& row : workspace.conversionList()) result.push_back(row.fullPath());
        return result;
    }
    void previewWith(const OperationSettings& operation) {
        RecordingState notRecording;
        MacroProgram program;
        RecordingFrame frame(notRecording, program);
        runOperation(workspace, frame, operation);
    }
};

TEST_F(FolderRowsTest, FoldersBecomeRowsWithoutTheirFiles) {
    workspace.addFolderRows(
        {pathText("shoot.2020"), pathText("album/song.mp3"), pathText("link"), pathText("missing")},
        false);
    ASSERT_EQ(fullPaths(), std::vector<Text>{pathText("shoot.2020")});
    const FileEntry& row = workspace.conversionList()[0];
    EXPECT_TRUE(row.isFolder());
    EXPECT_EQ(row.name, U"shoot.2020");
    EXPECT_EQ(row.extension(), U"");  // a folder name is never cut at a dot
    EXPECT_EQ(row.facts.sizeText(), U"<フォルダ>");
    EXPECT_FALSE(row.facts.modifiedText().empty());
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 1");
    EXPECT_FALSE(workspace.busy());

    workspace.conversionList().clear();
    workspace.addFolderRows({pathText("shoot.2020"), pathText("empty")}, true);
    EXPECT_EQ(fullPaths(),
              (std::vector<Text>{pathText("shoot.2020"), pathText("empty"),
                                 pathText("shoot.2020/raw"), pathText("shoot.2020/raw/deep")}));
}

TEST_F(FolderRowsTest, EveryOperationTakesTheWholeNameAsTheStem) {
    struct Case {
        OperationSettings operation;
        Text expected;
    };
    const Case cases[] = {
        {AddTextSettings{U"_x", AddTextMode::AtEnd, 1, {}, false}, U"shoot.2020_x"},
        {DeleteSettings{DeleteMode::FromEnd, 1, 2, {}, {}, false}, U"shoot.20"},
        {ReplaceSettings{ReplaceRange::Whole, ReplaceKind::Replace, U".", U"-", 1, 1, false},
         U"shoot-2020"},
        {NumberingSettings{NumberingForm::AtEnd, 1, 1, false, {}, {}, 1, false}, U"shoot.20201"},
        {ExtensionSettings{ExtensionMode::Unify, U"bak", 1, 1}, U"shoot.2020.bak"},
    };
    for (const auto& c : cases) {
        workspace.conversionList().clear();
        workspace.previewList().clear();
        workspace.addFolderRows({pathText("shoot.2020")}, false);
        previewWith(c.operation);
        ASSERT_EQ(workspace.previewList().size(), 1u);
        EXPECT_EQ(workspace.previewList()[0].newName, c.expected);
    }
}

TEST_F(FolderRowsTest, MacroSeesTheFolderAsAFileWithoutExtension) {
    struct Case {
        MacroProgram program;
        std::optional<Text> expected;  // nothing: the row stays in the list
    };
    const Case cases[] = {
        {programOf({}), std::nullopt},
        {programOf({typedLine(U"拡張子", U"代入", U"文字", U"old")}), U"shoot.2020.old"},
        {programOf({typedLine(U"数値１", U"ファイル関連", U"サイズ"),
                    typedLine(U"文字１", U"変換", U"数値→文字", U"数値１"),
                    typedLine(U"文字２", U"ファイル関連", U"上位フォルダ名"),
                    typedLine(U"ファイル名", U"文字出力", U"結合", U"文字２", U"_", U"文字１")}),
         textFromBytes(folder.path().filename().string()) + U"_0"},
    };
    const FixedClock clock{{2006, 6, 4, 17, 21, 0}};
    for (const auto& c : cases) {
        workspace.conversionList().clear();
        workspace.previewList().clear();
        workspace.addFolderRows({pathText("shoot.2020")}, false);
        MacroEditor editor;
        editor.program() = c.program;
        runMacroOverList(workspace, editor, clock);
        if (!c.expected) {
            EXPECT_TRUE(workspace.previewList().empty());
            continue;
        }
        ASSERT_EQ(workspace.previewList().size(), 1u);
        EXPECT_EQ(workspace.previewList()[0].newName, *c.expected);
    }
}

TEST_F(FolderRowsTest, SizeSortPutsFoldersFirstAndSizeSearchPassesThemOver) {
    makeFile("big", std::string(300, 'x'));
    makeFile("small", "x");
    dropPaths({"big", "small"});
    workspace.addFolderRows({pathText("empty"), pathText("album")}, false);
    sortByColumn(workspace, SortColumn::Size);
    EXPECT_EQ(names(), (std::vector<Text>{U"empty", U"album", U"small", U"big"}));
    sizeSearch(workspace, SizeSearch{U"0", SizeSearch::Bytes, SizeSearch::AtLeast, false});
    std::vector<bool> hits;
    for (const auto& row : workspace.conversionList()) hits.push_back(row.selected);
    EXPECT_EQ(hits, (std::vector<bool>{false, false, true, true}));
}

TEST_F(FolderRowsTest, RenamedFolderStaysAFolderRowAndUndoes) {
    workspace.addFolderRows({pathText("shoot.2020")}, false);
    previewWith(AddTextSettings{U"_x", AddTextMode::AtEnd, 1, {}, false});
    execute(workspace);
    EXPECT_EQ(dialogs.messages.back(), U"正常終了");
    EXPECT_TRUE(exists("shoot.2020_x/raw/deep/x"));
    ASSERT_EQ(workspace.conversionList().size(), 1u);
    EXPECT_TRUE(workspace.conversionList()[0].isFolder());
    EXPECT_EQ(workspace.conversionList()[0].extension(), U"");
    undo(workspace);
    EXPECT_EQ(names(), std::vector<Text>{U"shoot.2020"});
    EXPECT_EQ(workspace.conversionList()[0].extension(), U"");
    EXPECT_TRUE(exists("shoot.2020/raw/deep/x"));
    EXPECT_FALSE(exists("shoot.2020_x"));
}

}  // namespace
}  // namespace vartel

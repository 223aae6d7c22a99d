#include "runs/macro_run.h"

#include <gtest/gtest.h>

#include "../support/list_rows.h"
#include "../support/macro_builder.h"
#include "../support/workspace_fixture.h"
#include "common/error.h"
#include "common/integer_text.h"
#include "common/name_parts.h"

namespace vartel {
namespace {

class MacroRunTest : public WorkspaceTest {
  protected:
    void rows(std::initializer_list<Text> names) {
        for (const auto& name : names) {
            workspace.conversionList().push_back(rowAt(U"/dir.d/" + name));
        }
    }
    MacroEditor editor;
    FixedClock clock{{2006, 6, 4, 17, 21, 0}};
};

TEST_F(MacroRunTest, AnEmptyMacroMovesOnlyRowsWithoutExtension) {
    rows({U"a.txt", U"noext", U".hidden", U"b.c.d"});
    runMacroOverList(workspace, editor, clock);
    EXPECT_EQ(names(), (std::vector<Text>{U"a.txt", U".hidden", U"b.c.d"}));
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"noext."}));
    EXPECT_EQ(workspace.status().previewCount, U"変換候補数： 1");
}

TEST_F(MacroRunTest, PersistentVariablesCarryOverAndPerFileOnesRestartEveryRow) {
    rows({U"a.txt", U"skip.txt", U"b.txt", U"c.txt"});
    workspace.conversionList()[1].checked = false;
    editor.program() = programOf({
        typedLine(U"文字２", U"代入", U"文字", U"ファイル名"),
        typedLine(U"ファイル名", U"代入", U"文字", U"固定文字１"),
        typedLine(U"固定文字１", U"代入", U"文字", U"文字２"),
        typedLine(U"拡張子", U"代入", U"文字", U"文字１"),
        typedLine(U"文字１", U"代入", U"文字", U"changed"),
    });
    editor.program().setInitialValue(49, U"start");  // 固定文字１
    editor.program().setInitialValue(33, U"t");      // 文字１
    runMacroOverList(workspace, editor, clock);
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"start.t", U"a.t", U"b.t"}));
    EXPECT_EQ(names(), (std::vector<Text>{U"skip.txt"}));
    workspace.conversionList()[0].checked = true;
    runMacroOverList(workspace, editor, clock);
    ASSERT_EQ(previewNames().size(), 4u);
    EXPECT_EQ(previewNames().back(), U"start.t");
}

TEST_F(MacroRunTest, AbortStopsALongRunOfOneRowBetweenLines) {
    rows({U"only.txt"});
    std::vector<MacroLine> lines(500,
                                 typedLine(U"固定数値１", U"数値演算", U"＋", U"固定数値１", U"1"));
    lines.push_back(typedLine(U"ファイル名", U"代入", U"文字", U"renamed"));
    editor.program() = programOf(lines);
    pump.abortAt = 20;
    runMacroOverList(workspace, editor, clock);
    EXPECT_TRUE(previewNames().empty());
    EXPECT_EQ(names(), std::vector<Text>{U"only.txt"});
    EXPECT_LT(parseInteger(editor.store().slot(17)).value_or(-1), 500);
    EXPECT_FALSE(workspace.busy());
}

TEST_F(MacroRunTest, AFailingRowStopsTheRunAndLeavesTheBusyState) {
    rows({U"1.txt", U"x.txt", U"3.txt"});
    editor.program() = programOf({
        typedLine(U"", U"条件処理", U"＝", U"ファイル名", U"x"),
        typedLine(U"", U"条件処理", U"条件開始"),
        typedLine(U"数値１", U"数値演算", U"＋", U"数値２", U"1"),
        typedLine(U"", U"条件処理", U"条件終了"),
        typedLine(U"拡張子", U"代入", U"文字", U"new"),
    });
    editor.program().setInitialValue(2, U"not a number");  // 数値２
    EXPECT_THROW(runMacroOverList(workspace, editor, clock), VartelError);
    EXPECT_FALSE(workspace.busy());
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"1.new"}));
    EXPECT_EQ(names(), (std::vector<Text>{U"x.txt", U"3.txt"}));
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 2");
}

}  // namespace
}  // namespace vartel

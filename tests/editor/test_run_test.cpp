#include "editor/test_run.h"

#include <gtest/gtest.h>

#include "../support/macro_builder.h"
#include "../support/scripted_dialogs.h"
#include "common/error.h"

namespace vartel {
namespace {

class NoFiles : public CheckedFileCount {
  public:
    int checkedFileCount() const override { return 0; }
};

class TestRunTest : public ::testing::Test {
  protected:
    std::optional<Text> run(const TestSample& sample) {
        return testRun(editor, sample, {dialogs, clock, files}, trace);
    }
    MacroEditor editor;
    ScriptedDialogs dialogs;
    FixedClock clock{{2024, 5, 6, 7, 8, 9}};
    NoFiles files;
    std::vector<TraceRow> trace{TraceRow{}};
};

TEST_F(TestRunTest, EveryTestStartsFromTheTables) {
    editor.program() = programOf({
        typedLine(U"固定数値１", U"数値演算", U"＋", U"固定数値１", U"1"),
        typedLine(U"文字１", U"変換", U"数値→文字", U"固定数値１"),
        typedLine(U"ファイル名", U"文字出力", U"結合", U"ファイル名", U"文字１"),
    });
    editor.program().setInitialValue(17, U"41");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(run({U"n", U"e", U""}), std::optional<Text>(U"n42.e"));
        ASSERT_EQ(trace.size(), 3u);
        EXPECT_EQ(trace[2].output, U"n42");
    }
}

TEST_F(TestRunTest, AFailureKeepsTheTraceBeforeIt) {
    editor.program() = programOf({
        typedLine(U"文字１", U"代入", U"文字", U"x"),
        typedLine(U"数値１", U"変換", U"文字→数値", U"文字１"),
    });
    EXPECT_THROW(run({U"n", U"e", U""}), VartelError);
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(trace[0].output, U"x");
}

}  // namespace
}  // namespace vartel

#include "editor/line_entry.h"

#include <gtest/gtest.h>

#include "../support/macro_builder.h"
#include "../support/scripted_dialogs.h"
#include "editor/initial_value_entry.h"
#include "editor/messages.h"

namespace vartel {
namespace {

using editor_messages::kKindTypeWrong;
using editor_messages::kNoInsertPosition;
using editor_messages::kNoModifyPosition;

LineInput typed(const Text& target, int kind, std::optional<int> type, const Text& a = {},
                const Text& b = {}, const Text& c = {}) {
    return {target, {a, b, c}, kind, type};
}

std::vector<Text> typeNames(const MacroProgram& program) {
    std::vector<Text> result;
    for (const auto& line : program.lines()) result.push_back(line.display.type);
    return result;
}

class LineEntryTest : public ::testing::Test {
  protected:
    // Five comment lines whose first operand names them L1..L5.
    LineEntryTest() {
        for (const Text name : {U"L1", U"L2", U"L3", U"L4", U"L5"})
            editor.program().appendLine(typedLine(U"", U"情報", U"コメント", name));
    }
    MacroEditor editor;
    ScriptedDialogs dialogs;
};

TEST_F(LineEntryTest, ConditionAndLoopLinesBringTheirBlockStart) {
    struct Case {
        LineInput input;
        std::vector<MacroLine> appended;
    };
    const Case cases[] = {
        {typed(U"", kKindCondition, 2, U"数値１", U"3"),
         {typedLine(U"", U"条件処理", U"＞", U"数値１", U"3"),
          typedLine(U"", U"条件処理", U"条件開始")}},
        {typed(U"", kKindCondition, 3), {typedLine(U"", U"条件処理", U"条件終了")}},
        {typed(U"", kKindLoop, 0, U"文字１", U"abc"),
         {typedLine(U"", U"繰り返し", U"＝", U"文字１", U"abc"),
          typedLine(U"", U"繰り返し", U"繰り返し開始")}},
        {typed(U"", kKindLoop, 3), {typedLine(U"", U"繰り返し", U"繰り返し終了")}},
        {typed(U"数値１", kKindAssign, 0, U"$1F"),
         {typedLine(U"数値１", U"代入", U"数値", U"$1F")}},
    };
    for (const auto& c : cases) {
        MacroEditor fresh;
        fresh.input() = c.input;
        ASSERT_TRUE(addLine(fresh, dialogs));
        EXPECT_EQ(fresh.program().lines(), c.appended);
        EXPECT_EQ(fresh.input(), LineInput{});
    }
    EXPECT_TRUE(dialogs.messages.empty());
    // The block-start line carries the type index no chooser offers.
    MacroEditor loop;
    loop.input() = cases[2].input;
    addLine(loop, dialogs);
    EXPECT_EQ(loop.program().line(1).coded, CodedRow(0, {kKindLoop, 4}, 0, 0, 0));
}

TEST_F(LineEntryTest, RefusedLinesChangeNothingAndKeepTheInput) {
    const LineInput refused[] = {
        typed(U"文字１", kKindAssign, 0, U"5"),  // a number needs a numeric target
        typed(U"数値", kKindAssign, 1, U"abc"),  // the target names no variable
        typed(U"", kKindJump, 0, U"数値１"),     // a label is a numeric literal
        typed(U"", kKindCondition, 0, U"数値１", U"abc"),
        typed(U"文字１", kKindAssign, std::nullopt, U"a"),  // no type chosen
        {U"文字１", {U"a"}, std::nullopt, std::nullopt},
    };
    for (const auto& input : refused) {
        for (const bool insert : {false, true}) {
            editor.input() = input;
            dialogs.messages.clear();
            EXPECT_FALSE(insert ? insertLine(editor, {}, dialogs) : addLine(editor, dialogs));
            // The line is refused before the selection is looked at.
            EXPECT_EQ(dialogs.messages, std::vector<Text>{kKindTypeWrong});
            EXPECT_EQ(editor.input(), input);
            EXPECT_EQ(editor.program().lineCount(), 5);
        }
    }
}

TEST_F(LineEntryTest, AVariableTypedWithHalfWidthDigitsIsNamedInTheRefusal) {
    struct Case {
        LineInput input;
        Text message;  // empty: the line is taken
    };
    const Case cases[] = {
        {typed(U"数値1", kKindAssign, 0, U"5"),
         U"代入変数の「数値1」は変数になりません。変数の番号は全角数字で入力してください（数値１"
         U"）"},
        {typed(U"", kKindCondition, 2, U"数値１", U"数値12"),
         U"第二関数の「数値12」は変数になりません。変数の番号は全角数字で入力してください（数値１２"
         U"）"},
        // Where a text may stand, "数値1" is that text.
        {typed(U"文字１", kKindAssign, 1, U"数値1"), U""},
        // Full-width digits would not help: the target holds text, not a number.
        {typed(U"文字１", kKindAssign, 0, U"文字1"), kKindTypeWrong},
        {typed(U"数値1", kKindAssign, std::nullopt, U"5"), kKindTypeWrong},
    };
    for (const auto& c : cases) {
        MacroEditor fresh;
        fresh.input() = c.input;
        dialogs.messages.clear();
        EXPECT_EQ(addLine(fresh, dialogs), c.message.empty());
        EXPECT_EQ(dialogs.messages,
                  c.message.empty() ? std::vector<Text>{} : std::vector<Text>{c.message});
        // The modify dialog refuses in the same words.
        if (c.message.empty()) continue;
        dialogs.messages.clear();
        EXPECT_FALSE(modifyLine(editor, 0, c.input, dialogs));
        EXPECT_EQ(dialogs.messages, std::vector<Text>{c.message});
    }
}

TEST_F(LineEntryTest, TextsWithLineBreaksAreRefusedWhereverTheyAreTyped) {
    // Each would write extra lines into the macro file and change its meaning on loading.
    const LineInput refused[] = {
        typed(U"文字１", kKindAssign, 1, U"a\n[So2]"),
        typed(U"文字１", kKindAssign, 1, U"a\rb"),
        typed(U"文字１\n", kKindAssign, 1, U"a"),
        typed(U"", kKindAssign, 1, U"a", U"", U"\r\n"),
    };
    const auto before = editor.program().lines();
    for (const auto& input : refused) {
        editor.input() = input;
        dialogs.messages.clear();
        EXPECT_FALSE(addLine(editor, dialogs));
        EXPECT_FALSE(insertLine(editor, {0}, dialogs));
        EXPECT_FALSE(modifyLine(editor, 0, input, dialogs));
        EXPECT_EQ(dialogs.messages, std::vector<Text>(3, U"改行を含む文字列は入力できません"));
        EXPECT_EQ(editor.program().lines(), before);
    }
    EXPECT_FALSE(enterInitialValue(editor, 33, U"x\r\nStr1=y", dialogs));
    EXPECT_EQ(dialogs.messages.back(), U"改行を含む文字列は入力できません");
    EXPECT_TRUE(enterInitialValue(editor, 34, U" kept ", dialogs));
    EXPECT_EQ(editor.program().initialValue(33), MacroProgram().initialValue(33));
    EXPECT_EQ(editor.program().initialValue(34), U" kept ");
}

TEST_F(LineEntryTest, InsertNeedsExactlyOneSelectedLine) {
    const LineInput input = typed(U"", kKindInformation, 2, U"new");
    for (const auto& selection :
         {std::vector<int>{}, std::vector<int>{0, 1}, std::vector<int>{7}}) {
        editor.input() = input;
        dialogs.messages.clear();
        EXPECT_FALSE(insertLine(editor, selection, dialogs));
        EXPECT_EQ(dialogs.messages, std::vector<Text>{kNoInsertPosition});
        EXPECT_EQ(editor.input(), input);
        EXPECT_EQ(editor.program().lineCount(), 5);
    }
    ASSERT_TRUE(insertLine(editor, {0}, dialogs));
    EXPECT_EQ(editor.program().line(0).display.operands[0], U"new");
    EXPECT_EQ(editor.program().line(1).display.operands[0], U"L1");
    editor.input() = typed(U"", kKindCondition, 1, U"1", U"2");
    ASSERT_TRUE(insertLine(editor, {5}, dialogs));
    EXPECT_EQ(typeNames(editor.program())[5], U"＜＞");
    EXPECT_EQ(typeNames(editor.program())[6], U"条件開始");
    EXPECT_EQ(editor.program().line(7).display.operands[0], U"L5");
}

TEST_F(LineEntryTest, ModifyReplacesTheLineAtItsIndex) {
    struct Case {
        LineInput input;
        std::vector<Text> types;
    };
    const Case cases[] = {
        {typed(U"文字１", kKindAssign, 1, U"x"),
         {U"コメント", U"コメント", U"文字", U"コメント", U"コメント"}},
        {typed(U"", kKindLoop, 2, U"数値１", U"3"),
         {U"コメント", U"コメント", U"＞", U"繰り返し開始", U"コメント", U"コメント"}},
    };
    for (const auto& c : cases) {
        MacroEditor fresh = editor;
        ASSERT_TRUE(beginModify(fresh, {2}, dialogs));
        ASSERT_TRUE(modifyLine(fresh, 2, c.input, dialogs));
        ASSERT_EQ(typeNames(fresh.program()), c.types);
        EXPECT_EQ(fresh.program().line(1).display.operands[0], U"L2");
        EXPECT_EQ(fresh.program().lines().back().display.operands[0], U"L5");
    }
}

TEST_F(LineEntryTest, TheOldBlockStartStaysBelowANewCondition) {
    MacroEditor block;
    block.program() = programOf({typedLine(U"", U"条件処理", U"＝", U"1", U"1"),
                                 typedLine(U"", U"条件処理", U"条件開始"),
                                 typedLine(U"", U"条件処理", U"条件終了")});
    ASSERT_TRUE(modifyLine(block, 0, typed(U"", kKindCondition, 2, U"2", U"1"), dialogs));
    EXPECT_EQ(typeNames(block.program()),
              (std::vector<Text>{U"＞", U"条件開始", U"条件開始", U"条件終了"}));
}

TEST_F(LineEntryTest, ModifyStartsFromTheLineAsShown) {
    editor.program().appendLine(
        typedLine(U"文字１", U"置換処理", U"区別なし", U"ファイル名", U"a", U"b"));
    editor.program().appendLine(typedLine(U"", U"繰り返し", U"繰り返し開始"));
    editor.input() = typed(U"x", kKindAssign, 0);

    const auto request = beginModify(editor, {5}, dialogs);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->index, 5);
    EXPECT_EQ(request->input, typed(U"文字１", kKindReplace, 1, U"ファイル名", U"a", U"b"));
    EXPECT_EQ(editor.input(), LineInput{});

    // The block-start type is offered by no chooser: the dialog opens without a type, and
    // pressing "修正" then is refused.
    const auto start = beginModify(editor, {6}, dialogs);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->input.kind, std::optional<int>(kKindLoop));
    EXPECT_EQ(start->input.type, std::nullopt);
    EXPECT_FALSE(modifyLine(editor, 6, start->input, dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<Text>{kKindTypeWrong});
    EXPECT_EQ(editor.program().lineCount(), 7);

    dialogs.messages.clear();
    for (const auto& selection : {std::vector<int>{}, std::vector<int>{1, 2}})
        EXPECT_FALSE(beginModify(editor, selection, dialogs));
    EXPECT_EQ(dialogs.messages, (std::vector<Text>{kNoModifyPosition, kNoModifyPosition}));
}

}  // namespace
}  // namespace vartel

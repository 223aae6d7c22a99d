#include "macro/macro_interpreter.h"

#include <gtest/gtest.h>

#include "../support/macro_builder.h"
#include "../support/scripted_dialogs.h"
#include "common/error.h"
#include "common/integer_text.h"
#include "macro/messages.h"

namespace vartel {
namespace {

class FixedCount : public CheckedFileCount {
  public:
    int checkedFileCount() const override { return 3; }
};

// Runs programs the way the test window does: all variables from their tables, then runMacro.
class InterpreterTest : public ::testing::Test {
  protected:
    std::optional<Text> run(const MacroProgram& program, const Text& name = U"abc",
                            const Text& extension = U"txt") {
        store.loadAll(program.tables());
        trace.clear();
        MacroInterpreter interpreter(program, store, table, {dialogs, clock, count});
        return interpreter.runMacro(name, extension, U"/tmp/abc.txt", &trace);
    }
    Text failureOf(const MacroProgram& program) {
        try {
            run(program);
        } catch (const VartelError& failure) {
            return failure.message();
        }
        return U"(no failure)";
    }

    VariableStore store;
    MultiConditionTable table;
    ScriptedDialogs dialogs;
    FixedClock clock{{2006, 6, 4, 17, 21, 0}};
    FixedCount count;
    std::vector<TraceRow> trace;
};

MacroLine assignText(const Text& target, const Text& value) {
    return typedLine(target, U"代入", U"文字", value);
}
MacroLine add(const Text& target, const Text& a, const Text& b) {
    return typedLine(target, U"数値演算", U"＋", a, b);
}

TEST_F(InterpreterTest, EmptyMacroKeepsNameAndAlwaysWritesTheDot) {
    EXPECT_EQ(run(MacroProgram()), U"abc.txt");
    EXPECT_EQ(run(MacroProgram(), U"abc", U""), U"abc.");
    EXPECT_TRUE(trace.empty());
}

TEST_F(InterpreterTest, ResolvesOperandsByCode) {
    auto program = programOf({
        typedLine(U"数値１", U"代入", U"数値", U"$1F"),
        typedLine(U"文字１", U"代入", U"文字", U"数値１"),  // a numeric variable has no text
        typedLine(U"文字２", U"代入", U"文字", U"ファイル名"),
        typedLine(U"数値２", U"代入", U"数値", U"固定数値３"),
        typedLine(U"", U"情報", U"コメント", U"any", U"12", U"拡張子"),
    });
    program.setInitialValue(19, U" 12");
    ASSERT_EQ(run(program), U"abc.txt");
    EXPECT_EQ(store.slot(1), U"31");
    EXPECT_EQ(store.slot(33), U"");
    EXPECT_EQ(store.slot(34), U"abc");
    EXPECT_EQ(store.slot(2), U"12");
    ASSERT_EQ(trace.size(), 5u);
    EXPECT_EQ(trace[1].operandTexts[0], U"");
    EXPECT_EQ(trace[1].operandNumbers[0], 31);
    // A numeric literal has both a text and a number; a text operand has the number 0.
    EXPECT_EQ(trace[4].operandTexts, (std::array<Text, 3>{U"any", U"12", U"txt"}));
    EXPECT_EQ(trace[4].operandNumbers, (std::array<std::int32_t, 3>{0, 12, 0}));
    EXPECT_EQ(trace[4].output, U"");
    EXPECT_EQ(trace[4].number, 5);
}

TEST_F(InterpreterTest, ArithmeticWrapsAndDivisionFailsCleanly) {
    struct Case {
        Text type, a, b, expected;
    };
    const Case cases[] = {
        {U"＋", U"2147483647", U"1", U"-2147483648"},
        {U"－", U"-2147483648", U"1", U"2147483647"},
        {U"＊", U"65536", U"65536", U"0"},
        {U"＊", U"-3", U"4", U"-12"},
        {U"／", U"8", U"3", U"2"},
        {U"／", U"-7", U"2", U"-3"},
        {U"／", U"-2147483648", U"1", U"-2147483648"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(run(programOf({typedLine(U"数値１", U"数値演算", c.type, c.a, c.b)})));
        EXPECT_EQ(store.slot(1), c.expected) << bytesFromText(c.a + c.type + c.b);
    }
    EXPECT_EQ(failureOf(programOf({typedLine(U"数値１", U"数値演算", U"／", U"5", U"0")})),
              messages::kDivisionByZero);
    EXPECT_EQ(
        failureOf(programOf({typedLine(U"数値１", U"数値演算", U"／", U"-2147483648", U"-1")})),
        messages::kDivisionOverflow);
}

TEST_F(InterpreterTest, NonIntegerTextsStopTheRunWithTheConversionMessage) {
    auto bad = programOf({assignText(U"文字１", U"before"),
                          typedLine(U"数値１", U"代入", U"数値", U"数値２"),
                          assignText(U"文字２", U"after")});
    bad.setInitialValue(2, U"12a");
    EXPECT_EQ(failureOf(bad), U"'12a' is not a valid integer value");
    EXPECT_EQ(store.slot(33), U"before");  // written before the stop, kept
    EXPECT_EQ(store.slot(34), U"0");       // never reached

    MacroProgram coded;
    coded.appendLine({{}, CodedRow({U"0", U"x7", U"0", U"0", U"0", U"0"})});  // hex is fine
    coded.appendLine({{}, CodedRow({U"0", U"6", U"2", U"abc", U"0", U"0"})});
    EXPECT_EQ(failureOf(coded), U"'abc' is not a valid integer value");
    EXPECT_EQ(trace.size(), 1u);

    MacroProgram beyond;
    beyond.appendLine({{}, CodedRow(0, {0, 1}, 67, 0, 0)});
    EXPECT_NE(failureOf(beyond), U"(no failure)");
}

TEST_F(InterpreterTest, UnknownKindsAndTypesDoNothing) {
    MacroProgram program;
    program.appendLine({{}, CodedRow(33, {15, 0}, -2, 0, 0)});
    program.appendLine({{}, CodedRow(33, {0, 9}, -2, 0, 0)});
    program.appendLine({{}, CodedRow(33, {-1, 0}, -2, 0, 0)});
    EXPECT_EQ(run(program), U"abc.txt");
    EXPECT_EQ(store.slot(33), U"0");
    EXPECT_EQ(trace.size(), 3u);
}

TEST_F(InterpreterTest, JumpsGoToTheFirstMatchingAnchorByLabelText) {
    auto program = programOf({
        typedLine(U"", U"ジャンプ", U"ジャンプ", U"1"),
        assignText(U"文字１", U"skipped"),
        typedLine(U"", U"ジャンプ", U"アンカー", U"01"),  // 01 is not the label 1
        assignText(U"文字２", U"skipped"),
        typedLine(U"", U"ジャンプ", U"アンカー", U"1"),
        assignText(U"文字３", U"reached"),
        typedLine(U"", U"ジャンプ", U"アンカー", U"1"),
    });
    ASSERT_TRUE(run(program));
    EXPECT_EQ(store.slot(33), U"0");
    EXPECT_EQ(store.slot(34), U"0");
    EXPECT_EQ(store.slot(35), U"reached");
    std::vector<int> numbers;
    for (const auto& row : trace) numbers.push_back(row.number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 5, 6, 7}));
}

TEST_F(InterpreterTest, JumpWithoutAnchorContinuesWithTheLastLine) {
    ASSERT_TRUE(
        run(programOf({typedLine(U"", U"ジャンプ", U"ジャンプ", U"9"),
                       assignText(U"文字１", U"skipped"), assignText(U"文字２", U"last")})));
    EXPECT_EQ(store.slot(33), U"0");
    EXPECT_EQ(store.slot(34), U"last");
}

TEST_F(InterpreterTest, JumpGuardAsksAtThe51stJumpAndNoStartsCountingAgain) {
    // A jump on the last line without an anchor repeats itself.
    const auto program = programOf(
        {add(U"数値１", U"数値１", U"1"), typedLine(U"", U"ジャンプ", U"ジャンプ", U"9")});
    dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(run(program).has_value());
    ASSERT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(dialogs.questions[0], messages::kJumpGuard);
    // The addition once, 50 jumps, the 51st (asked, No), 50 more, the next one asked and stopped.
    EXPECT_EQ(store.slot(1), U"1");
    EXPECT_EQ(trace.size(), 1u + 50u + 1u + 50u);
}

TEST_F(InterpreterTest, ConditionsSkipToTheMatchingEndAcrossNesting) {
    auto program = programOf({
        typedLine(U"", U"条件処理", U"＝", U"文字１", U"x"),
        typedLine(U"", U"条件処理", U"条件開始"),
        typedLine(U"", U"条件処理", U"＞", U"5", U"1"),
        typedLine(U"", U"条件処理", U"条件開始"),
        assignText(U"文字２", U"inner"),
        typedLine(U"", U"条件処理", U"条件終了"),
        assignText(U"文字３", U"outer"),
        typedLine(U"", U"条件処理", U"条件終了"),
        assignText(U"文字４", U"after"),
    });
    ASSERT_TRUE(run(program));
    EXPECT_EQ(store.slot(34), U"0");
    EXPECT_EQ(store.slot(35), U"0");
    EXPECT_EQ(store.slot(36), U"after");
    EXPECT_EQ(trace[1].number, 8);  // the matching end executes next

    program.setInitialValue(33, U"x");
    ASSERT_TRUE(run(program));
    EXPECT_EQ(store.slot(34), U"inner");
    EXPECT_EQ(store.slot(35), U"outer");
}

TEST_F(InterpreterTest, FalseConditionWithoutEndRunsTheLastLine) {
    ASSERT_TRUE(run(programOf({typedLine(U"", U"条件処理", U"＜＞", U"1", U"1"),
                               typedLine(U"", U"条件処理", U"条件開始"),
                               assignText(U"文字１", U"middle"), assignText(U"文字２", U"last")})));
    EXPECT_EQ(store.slot(33), U"0");
    EXPECT_EQ(store.slot(34), U"last");
}

TEST_F(InterpreterTest, TheFirstOperandsClassChoosesTheComparison) {
    const auto compare = [&](const Text& type, const Text& a, const Text& b, const Text& text1) {
        auto program = programOf(
            {typedLine(U"", U"条件処理", type, a, b), typedLine(U"", U"条件処理", U"条件開始"),
             assignText(U"文字２", U"taken"), typedLine(U"", U"条件処理", U"条件終了")});
        program.setInitialValue(33, text1);
        run(program);
        return store.slot(34) == U"taken";
    };
    EXPECT_FALSE(compare(U"＝", U"5", U"文字１", U"5"));  // numbers: 5 against 0
    EXPECT_TRUE(compare(U"＝", U"文字１", U"5", U"5"));   // texts: "5" against "5"
    EXPECT_TRUE(compare(U"＝", U"文字１", U"abc", U"abc"));
    EXPECT_FALSE(compare(U"＝", U"文字１", U"ABC", U"abc"));
    EXPECT_TRUE(compare(U"＜＞", U"文字１", U"ABC", U"abc"));
    EXPECT_TRUE(compare(U"＞", U"-1", U"-2", U""));
    EXPECT_FALSE(compare(U"＞", U"-2", U"-1", U""));
    EXPECT_FALSE(compare(U"＞", U"3", U"3", U""));
    EXPECT_TRUE(compare(U"＞", U"文字１", U"99", U"1"));  // not a number: never skips
}

MacroProgram countingLoop(const Text& limit) {
    return programOf({
        typedLine(U"", U"繰り返し", U"＞", limit, U"数値１"),
        typedLine(U"", U"繰り返し", U"繰り返し開始"),
        add(U"数値１", U"数値１", U"1"),
        typedLine(U"", U"繰り返し", U"繰り返し終了"),
        assignText(U"文字１", U"done"),
    });
}

TEST_F(InterpreterTest, LoopsRunUntilTheConditionFailsThenContinueBelowTheEnd) {
    ASSERT_TRUE(run(countingLoop(U"50")));
    EXPECT_EQ(store.slot(1), U"50");
    EXPECT_EQ(store.slot(33), U"done");
    EXPECT_TRUE(dialogs.questions.empty());  // 50 loop-backs ask nothing
}

TEST_F(InterpreterTest, LoopGuardAsksAtThe51stLoopBack) {
    dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(run(countingLoop(U"1000")).has_value());
    EXPECT_EQ(dialogs.questions, (std::vector<Text>{messages::kLoopGuard, messages::kLoopGuard}));
    EXPECT_EQ(store.slot(1), U"102");  // the values written before the stop stay
    EXPECT_EQ(store.slot(33), U"0");

    dialogs.questions.clear();
    dialogs.answers = {Answer::No};
    ASSERT_EQ(run(countingLoop(U"60")), U"abc.txt");
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(store.slot(1), U"60");
}

TEST_F(InterpreterTest, NestedLoopsShareOneLoopBackCount) {
    const auto program = programOf({
        typedLine(U"", U"繰り返し", U"＞", U"6", U"数値１"),
        typedLine(U"", U"繰り返し", U"繰り返し開始"),
        add(U"数値１", U"数値１", U"1"),
        typedLine(U"数値２", U"代入", U"数値", U"0"),
        typedLine(U"", U"繰り返し", U"＜＞", U"数値２", U"8"),
        typedLine(U"", U"繰り返し", U"繰り返し開始"),
        add(U"数値２", U"数値２", U"1"),
        add(U"数値３", U"数値３", U"1"),
        typedLine(U"", U"繰り返し", U"繰り返し終了"),
        typedLine(U"", U"繰り返し", U"繰り返し終了"),
    });
    dialogs.answers = {Answer::No};
    ASSERT_TRUE(run(program));
    EXPECT_EQ(store.slot(3), U"48");
    // 48 inner and 6 outer loop-backs: the 51st of all of them asks.
    EXPECT_EQ(dialogs.questions.size(), 1u);
}

TEST_F(InterpreterTest, FalseLoopWithoutEndEndsTheRun) {
    ASSERT_TRUE(run(programOf({typedLine(U"", U"繰り返し", U"＝", U"1", U"2"),
                               typedLine(U"", U"繰り返し", U"繰り返し開始"),
                               assignText(U"文字１", U"never")})));
    EXPECT_EQ(store.slot(33), U"0");
    EXPECT_EQ(trace.size(), 1u);
}

TEST_F(InterpreterTest, LoopEndWithoutStartFailsWithoutReadingAboveTheFirstLine) {
    const auto message = failureOf(
        programOf({assignText(U"文字１", U"a"), typedLine(U"", U"繰り返し", U"繰り返し終了")}));
    EXPECT_NE(message.find(U"2"), Text::npos);
    EXPECT_NE(message, U"(no failure)");
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(InterpreterTest, TraceNumbersEveryExecutedLine) {
    ASSERT_TRUE(run(programOf({assignText(U"文字１", U"a"), assignText(U"ファイル名", U"new"),
                               assignText(U"拡張子", U"")})));
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0].number, 1);
    EXPECT_EQ(trace[1].output, U"new");
    EXPECT_EQ(trace[2].number, 3);
    EXPECT_EQ(store.slot(kFileNameCode) + U"." + store.slot(kExtensionCode), U"new.");
}

// Stops the run after a number of lines.
class StopAfter : public RunControl {
  public:
    explicit StopAfter(int lines) : left_(lines) {}
    bool keepGoing() override { return left_-- > 0; }

  private:
    int left_;
};

TEST_F(InterpreterTest, TheRunControlStopsTheRunBetweenLines) {
    const MacroProgram program =
        programOf(std::vector<MacroLine>(10, add(U"数値１", U"数値１", U"1")));
    for (const int lines : {0, 3, 10}) {
        StopAfter control(lines);
        store.loadAll(program.tables());
        trace.clear();
        MacroInterpreter interpreter(program, store, table,
                                     {dialogs, clock, count, fileMetadataReader(), &control});
        const auto result = interpreter.runMacro(U"abc", U"txt", U"/tmp/abc.txt", &trace);
        EXPECT_EQ(result.has_value(), lines == 10) << lines;
        EXPECT_EQ(trace.size(), static_cast<std::size_t>(lines));
        EXPECT_EQ(store.slot(1), formatInteger(lines));
    }
}

}  // namespace
}  // namespace vartel

#include <gtest/gtest.h>

#include "../support/scripted_dialogs.h"
#include "operations/character_helpers.h"
#include "recorded_macro_runner.h"
#include "runs/operation_run.h"

namespace vartel {
namespace {

TEST(CharacterHelpersTest, FindPositionFindsTheFirstOccurrenceOrAPartialOneAtTheEnd) {
    struct Case {
        Text pattern;
        Text text;
        bool caseSensitive;
        int position;
    };
    const Case cases[] = {
        {U"ab", U"xaab", true, 3}, {U"", U"abc", true, 0},       {U"b", U"ABC", false, 2},
        {U"b", U"ABC", true, 0},   {U"abx", U"abcab", true, 4},  {U"abc", U"xab", true, 2},
        {U"abc", U"xyz", true, 0}, {U"ｂ", U"ＡＢＣ", false, 2}, {U"x", U"", true, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(findPosition(c.pattern, c.text, c.caseSensitive), c.position)
            << bytesFromText(c.pattern) << " in " << bytesFromText(c.text);
    }
    EXPECT_EQ(characterCount(U"日本語.txt"), 7);
    EXPECT_EQ(characterCount(U""), 0);
}

TEST(RecordingFrameTest, AllocateVariableHandsOutEachClassAndFailsAfterSixteen) {
    RecordedMacroRunner runner(U"a.txt");
    RecordingFrame frame = runner.frame();
    for (int allocationClass = 1; allocationClass <= 4; ++allocationClass) {
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(frame.allocateVariable(allocationClass), (allocationClass - 1) * 16 + i);
        }
        EXPECT_EQ(frame.allocateVariable(allocationClass), -1);
        EXPECT_EQ(frame.allocateVariable(allocationClass), -1);  // stays used up
    }
    for (int anchor = 1; anchor <= 40; ++anchor)
        EXPECT_EQ(frame.allocateVariable(kAllocAnchor), anchor);

    // A closed step frees the per-file classes only.
    frame.closeStep(U"追加", U"x");
    EXPECT_EQ(frame.allocateVariable(kAllocNumber), 0);
    EXPECT_EQ(frame.allocateVariable(kAllocText), 32);
    EXPECT_EQ(frame.allocateVariable(kAllocFixedNumber), -1);
    EXPECT_EQ(frame.allocateVariable(kAllocFixedText), -1);
    EXPECT_EQ(frame.allocateVariable(kAllocAnchor), 41);
}

class RefusedStepTest : public ::testing::Test {
  protected:
    // Runs the operation as "プレビュー" does while recording; whether a step was recorded.
    bool run(const OperationSettings& operation) {
        RecordingFrame frame = runner.frame();
        const bool recorded = runOperation(workspace, frame, operation);
        EXPECT_FALSE(workspace.busy());
        return recorded;
    }

    RecordedMacroRunner runner{U"photo_ab.txt"};
    ScriptedDialogs dialogs;
    NoPump pump;
    Workspace workspace{dialogs, pump};
};

TEST_F(RefusedStepTest, SeventeenthNumberVariableInAStepRefusesTheWholeStep) {
    RecordingFrame frame = runner.frame();
    for (int i = 0; i < 15; ++i) frame.allocateVariable(kAllocNumber);
    const auto lines = runner.state.macro;
    // Needs the 16th and the 17th.
    EXPECT_FALSE(run(AddTextSettings{U"T", AddTextMode::AfterA, 1, U"o", false}));
    EXPECT_EQ(dialogs.messages, std::vector<Text>{U"使える変数がありません"});
    EXPECT_EQ(runner.state.macro, lines);
    EXPECT_TRUE(runner.state.steps.empty());
    EXPECT_EQ(runner.state.sampleName(), U"photo_ab.txt");
    // Still used up until a step completes; a step that needs nothing does so.
    EXPECT_FALSE(run(DeleteSettings{DeleteMode::FromEnd, 1, 1, {}, {}, false}));
    EXPECT_TRUE(run(AddTextSettings{U"T", AddTextMode::AtStart, 1, {}, false}));
    EXPECT_TRUE(run(AddTextSettings{U"T", AddTextMode::AfterA, 1, U"o", false}));
    EXPECT_EQ(runner.state.macro[2].display.target, U"数値１");
}

TEST_F(RefusedStepTest, SeventeenthNumberingStepOfARecordingIsRefused) {
    const NumberingSettings numbering{NumberingForm::AtEnd, 3, 1, false, {}, {}, 1, false};
    for (int step = 0; step < 16; ++step) ASSERT_TRUE(run(numbering));
    EXPECT_EQ(runner.editorProgram.initialValue(32), U"3");
    const auto lines = runner.state.macro;
    NumberingSettings seventeenth = numbering;
    seventeenth.start = 99;
    EXPECT_FALSE(run(seventeenth));
    EXPECT_EQ(runner.state.macro, lines);
    EXPECT_EQ(runner.state.steps.size(), 16u);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    for (int code = 1; code <= 64; ++code)
        EXPECT_NE(runner.editorProgram.initialValue(code), U"99");
}

TEST_F(RefusedStepTest, AnchorNumbersRiseAcrossStepsAndRestartWithTheRecording) {
    const AddTextSettings before{U"T", AddTextMode::BeforeA, 1, U"o", false};
    const auto anchors = [&] {
        std::vector<Text> found;
        for (const auto& line : runner.state.macro) {
            if (line.display.type == U"アンカー") found.push_back(line.display.operands[0]);
        }
        return found;
    };
    ASSERT_TRUE(run(before));
    ASSERT_TRUE(run(NumberingSettings{NumberingForm::BeforeA, 1, 1, false, U"o", {}, 1, false}));
    ASSERT_TRUE(run(before));
    EXPECT_EQ(anchors(), (std::vector<Text>{U"1", U"2", U"3"}));
    runner.state.restart(U"photo_ab.txt");
    ASSERT_TRUE(run(before));
    EXPECT_EQ(anchors(), std::vector<Text>{U"1"});
}

}  // namespace
}  // namespace vartel

#include "runs/operation_run.h"

#include <gtest/gtest.h>

#include "../operations/recorded_macro_runner.h"
#include "../support/list_rows.h"
#include "../support/scripted_dialogs.h"
#include "common/error.h"
#include "common/integer_text.h"
#include "recording/recorder.h"
#include "runs/macro_run.h"

namespace vartel {
namespace {

class RunOperationTest : public ::testing::Test {
  protected:
    void addRows(const std::vector<Text>& names, const Text& folder = U"/f") {
        for (const auto& name : names)
            workspace.conversionList().push_back(rowAt(folder + U"/" + name));
    }
    std::vector<Text> previewNames() const {
        std::vector<Text> names;
        for (const auto& row : workspace.previewList()) names.push_back(row.newName);
        return names;
    }
    // The new name the list path gives one row, or the name itself when it stays.
    Text newName(const Text& name, const OperationSettings& operation) {
        workspace.conversionList().clear();
        workspace.previewList().clear();
        addRows({name});
        runOperation(workspace, frame, operation);
        return workspace.previewList().empty() ? name : workspace.previewList()[0].newName;
    }

    ScriptedDialogs dialogs;
    NoPump pump;
    Workspace workspace{dialogs, pump};
    RecordingState recording;  // off unless a test turns it on
    MacroProgram editorProgram;
    RecordingFrame frame{recording, editorProgram};
};

TEST_F(RunOperationTest, ListPathEdgeCases) {
    using AM = AddTextMode;
    using DM = DeleteMode;
    using RR = ReplaceRange;
    using RK = ReplaceKind;
    using NF = NumberingForm;
    using EM = ExtensionMode;
    struct Case {
        Text name;
        OperationSettings operation;
        Text expected;
    };
    const Case cases[] = {
        {U"photo.jpg", AddTextSettings{U"T", AM::AtStart, 1, {}, false}, U"Tphoto.jpg"},
        {U"photo", AddTextSettings{U"T", AM::AtEnd, 1, {}, false}, U"photoT"},
        {U".bashrc", AddTextSettings{U"T", AM::AfterNth, 2, {}, false}, U"T.bashrc"},
        {U"photo_ab.jpg", AddTextSettings{U"T", AM::BeforeA, 1, U"abc", false}, U"photo_Tab.jpg"},
        {U"photo_ab.jpg", AddTextSettings{U"T", AM::AfterA, 1, U"abc", false}, U"photo_abT.jpg"},
        {U"aXbx.x", AddTextSettings{U"T", AM::AfterA, 1, U"x", false}, U"aXTbx.x"},
        {U"aXbx.x", AddTextSettings{U"T", AM::AfterA, 1, U"x", true}, U"aXbxT.x"},
        {U"ab.x", AddTextSettings{U"T", AM::BeforeA, 1, U"x", true}, U"Tab.x"},
        {U"abc.txt", DeleteSettings{DM::FromStart, 1, 3, {}, {}, false}, U".txt"},
        {U"abc.txt", DeleteSettings{DM::FromEnd, 1, 4, {}, {}, false}, U"abc.txt"},
        {U"abc.txt", DeleteSettings{DM::FromEnd, 1, 3, {}, {}, false}, U".txt"},
        {U"abcd", DeleteSettings{DM::FromNth, 3, 9, {}, {}, false}, U"ab"},
        {U"aAaXa.a", DeleteSettings{DM::TextA, 1, 1, U"a", {}, false}, U"X.a"},
        {U"ab[x]cd.e", DeleteSettings{DM::AToB, 1, 1, U"[", U"]", false}, U"abcd.e"},
        // B missing: nothing is deleted, as when A is missing.
        {U"xab.e", DeleteSettings{DM::AToB, 1, 1, U"a", U"zzzz", false}, U"xab.e"},
        {U"b]a[c", DeleteSettings{DM::AToB, 1, 1, U"[", U"]", false}, U"b]a[c"},
        {U"aaa", ReplaceSettings{RR::Whole, RK::Replace, U"aa", U"x", 1, 1, false}, U"xa"},
        {U"aba", ReplaceSettings{RR::Whole, RK::Replace, U"a", U"aa", 1, 1, false}, U"aabaa"},
        {U"ABCabc", ReplaceSettings{RR::Whole, RK::Replace, U"b", U"x", 1, 1, false}, U"AxCaxc"},
        {U"ABCabc", ReplaceSettings{RR::Whole, RK::Replace, U"b", U"x", 1, 1, true}, U"ABCaxc"},
        {U"abcd", ReplaceSettings{RR::FirstC, RK::Replace, U"bc", U"x", 1, 2, false}, U"abcd"},
        {U"AbC.TXT", ReplaceSettings{RR::Whole, RK::ToLower, {}, {}, 1, 1, false}, U"abc.TXT"},
        {U"abcd.e", ReplaceSettings{RR::LastC, RK::ToUpper, {}, {}, 1, 9, false}, U"ABCD.e"},
        {U"abcd.e", ReplaceSettings{RR::CFromNth, RK::ToUpper, {}, {}, 3, 9, false}, U"abCD.e"},
        {U"abcd.e", ReplaceSettings{RR::CFromNth, RK::ToUpper, {}, {}, 5, 9, false}, U"abcd.e"},
        {U"ａｂ.e", ReplaceSettings{RR::Whole, RK::ToUpper, {}, {}, 1, 1, false}, U"ＡＢ.e"},
        {U"x.jpg", NumberingSettings{NF::AThenNumberThenB, 7, 1, false, {}, {}, 1, false},
         U"7.jpg"},
        {U"ABCabc", NumberingSettings{NF::BeforeA, 5, 1, false, U"c", {}, 1, false}, U"AB5Cabc"},
        {U"ABCabc", NumberingSettings{NF::AfterA, 5, 1, false, U"c", {}, 1, false}, U"ABC5abc"},
        {U"ABCabc", NumberingSettings{NF::BeforeA, 5, 1, false, U"c", {}, 1, true}, U"ABCab5c"},
        {U"ABCabc", NumberingSettings{NF::AfterA, 5, 1, false, U"", {}, 1, true}, U"5ABCabc"},
        {U"ab.c", NumberingSettings{NF::AfterNth, -5, 1, true, {}, {}, 9, false}, U"ab-5.c"},
        {U"a.txt", ExtensionSettings{EM::Unify, U".txt", 1, 1}, U"a..txt"},
        {U"a.txt", ExtensionSettings{EM::Unify, U"", 1, 1}, U"a"},
        {U"a.b.txt", ExtensionSettings{EM::Unify, U"", 1, 1}, U"a.b"},
        {U"a", ExtensionSettings{EM::AtEnd, U"md", 1, 1}, U"amd"},
        {U"a", ExtensionSettings{EM::DeleteFromNth, {}, 1, 1}, U"a."},
        {U"a.txt", ExtensionSettings{EM::DeleteFromNth, {}, 4, 1}, U"a.txt"},
        {U"a.txt", ExtensionSettings{EM::DeleteFromNth, {}, 1, 9}, U"a."},
        {U"a.txt", ExtensionSettings{EM::AfterNth, U"x", 255, 1}, U"a.txtx"},
        {U".bashrc", ExtensionSettings{EM::AtStart, U"x", 1, 1}, U".xbashrc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(newName(c.name, c.operation), c.expected) << bytesFromText(c.name);
    }
}

TEST_F(RunOperationTest, NumberWidthFollowsTheCountOfCheckedRows) {
    struct Case {
        int files;
        std::int32_t start;
        std::int32_t step;
        Text first;
        Text second;
        Text last;
    };
    const Case cases[] = {
        {9, 1, 1, U"1", U"2", U"9"},
        {10, 1, 1, U"01", U"02", U"10"},
        {100, 1, 1, U"001", U"002", U"100"},
        {12, 5, 10, U"05", U"15", U"115"},
        {3, 2147483647, 1, U"2147483647", U"-2147483648", U"-2147483647"},
        {12, 0, -1, U"00", U"-1", U"-11"},
    };
    for (const auto& c : cases) {
        workspace.conversionList().clear();
        workspace.previewList().clear();
        std::vector<Text> names;
        for (int i = 0; i < c.files; ++i) names.push_back(U"f" + formatInteger(i) + U".txt");
        addRows(names);
        addRows({U"skipped.txt"});
        workspace.conversionList().back().checked = false;
        runOperation(workspace, frame,
                     NumberingSettings{
                         NumberingForm::AThenNumberThenB, c.start, c.step, true, {}, {}, 1, false});
        const auto preview = previewNames();
        ASSERT_EQ(preview.size(), static_cast<std::size_t>(c.files));
        EXPECT_EQ(preview[0], c.first + U".txt");
        EXPECT_EQ(preview[1], c.second + U".txt");
        EXPECT_EQ(preview.back(), c.last + U".txt");
        EXPECT_EQ(workspace.conversionList().size(), 1u);
    }
}

TEST_F(RunOperationTest, UnchangedRowsStayButTakeTheirNumber) {
    addRows({U"1.a", U"x.a", U"3.a"});
    runOperation(workspace, frame,
                 NumberingSettings{NumberingForm::AThenNumberThenB, 1, 1, false, {}, {}, 1, false});
    EXPECT_EQ(previewNames(), std::vector<Text>{U"2.a"});
    EXPECT_EQ(workspace.conversionList().size(), 2u);
    EXPECT_FALSE(workspace.busy());
}

TEST_F(RunOperationTest, RecordingLeavesTheListsAlone) {
    addRows({U"a.txt", U"b.txt"});
    recording.restart(U"x");
    recording.on = true;
    EXPECT_TRUE(runOperation(
        workspace, frame, NumberingSettings{NumberingForm::AtStart, 1, 1, true, {}, {}, 1, false}));
    EXPECT_TRUE(workspace.previewList().empty());
    EXPECT_EQ(workspace.conversionList().size(), 2u);
    // The sample takes the width of the two checked rows.
    EXPECT_EQ(recording.sampleName(), U"1x.");
    EXPECT_FALSE(workspace.busy());
}

// The width a macro run takes from "ファイル数" as it goes: rows that leave the list shrink it.
TEST_F(RunOperationTest, RecordedNumberingTakesItsWidthFromTheFileCountAsItRuns) {
    RecordedMacroRunner runner(U"x.txt");
    RecordingFrame recorded = runner.frame();
    ASSERT_TRUE(
        recordNumbering({NumberingForm::AtStart, 1, 1, true, {}, {}, 1, false}, 10, recorded));
    EXPECT_EQ(runner.run(U"x", U"txt", 10), U"01x.txt");
    EXPECT_EQ(runner.run(U"x", U"txt", 9), U"1x.txt");
}

// The running number of a recorded numbering lives in a fixed variable across the rows of a run.
TEST_F(RunOperationTest, RecordedNumberingOverTheListNumbersAsThePreviewDoes) {
    const NumberingSettings numbering{NumberingForm::AfterA, 3, 2, false, U"_", {}, 1, false};
    const std::vector<Text> names = {U"a_1.txt", U"b.txt", U"c_.jpg", U"d"};
    addRows(names);
    runOperation(workspace, frame, numbering);
    const auto preview = previewNames();

    workspace.conversionList().clear();
    workspace.previewList().clear();
    addRows(names);
    MacroEditor editor;
    Recorder recorder(editor, dialogs);
    recorder.initialFileName = U"x_y.z";
    ASSERT_TRUE(recorder.start());
    RecordingFrame recorded = recorder.frame();
    ASSERT_TRUE(recordNumbering(numbering, 0, recorded));
    recorder.stop();
    const FixedClock clock{{2006, 6, 4, 17, 21, 0}};
    runMacroOverList(workspace, editor, clock);
    auto fromMacro = previewNames();
    fromMacro.back().pop_back();  // the name without extension comes back with a lone dot
    EXPECT_EQ(fromMacro, preview);
    EXPECT_EQ(preview, (std::vector<Text>{U"a_31.txt", U"5b.txt", U"c_7.jpg", U"9d"}));
}

// Rows of two folders interleaved as a sort by name leaves them, with an unchecked row.
class PerFolderNumberingTest : public RunOperationTest {
  protected:
    void addFolderRows() {
        std::vector<Text> many;
        for (int i = 0; i < 11; ++i) many.push_back(U"p" + formatInteger(i) + U".jpg");
        addRows(many, U"/album/one");
        addRows({U"skip.jpg"}, U"/album/two");
        workspace.conversionList().back().checked = false;
        addRows({U"x.jpg", U"y"}, U"/album/two");
        addRows({U"late.jpg", U"later.jpg"}, U"/album/one");
    }
    static NumberingSettings perFolder(std::int32_t start, std::int32_t step, bool autoDigits) {
        NumberingSettings s{NumberingForm::AtStart, start, step, autoDigits, {}, {}, 1, false};
        s.perFolder = true;
        return s;
    }
};

TEST_F(PerFolderNumberingTest, EachFolderCountsItsOwnRowsWhereverTheyStand) {
    struct Case {
        std::int32_t start;
        std::int32_t step;
        bool autoDigits;
        std::vector<Text> firstAndLast;  // the first two, the 11th, then the four that follow
    };
    const Case cases[] = {
        {1,
         1,
         false,
         {U"1p0.jpg", U"2p1.jpg", U"11p10.jpg", U"1x.jpg", U"2y", U"12late.jpg", U"13later.jpg"}},
        {1,
         1,
         true,
         {U"01p0.jpg", U"02p1.jpg", U"11p10.jpg", U"01x.jpg", U"02y", U"12late.jpg",
          U"13later.jpg"}},
        {0,
         -5,
         false,
         {U"0p0.jpg", U"-5p1.jpg", U"-50p10.jpg", U"0x.jpg", U"-5y", U"-55late.jpg",
          U"-60later.jpg"}},
        {2147483647,
         1,
         false,
         {U"2147483647p0.jpg", U"-2147483648p1.jpg", U"-2147483639p10.jpg", U"2147483647x.jpg",
          U"-2147483648y", U"-2147483638late.jpg", U"-2147483637later.jpg"}},
    };
    for (const auto& c : cases) {
        workspace.conversionList().clear();
        workspace.previewList().clear();
        addFolderRows();
        runOperation(workspace, frame, perFolder(c.start, c.step, c.autoDigits));
        const auto preview = previewNames();
        ASSERT_EQ(preview.size(), 15u);
        const std::vector<Text> picked = {preview[0],  preview[1],  preview[10], preview[11],
                                          preview[12], preview[13], preview[14]};
        EXPECT_EQ(picked, c.firstAndLast) << c.start << " " << c.step;
        ASSERT_EQ(workspace.conversionList().size(), 1u);
        EXPECT_EQ(workspace.conversionList()[0].name, U"skip.jpg");
    }
}

TEST_F(PerFolderNumberingTest, RecordingFillsTheSampleToTheLargestFolder) {
    addFolderRows();
    recording.restart(U"x");
    recording.on = true;
    ASSERT_TRUE(runOperation(workspace, frame, perFolder(1, 1, true)));
    EXPECT_EQ(recording.sampleName(), U"01x.");
    ASSERT_FALSE(recording.steps.empty());
    EXPECT_EQ(recording.steps.back().detail, U"番号を最初に追加（フォルダごと）");
}

// The macro a recording makes numbers a run over the list exactly as the preview does, the zero
// fill included, although the rows it renames leave the list as it goes.
TEST_F(PerFolderNumberingTest, RecordedMacroOverTheListAgreesWithThePreview) {
    const NumberingSettings settings[] = {
        perFolder(1, 1, true),
        perFolder(-3, 7, true),
        perFolder(2147483646, 1, false),
        NumberingSettings{NumberingForm::AfterA, 9, 1, true, U"a", {}, 1, false, true},
        NumberingSettings{NumberingForm::AThenNumberThenB, 1, 1, false, U"p", U"_", 1, false, true},
    };
    for (const auto& numbering : settings) {
        workspace.conversionList().clear();
        workspace.previewList().clear();
        addFolderRows();
        runOperation(workspace, frame, numbering);
        const auto preview = previewNames();

        workspace.conversionList().clear();
        workspace.previewList().clear();
        addFolderRows();
        MacroEditor editor;
        Recorder recorder(editor, dialogs);
        recorder.initialFileName = U"sample.jpg";
        ASSERT_TRUE(recorder.start());
        RecordingFrame recorded = recorder.frame();
        ASSERT_TRUE(recordOperation(numbering, workspace, recorded));
        recorder.stop();
        const FixedClock clock{{2006, 6, 4, 17, 21, 0}};
        runMacroOverList(workspace, editor, clock);
        auto fromMacro = previewNames();
        ASSERT_EQ(fromMacro.size(), preview.size());
        for (std::size_t i = 0; i < preview.size(); ++i) {
            // The name without extension comes back with a lone dot.
            if (fromMacro[i].back() == U'.' && preview[i].back() != U'.') fromMacro[i].pop_back();
            EXPECT_EQ(fromMacro[i], preview[i]) << i;
        }
    }
}

// Neither path takes a step whose expression is not valid: nothing is previewed or recorded.
TEST_F(RunOperationTest, AnInvalidExpressionPreviewsAndRecordsNothing) {
    addRows({U"a.txt", U"b.txt"});
    ReplaceSettings invalid;
    invalid.search = U"(a";
    invalid.regex = true;
    for (const bool recordingOn : {false, true}) {
        recording.restart(U"a");
        recording.on = recordingOn;
        EXPECT_THROW(runOperation(workspace, frame, invalid), VartelError);
        EXPECT_TRUE(workspace.previewList().empty());
        EXPECT_TRUE(recording.macro.empty());
        EXPECT_FALSE(workspace.busy());
    }
    ReplaceSettings valid = invalid;
    valid.search = U"([ab])";
    valid.replacement = U"$1$1";
    recording.on = false;
    runOperation(workspace, frame, valid);
    EXPECT_EQ(previewNames(), (std::vector<Text>{U"aa.txt", U"bb.txt"}));
}

}  // namespace
}  // namespace vartel

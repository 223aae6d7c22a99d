#include "recording/recorder.h"

#include <gtest/gtest.h>

#include "../support/macro_builder.h"
#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"
#include "macro/macro_file.h"
#include "operations/add_text_operation.h"
#include "operations/numbering_operation.h"

namespace vartel {
namespace {

class RecorderTest : public ::testing::Test {
  protected:
    RecorderTest() {
        recorder.closeEditorWindow = [this] { ++editorClosed; };
        recorder.showMacroResultTab = [this] { ++macroTabShown; };
    }
    void giveEditorALine() {
        editor.program().appendLine(
            typedLine(U"ファイル名", U"文字出力", U"結合", U"a", U"ファイル名"));
        editor.program().setInitialValue(5, U"7");
    }
    void recordAddAtStart(const Text& text) {
        RecordingFrame frame = recorder.frame();
        ASSERT_TRUE(recordAddText({text, AddTextMode::AtStart, 1, {}, false}, frame));
    }

    MacroEditor editor;
    ScriptedDialogs dialogs;
    Recorder recorder{editor, dialogs};
    int editorClosed = 0;
    int macroTabShown = 0;
};

TEST_F(RecorderTest, StartSplitsTheInitialName) {
    const std::pair<Text, Text> cases[] = {
        {U"", U"."}, {U"abc", U"abc."}, {U"a.b.c", U"a.b.c"}, {U".rc", U".rc"}};
    for (const auto& [initial, shown] : cases) {
        recorder.initialFileName = initial;
        ASSERT_TRUE(recorder.start());
        EXPECT_EQ(recorder.state().sampleName(), shown);
        recorder.stop();
    }
    EXPECT_TRUE(dialogs.questions.empty());  // the editor never held lines
}

TEST_F(RecorderTest, ANameWithALineBreakCannotBeRecorded) {
    for (const Text name : {U"a\n[So2]\nVari1=x.txt", U"b\r.txt"}) {
        dialogs.messages.clear();
        recorder.initialFileName = name;
        EXPECT_FALSE(recorder.start());
        EXPECT_FALSE(recorder.recording());
        EXPECT_EQ(dialogs.messages,
                  std::vector<Text>{U"改行を含むファイル名ではマクロを記録できません"});
    }
    // Nor can a recording be reset to one.
    recorder.initialFileName = U"ok.txt";
    ASSERT_TRUE(recorder.start());
    recordAddAtStart(U"x");
    recorder.initialFileName = U"a\nb";
    recorder.reset();
    EXPECT_EQ(recorder.state().sampleName(), U"xok.txt");
}

TEST_F(RecorderTest, StartOffersToSaveAMacroWithLines) {
    TemporaryFolder folder;
    const std::string saved = folder.file("kept.vmc");
    struct Case {
        Answer answer;
        std::optional<Text> title;
        std::optional<std::string> file;
        bool starts;
        bool savedFile;
    };
    const Case cases[] = {
        {Answer::Cancel, {}, {}, false, false},
        {Answer::No, {}, {}, true, false},
        {Answer::Yes, std::nullopt, {}, true, false},
        {Answer::Yes, U"タイトル", std::nullopt, true, false},
        {Answer::Yes, U"保存済み", saved, true, true},
        // A save that fails keeps the macro the user wanted to keep.
        {Answer::Yes, U"x", folder.file("missing/x.vmc"), false, false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(saved);
        giveEditorALine();
        dialogs = ScriptedDialogs{};
        dialogs.answers = {c.answer};
        dialogs.texts = {c.title};
        dialogs.files = {c.file};
        EXPECT_EQ(recorder.start(), c.starts);
        EXPECT_EQ(recorder.recording(), c.starts);
        ASSERT_FALSE(dialogs.questions.empty());
        EXPECT_EQ(dialogs.questions.front(), U"現在のマクロを保存しますか？");
        EXPECT_EQ(std::filesystem::exists(saved), c.savedFile);
        if (c.savedFile) {
            EXPECT_EQ(readMacroCaption(saved), U"保存済み");
        }
        if (c.starts) {
            EXPECT_EQ(editor.program().lineCount(), 0);
            EXPECT_EQ(editor.program().initialValue(5), U"0");
            recorder.stop();
        } else {
            EXPECT_EQ(editor.program().lineCount(), 1);
            EXPECT_EQ(editor.program().initialValue(5), U"7");
            editor.program().clearLines();
        }
    }
    EXPECT_EQ(dialogs.errors.size(), 1u);
}

TEST_F(RecorderTest, StopHandsTheRecordedLinesAndValuesToTheEditor) {
    editor.program().setTitle(U"題");
    recorder.initialFileName = U"a.txt";
    ASSERT_TRUE(recorder.start());
    EXPECT_EQ(editorClosed, 1);
    EXPECT_EQ(macroTabShown, 1);
    recordAddAtStart(U"x");
    recordAddAtStart(U"y");
    RecordingFrame frame = recorder.frame();
    ASSERT_TRUE(recordNumbering({NumberingForm::AtEnd, 4, 1, false, {}, {}, 1, false}, 0, frame));
    recorder.stop();
    EXPECT_FALSE(recorder.recording());
    ASSERT_EQ(editor.program().lineCount(), 8);
    EXPECT_EQ(editor.program().lines(), recorder.state().macro);
    EXPECT_EQ(editor.program().line(1).display.type, U"コメント");
    EXPECT_EQ(editor.program().line(3).display.operands[2], U"yxa.txt");
    EXPECT_EQ(editor.program().initialValue(17), U"4");
    EXPECT_EQ(editor.program().title(), U"題");
    // What was recorded stays on show until the next start.
    EXPECT_EQ(recorder.state().steps.size(), 3u);
}

TEST_F(RecorderTest, ResetEmptiesTheRecordingAndStartsAnchorsAgain) {
    recorder.initialFileName = U"photo.jpg";
    ASSERT_TRUE(recorder.start());
    for (int i = 0; i < 3; ++i) {
        RecordingFrame frame = recorder.frame();
        ASSERT_TRUE(recordAddText({U"t", AddTextMode::BeforeA, 1, U"o", false}, frame));
    }
    recorder.frame().setInitialValue(20, U"9");
    recorder.reset();
    EXPECT_TRUE(recorder.recording());
    EXPECT_TRUE(recorder.state().macro.empty());
    EXPECT_TRUE(recorder.state().steps.empty());
    EXPECT_EQ(recorder.state().sampleName(), U"photo.jpg");
    EXPECT_EQ(editor.program().initialValue(20), U"0");
    RecordingFrame frame = recorder.frame();
    EXPECT_EQ(frame.allocateVariable(kAllocAnchor), 1);
}

TEST_F(RecorderTest, CommandsFollowTheRecordingState) {
    const auto enabledWhileIdle = [&](bool recording) {
        for (const auto command :
             {RecordingCommand::ConversionList, RecordingCommand::InitialFileName,
              RecordingCommand::StartRecording, RecordingCommand::SaveMacro,
              RecordingCommand::MacroChooser, RecordingCommand::EditMacro,
              RecordingCommand::RunMacro, RecordingCommand::RecordWithThisFile}) {
            EXPECT_EQ(recorder.enabled(command), !recording);
        }
        EXPECT_EQ(recorder.enabled(RecordingCommand::StopRecording), recording);
        EXPECT_EQ(recorder.enabled(RecordingCommand::RecordingBox), recording);
    };
    enabledWhileIdle(false);
    ASSERT_TRUE(recorder.start());
    enabledWhileIdle(true);
    EXPECT_FALSE(recorder.start());  // not offered while recording
    recorder.stop();
    enabledWhileIdle(false);

    EXPECT_EQ(recorder.view(), RecordingView::Steps);
    recorder.switchView();
    EXPECT_EQ(recorder.view(), RecordingView::Lines);
    recorder.switchView();
    EXPECT_EQ(recorder.view(), RecordingView::Steps);
}

TEST_F(RecorderTest, RecordWithThisFileTakesTheFirstSelectedRow) {
    ConversionList rows(3);
    rows[0].name = U"a.txt";
    rows[1].name = U"b.jpg";
    rows[2].name = U"c.png";
    EXPECT_FALSE(recorder.recordWithFile(rows));  // nothing selected: nothing happens
    EXPECT_FALSE(recorder.recording());
    rows[1].selected = rows[2].selected = true;
    EXPECT_TRUE(recorder.recordWithFile(rows));
    EXPECT_EQ(recorder.initialFileName, U"b.jpg");
    EXPECT_EQ(recorder.state().sampleName(), U"b.jpg");
}

}  // namespace
}  // namespace vartel

#include "editor/macro_file_commands.h"

#include <gtest/gtest.h>

#include "../support/macro_builder.h"
#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"
#include "common/error.h"
#include "editor/messages.h"
#include "macro/macro_file.h"

namespace vartel {
namespace {

class MacroFileCommandsTest : public ::testing::Test {
  protected:
    MacroFileCommandsTest() {
        editor.program() = programOf({typedLine(U"文字１", U"代入", U"文字", U"ファイル名")});
        editor.program().setInitialValue(33, U"edited");
        editor.table().rows.push_back({U"a", U"b"});
    }
    MacroEditor editor;
    ScriptedDialogs dialogs;
    TemporaryFolder folder;
};

TEST_F(MacroFileCommandsTest, SavedMacroOpensAgainWithItsTitle) {
    const std::string path = folder.file("m.vmc");
    dialogs.texts = {U"題名"};
    dialogs.files = {path};
    ASSERT_TRUE(saveMacro(editor, dialogs));
    EXPECT_EQ(readMacroCaption(path), std::optional<Text>(U"題名"));

    MacroEditor other;
    dialogs.files = {path};
    ASSERT_TRUE(openMacro(other, dialogs));
    EXPECT_EQ(other.program().lines(), editor.program().lines());
    EXPECT_EQ(other.program().initialValue(33), U"edited");
    // An empty macro asks nothing before it is replaced.
    EXPECT_EQ(dialogs.questions, std::vector<Text>{editor_messages::kTitlePrompt});
}

TEST_F(MacroFileCommandsTest, TheSaveStartsInTheMacroFolderMadeForItAndIsAnnounced) {
    const std::string macros = folder.file("data/vartel/Data");
    int announced = 0;
    editor.saving() = {macros, [&] { ++announced; }};
    dialogs.texts = {U"題名", U"題名"};
    dialogs.files = {std::nullopt, macros + "/m.vmc"};
    EXPECT_FALSE(saveMacro(editor, dialogs));  // the file dialog cancelled
    EXPECT_EQ(announced, 0);
    ASSERT_TRUE(saveMacro(editor, dialogs));
    EXPECT_EQ(dialogs.saveFolders, (std::vector<std::string>{macros, macros}));
    EXPECT_EQ(readMacroCaption(macros + "/m.vmc"), std::optional<Text>(U"題名"));
    EXPECT_EQ(announced, 1);
}

TEST_F(MacroFileCommandsTest, NewOffersToSaveAndResetsLinesAndValues) {
    struct Case {
        Answer answer;
        std::optional<Text> title;
        bool cleared;
        bool saved;
    };
    const Case cases[] = {
        {Answer::Cancel, U"t", false, false},
        {Answer::No, U"t", true, false},
        {Answer::Yes, U"t", true, true},
        {Answer::Yes, std::nullopt, true, false},  // a cancelled title discards the macro
    };
    for (const auto& c : cases) {
        MacroEditor fresh = editor;
        const std::string path = folder.file("new.vmc");
        std::filesystem::remove(path);
        ScriptedDialogs answers;
        answers.answers = {c.answer};
        answers.texts = {c.title};
        answers.files = {path};
        newMacro(fresh, answers);
        ASSERT_FALSE(answers.questions.empty());
        EXPECT_EQ(answers.questions.front(), editor_messages::kSaveCurrentMacro);
        EXPECT_EQ(fresh.program().lineCount(), c.cleared ? 0 : 1);
        EXPECT_EQ(fresh.program().initialValue(33), c.cleared ? U"0" : U"edited");
        EXPECT_EQ(std::filesystem::exists(path), c.saved);
        EXPECT_EQ(fresh.table().rows.size(), 1u);
    }
}

TEST_F(MacroFileCommandsTest, AFailedSaveKeepsTheMacro) {
    dialogs.answers = {Answer::Yes};
    dialogs.texts = {U"t"};
    dialogs.files = {folder.file("missing/folder/m.vmc")};
    EXPECT_THROW(newMacro(editor, dialogs), VartelError);
    EXPECT_EQ(editor.program().lineCount(), 1);
}

TEST_F(MacroFileCommandsTest, OpenCancelledKeepsTheMacro) {
    dialogs.answers = {Answer::No, Answer::Cancel};
    dialogs.files = {std::nullopt, folder.file("never.vmc")};
    EXPECT_FALSE(openMacro(editor, dialogs));  // no file chosen
    EXPECT_FALSE(openMacro(editor, dialogs));  // Cancel asks for no file
    EXPECT_EQ(dialogs.files.size(), 1u);
    EXPECT_EQ(editor.program().lineCount(), 1);
}

}  // namespace
}  // namespace vartel

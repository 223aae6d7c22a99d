#include "workspace/lists/list_files.h"

#include <gtest/gtest.h>

#include "../../support/list_rows.h"
#include "../../support/workspace_fixture.h"
#include "common/error.h"

namespace vartel {
namespace {

class ListFilesTest : public WorkspaceTest {
  protected:
    void SetUp() override {
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) makeFile(std::string("files/") + name);
        reset();
    }
    // Three rows, one pending preview, one history row, no saved file.
    void reset() {
        workspace.conversionList().clear();
        workspace.previewList() = {previewRowAt(U"/p", U"q")};
        workspace.historyList() = {historyRowAt(U"/i", U"h")};
        std::filesystem::remove(path("saved.csv"));
        dropPaths({"files/a.txt", "files/b.txt", "files/c.txt"});
    }
    std::string listFile(const std::string& bytes) { return makeFile("list.csv", bytes); }
};

TEST_F(ListFilesTest, SaveAndLoadGiveTheSamePathsAllChecked) {
    workspace.conversionList()[1].checked = false;
    dialogs.files = {path("saved.csv")};
    saveList(workspace);
    const std::string p = path("files/");
    EXPECT_EQ(contentOf("saved.csv"), p + "a.txt\r\n" + p + "b.txt\r\n" + p + "c.txt\r\n");

    dialogs.answers = {Answer::No};
    dialogs.files = {path("saved.csv")};
    loadList(workspace);
    EXPECT_EQ(dialogs.questions, (std::vector<Text>{U"現在の変換リストを保存しますか？"}));
    EXPECT_EQ(names(), (std::vector<Text>{U"a.txt", U"b.txt", U"c.txt"}));
    EXPECT_TRUE(workspace.conversionList()[1].checked);
    EXPECT_TRUE(workspace.previewList().empty());
    EXPECT_EQ(workspace.historyList().size(), 1u);
}

TEST_F(ListFilesTest, ReadsEveryLineEndAndEncodingAndSkipsWhatIsGone) {
    const std::string p = path("files/");
    makeFile("files/日本語.txt");
    makeFile("files/sub/deep.txt");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"LF", p + "a.txt\n" + p + "gone.txt\n\n" + p + "b.txt"},
        {"CR", p + "a.txt\r" + p + "gone.txt\r" + p + "b.txt\r"},
        {"CR LF", p + "a.txt\r\n" + p + "gone.txt\r\n" + p + "b.txt\r\n"},
    };
    for (const auto& [label, bytes] : cases) {
        dialogs.answers = {Answer::No};
        dialogs.files = {listFile(bytes)};
        loadList(workspace);
        EXPECT_EQ(names(), (std::vector<Text>{U"a.txt", U"b.txt"})) << label;
    }
    const std::string cp932 = p + "\x93\xfa\x96\x7b\x8c\xea.txt\r\n" + p + "sub\r\n";
    const std::string utf8 = "\xEF\xBB\xBF" + p + "日本語.txt\r\n" + p + "sub\r\n";
    for (const auto& bytes : {cp932, utf8}) {
        dialogs.answers = {Answer::No};
        dialogs.files = {listFile(bytes)};
        loadList(workspace);
        EXPECT_EQ(names(), (std::vector<Text>{U"日本語.txt", U"deep.txt"}));
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ListFilesTest, ListedPathsComeBeforeTheSubfoldersOfListedFoldersAndAnAbortEndsTheList) {
    makeFile("tree/t1.txt");
    makeFile("tree/sub/s1.txt");
    const std::string list =
        listFile(path("tree") + "\r\n" + path("files/a.txt") + "\r\n" + path("files/b.txt"));
    dialogs.answers = {Answer::No};
    dialogs.files = {list};
    loadList(workspace);
    EXPECT_EQ(names(), (std::vector<Text>{U"t1.txt", U"a.txt", U"b.txt", U"s1.txt"}));

    // Aborted early: the rest of the file is not read, neither then nor on a later walk.
    pump.abortAt = pump.calls + 2;
    dialogs.answers = {Answer::No};
    dialogs.files = {list};
    loadList(workspace);
    const std::vector<Text> taken = names();
    EXPECT_LT(taken.size(), 4u);
    EXPECT_FALSE(workspace.busy());
    dropPaths({"files/c.txt"});
    std::vector<Text> expected = taken;
    expected.push_back(U"c.txt");
    EXPECT_EQ(names(), expected);
}

TEST_F(ListFilesTest, PathsThatAreNotUtf8SurviveSaveAndLoad) {
    const std::string odd = "files/\x82\xA0\xFF.txt";
    makeFile(odd);
    workspace.conversionList().clear();
    dropPaths({odd});
    dialogs.files = {path("saved.csv")};
    saveList(workspace);
    dialogs.answers = {Answer::No};
    dialogs.files = {path("saved.csv")};
    loadList(workspace);
    ASSERT_EQ(workspace.conversionList().size(), 1u);
    EXPECT_EQ(bytesFromText(workspace.conversionList()[0].fullPath()), path(odd));
}

TEST_F(ListFilesTest, PathsWithLineBreaksAreNeverWrittenAndRelativeLinesNeverRead) {
    // A folder "x\n" holding "victim\nz": as lines, these would name an unrelated "victim" folder.
    makeFile("x\n/victim\nz");
    makeFile("victim/innocent.txt");
    workspace.conversionList().clear();
    dropPaths({"x\n", "files/a.txt"});
    ASSERT_EQ(workspace.conversionList().size(), 2u);
    dialogs.files = {path("saved.csv")};
    saveList(workspace);
    EXPECT_EQ(contentOf("saved.csv"), path("files/a.txt") + "\r\n");
    EXPECT_EQ(dialogs.errors,
              std::vector<Text>{U"次のファイルは名前に改行を含むため保存しませんでした。\n" +
                                pathText("x") + U"\\n/victim\\nz"});

    // Lines that are not full paths would be looked up wherever the program was started.
    struct WorkingFolder {
        std::filesystem::path before = std::filesystem::current_path();
        ~WorkingFolder() { std::filesystem::current_path(before); }
    } restored;
    std::filesystem::current_path(folder.path());
    dialogs.answers = {Answer::No};
    dialogs.files = {listFile("victim\r\nfiles/b.txt\r\n" + path("files/c.txt") + "\r\n")};
    loadList(workspace);
    EXPECT_EQ(names(), std::vector<Text>{U"c.txt"});
}

TEST_F(ListFilesTest, AnUnreadableListFileThrowsAndKeepsTheLists) {
    dialogs.answers = {Answer::No};
    dialogs.files = {path("missing.csv")};
    const auto before = workspace.conversionList().size();
    EXPECT_THROW(loadList(workspace), VartelError);
    EXPECT_EQ(workspace.conversionList().size(), before);
    EXPECT_EQ(workspace.previewList().size(), 1u);
}

TEST_F(ListFilesTest, EveryAnswerOfTheQuestion) {
    using Files = std::deque<std::optional<std::string>>;
    const auto savedTo = path("saved.csv");
    const auto other = listFile(path("files/a.txt") + "\r\n");
    const auto noPaths = makeFile("relative.csv", "files/a.txt\r\n");
    struct Case {
        const char* label;
        void (*command)(Workspace&);
        Answer answer;
        Files files;
        std::size_t rowsAfter;
        bool previewKept;
        bool saved;
    };
    const std::vector<Case> cases = {
        {"load, cancel", loadList, Answer::Cancel, {}, 3, true, false},
        {"load, no, open cancelled", loadList, Answer::No, {std::nullopt}, 3, true, false},
        {"load, yes, save cancelled", loadList, Answer::Yes, {std::nullopt, other}, 3, true, false},
        {"load, yes, open cancelled",
         loadList,
         Answer::Yes,
         {savedTo, std::nullopt},
         3,
         true,
         false},
        {"load, yes", loadList, Answer::Yes, {savedTo, other}, 1, false, true},
        {"load, no, a list without full paths", loadList, Answer::No, {noPaths}, 0, false, false},
        {"new, cancel", newList, Answer::Cancel, {}, 3, true, false},
        {"new, yes, save cancelled", newList, Answer::Yes, {std::nullopt}, 3, true, false},
        {"new, yes", newList, Answer::Yes, {savedTo}, 0, false, true},
        {"new, no", newList, Answer::No, {}, 0, false, false},
    };
    for (const auto& c : cases) {
        reset();
        dialogs.answers = {c.answer};
        dialogs.files = c.files;
        c.command(workspace);
        EXPECT_EQ(workspace.conversionList().size(), c.rowsAfter) << c.label;
        EXPECT_EQ(workspace.previewList().size(), c.previewKept ? 1u : 0u) << c.label;
        EXPECT_EQ(exists("saved.csv"), c.saved) << c.label;
        EXPECT_EQ(workspace.status().listCount,
                  U"変換リスト数： " + textFromBytes(std::to_string(c.rowsAfter)))
            << c.label;
        // Discarded previews leave the status bar at once.
        if (!c.previewKept) {
            EXPECT_EQ(workspace.status().previewCount, U"変換候補数： 0") << c.label;
        }
    }
}

TEST_F(ListFilesTest, CloseAndAnEmptyList) {
    const std::vector<std::tuple<Answer, std::optional<std::string>, bool>> cases = {
        {Answer::Cancel, std::nullopt, false},
        {Answer::No, std::nullopt, true},
        {Answer::Yes, std::nullopt, true},
        {Answer::Yes, path("saved.csv"), true},
    };
    for (const auto& [answer, file, closes] : cases) {
        dialogs.answers = {answer};
        dialogs.files = {file};
        EXPECT_EQ(closeRequested(workspace), closes);
    }
    EXPECT_TRUE(exists("saved.csv"));

    workspace.conversionList().clear();
    dialogs.questions.clear();
    EXPECT_TRUE(closeRequested(workspace));
    newList(workspace);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(workspace.previewList().size(), 1u);
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 0");
}

}  // namespace
}  // namespace vartel

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <set>

#include "../support/injected_faults.h"
#include "../support/workspace_fixture.h"
#include "workspace/lists/list_editing.h"

namespace vartel {
namespace {

using IntakeTest = WorkspaceTest;

std::vector<Text> sorted(std::vector<Text> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

// Each folder's entries in name order, as a click on the file name column sorts, whatever order
// the folder gives them in: letter case aside, by code point (a byte that is not UTF-8 between
// kanji and full-width letters), so subfolders are walked in that order too.
TEST_F(IntakeTest, WalksBreadthFirstAfterTheDroppedItemsInDropOrderEachFolderInNameOrder) {
    std::vector<std::string> inD{"d1.txt"};
    for (int i = 1; i <= 12; ++i) {
        inD.push_back((i < 10 ? "IMG_000" : "IMG_00") + std::to_string(i) + ".JPG");
        if (i == 5) inD.push_back("img_0005.jpg");
    }
    for (const char* name : {"あ.txt", "名前.txt", "\xFF.txt", "Ａ.txt"}) inD.push_back(name);
    makeFile("a.txt");
    for (auto name = inD.rbegin(); name != inD.rend(); ++name) makeFile("D/" + *name);
    makeFile("D/S/s1.txt");
    makeFile("D/S/T/t1.txt");
    makeFile("D/r/r1.txt");
    makeFile("b.txt");
    dropPaths({"a.txt", "D", "b.txt"});
    std::vector<Text> expected{U"a.txt"};
    for (const auto& name : inD) expected.push_back(textFromBytes(name));
    for (const Text name : {U"b.txt", U"r1.txt", U"s1.txt", U"t1.txt"}) expected.push_back(name);
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(workspace.conversionList()[21].fullPath(), pathText("D/S/s1.txt"));
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 23");
    EXPECT_EQ(workspace.busyState().walkCounter, 23);
    EXPECT_FALSE(workspace.busy());
    EXPECT_FALSE(workspace.hasWaitingPaths());
    EXPECT_TRUE(std::all_of(workspace.conversionList().begin(), workspace.conversionList().end(),
                            [](const FileEntry& row) { return row.checked; }));
}

// Whatever the characters, a walk lists a folder as a click on the file name column sorts it.
TEST_F(IntakeTest, AFolderIsWalkedInTheOrderTheNameColumnSortsIn) {
    const std::vector<std::string> pieces{"a",
                                          "B",
                                          "b",
                                          "_",
                                          "1",
                                          "\xC3\xA9",
                                          "\xC3\x89",
                                          "あ",
                                          "ア",
                                          "名",
                                          "Ａ",
                                          "ａ",
                                          "\xFF",
                                          "\x80",
                                          "\xE2\x84\xAA" /* Kelvin sign */,
                                          "k",
                                          "\xC8\xBA" /* Ⱥ */,
                                          "\xF0\x9F\x98\x80"};
    std::mt19937 random(5);
    std::set<std::string> files;
    while (files.size() < 300) {
        std::string name;
        for (int n = std::uniform_int_distribution<int>(1, 4)(random); n > 0; --n)
            name +=
                pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        files.insert(name);
    }
    for (const auto& name : files) makeFile("D/" + name);
    dropPaths({"D"});
    const std::vector<Text> walked = names();
    sortByColumn(workspace, SortColumn::Name);
    EXPECT_EQ(names(), walked);
}

TEST_F(IntakeTest, SkipsEmptyFilesAndTheThumbnailCacheOnlyInsideFolders) {
    makeFile("D/Thumbs.db");
    makeFile("D/thumbs.db");
    makeFile("D/.hidden");
    makeFile("D/empty.txt", "");
    makeFile("D/Hidden folder/.inner");
    makeFile("Thumbs.db");
    makeFile("empty.txt", "");
    std::filesystem::create_directories(path("D/nothing here"));
    dropPaths({"empty.txt", "Thumbs.db", "D"});
    EXPECT_EQ(names()[0], U"Thumbs.db");
    EXPECT_EQ(sorted(names()), sorted({U"Thumbs.db", U"thumbs.db", U".hidden", U".inner"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(IntakeTest, ReadOnlyFoldersAreWalkedAndUnreadableOnesAddNothing) {
    makeFile("D/ro/inside.txt");
    makeFile("D/closed/secret.txt");
    ::chmod(path("D/ro").c_str(), 0555);
    ::chmod(path("D/closed").c_str(), 0);
    dropPaths({"D", "missing.txt"});
    std::vector<Text> expected{U"inside.txt"};
    if (::geteuid() == 0) expected.push_back(U"secret.txt");  // permissions do not bind root
    EXPECT_EQ(sorted(names()), sorted(expected));
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(IntakeTest, SymbolicLinksAreRowsAndNeverFollowed) {
    makeFile("D/sub/file.txt");
    std::filesystem::create_directory_symlink("..", path("D/sub/up"));  // a loop
    std::filesystem::create_directory_symlink(path("D"), path("D/self"));
    dropPaths({"D"});
    EXPECT_EQ(sorted(names()), sorted({U"self", U"file.txt", U"up"}));
}

// Checks the order too: a link met in a folder is taken at once as a row, never queued and
// looked at again as if it were a folder; a dropped link is looked at itself, not its target.
TEST_F(IntakeTest, ALinkToAFolderIsOneRowInItsPlaceWhetherMetInAFolderOrDropped) {
    makeFile("target/inner.txt");
    std::filesystem::create_directories(path("D"));
    std::filesystem::create_directory_symlink(path("target"), path("D/link"));
    std::filesystem::create_directory_symlink(path("target"), path("dropped"));
    makeFile("f.txt");
    dropPaths({"D", "f.txt"});
    EXPECT_EQ(names(), (std::vector<Text>{U"link", U"f.txt"}));
    dropPaths({"dropped"});
    ASSERT_EQ(names(), (std::vector<Text>{U"link", U"f.txt", U"dropped"}));
    EXPECT_EQ(workspace.conversionList().back().fullPath(), pathText("dropped"));
}

TEST_F(IntakeTest, DroppingTwiceDoublesTheRows) {
    makeFile("D/one.txt");
    dropPaths({"D"});
    dropPaths({"D"});
    EXPECT_EQ(names(), (std::vector<Text>{U"one.txt", U"one.txt"}));
    EXPECT_EQ(workspace.status().listCount, U"変換リスト数： 2");
}

// A million rows hold each folder's path once: rows of one folder that follow each other share
// it, whether their folder was walked or a file was dropped on its own.
TEST_F(IntakeTest, RowsOfOneFolderShareOneFolderPart) {
    makeFile("D/a.txt");
    makeFile("D/b.txt");
    makeFile("D/sub/c.txt");
    makeFile("e.txt");
    dropPaths({"D/a.txt", "D", "e.txt"});
    const auto& rows = workspace.conversionList();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(sorted(names()), sorted({U"a.txt", U"a.txt", U"b.txt", U"e.txt", U"c.txt"}));
    EXPECT_EQ(rows[0].folder.get(), rows[1].folder.get());
    EXPECT_EQ(rows[1].folder.get(), rows[2].folder.get());
    EXPECT_NE(rows[2].folder.get(), rows[3].folder.get());
    EXPECT_NE(rows[0].folder.get(), rows[4].folder.get());
    const std::vector<std::string> expected{"D/a.txt", "D/", "D/", "e.txt", "D/sub/c.txt"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string relative =
            expected[i].back() == '/' ? expected[i] + bytesFromText(rows[i].name) : expected[i];
        EXPECT_EQ(rows[i].fullPath(), pathText(relative)) << i;
    }
}

TEST_F(IntakeTest, AbortStopsWithinOneEntryAndEmptiesTheQueue) {
    for (int i = 0; i < 20; ++i) makeFile(std::string("D/f").append(std::to_string(i)));
    makeFile("D/sub/g");
    pump.abortAt = 3;
    dropPaths({"D", "D"});
    EXPECT_LE(workspace.conversionList().size(), 3u);
    EXPECT_GE(workspace.conversionList().size(), 2u);
    EXPECT_FALSE(workspace.hasWaitingPaths());
    EXPECT_EQ(
        workspace.status().listCount,
        U"変換リスト数： " + textFromBytes(std::to_string(workspace.conversionList().size())));
    pump.abortAt = -1;
    const auto before = workspace.conversionList().size();
    makeFile("later.txt");
    dropPaths({"later.txt"});
    EXPECT_EQ(workspace.conversionList().size(), before + 1);
}

// Drops a path and presses "中止" from inside the walk, as the window's event loop would.
class DroppingPump : public Pump {
  public:
    Workspace* workspace = nullptr;
    Text path;
    bool abort = false;
    int calls = 0;
    void pump() override {
        if (++calls != 2) return;
        if (abort) workspace->abort();
        workspace->drop({path});
    }
};

TEST_F(IntakeTest, PathsDroppedDuringAWalkAreWalkedAfterIt) {
    for (const char* name : {"D/one", "D/two", "D/three", "late.txt"}) makeFile(name);
    enum class End { Normal, Abort, Failure };
    for (const End end : {End::Normal, End::Abort, End::Failure}) {
        DroppingPump dropping;
        Workspace walking(dialogs, dropping, std::chrono::milliseconds(0));
        dropping.workspace = &walking;
        dropping.path = pathText("late.txt");
        dropping.abort = end == End::Abort;
        dialogs.errors.clear();
        {
            // The drop comes after the second entry; the third cannot be read.
            InjectedFaults faults(end == End::Failure
                                      ? std::vector<Fault>{{FileCall::ReadEntry, EIO, 3}}
                                      : std::vector<Fault>{});
            walking.drop({pathText("D")});
        }
        const auto& rows = walking.conversionList();
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.back().name, U"late.txt");
        EXPECT_EQ(rows.size(), end == End::Normal ? 4u : 3u);
        EXPECT_EQ(dialogs.errors.size(), end == End::Failure ? 1u : 0u);
        EXPECT_FALSE(walking.busy());
    }
}

TEST_F(IntakeTest, RowFieldsNamePartsSizeAndTime) {
    makeFile("dotted.folder/noext", "12345");
    makeFile("name.tar.gz", "1");
    const std::string big = makeFile("big.bin");
    ASSERT_EQ(::truncate(big.c_str(), (std::int64_t{5} << 30) + 7), 0);  // sparse, 5 GiB
    const std::string midnight = makeFile("midnight.txt");
    const std::string evening = makeFile("evening.txt");
    // In Tokyo: 2020/01/02 00:00:00 and 2020/01/02 21:05:09.
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::tzset();
    const timespec atMidnight[2] = {{1577890800, 0}, {1577890800, 0}};
    const timespec atEvening[2] = {{1577966709, 0}, {1577966709, 0}};
    ::utimensat(AT_FDCWD, midnight.c_str(), atMidnight, 0);
    ::utimensat(AT_FDCWD, evening.c_str(), atEvening, 0);
    dropPaths({"dotted.folder", "name.tar.gz", "big.bin", "midnight.txt", "evening.txt"});
    const auto& rows = workspace.conversionList();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].extension(), U"");
    EXPECT_EQ(rows[0].facts.sizeText(), U"5");
    EXPECT_EQ(rows[1].extension(), U".gz");
    EXPECT_EQ(rows[2].facts.sizeText(), U"5368709127");
    EXPECT_EQ(rows[3].facts.modifiedText(), U"2020/01/02");
    EXPECT_EQ(rows[4].facts.modifiedText(), U"2020/01/02 21:05:09");
}

TEST_F(IntakeTest, LongDroppedPathsAreTakenWhole) {
    const std::string relative = std::string(150, 'a') + "/" + std::string(150, 'b') + ".txt";
    makeFile(relative);
    dropPaths({relative});
    ASSERT_EQ(workspace.conversionList().size(), 1u);
    EXPECT_EQ(bytesFromText(workspace.conversionList()[0].fullPath()), path(relative));
}

TEST_F(IntakeTest, NamesThatAreNotUtf8AreKeptByteForByte) {
    const std::string name = "caf\xE9 \x82\xA0.txt";  // Latin-1 and Shift-JIS bytes
    makeFile("D/" + name);
    dropPaths({"D"});
    ASSERT_EQ(workspace.conversionList().size(), 1u);
    EXPECT_EQ(bytesFromText(workspace.conversionList()[0].fullPath()), path("D/" + name));
}

TEST_F(IntakeTest, DropWhileBusyWaitsAndAddingFromTheBrowserStartsAfresh) {
    makeFile("a.txt");
    makeFile("b.txt");
    workspace.enterBusy();
    dropPaths({"a.txt"});
    EXPECT_TRUE(workspace.conversionList().empty());
    workspace.leaveBusy();
    dropPaths({"b.txt"});
    EXPECT_EQ(names(), (std::vector<Text>{U"a.txt", U"b.txt"}));
    workspace.addPaths({pathText("b.txt")});
    EXPECT_EQ(names(), (std::vector<Text>{U"a.txt", U"b.txt", U"b.txt"}));
}

}  // namespace
}  // namespace vartel

#include "editor/macro_catalogue.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "../support/injected_faults.h"
#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"

namespace vartel {
namespace {

TEST(MacroCatalogueTest, ListsExactlyTheVmcFilesWithTheirTitles) {
    TemporaryFolder folder;
    const std::vector<std::pair<std::string, std::string>> files = {
        {"a.vmc", "[Main]\r\nCaption=最初\r\n"},
        {"b.txt", "[Main]\r\nCaption=not a macro\r\n"},
        {"c.VMC", "[Main]\r\nCaption=wrong case\r\n"},
        {"d.vmc", "[Main]\r\nVersion=0.3\r\n"},
        {"e.vmc", "[Main]\r\nCaption=\r\n"},
        {"f.vmc", "[Main]\r\nCaption=最初\r\n"},
    };
    for (const auto& [name, content] : files) std::ofstream(folder.file(name)) << content;
    std::filesystem::create_directory(folder.file("folder.vmc"));
    // Opening a FIFO to read would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(folder.file("pipe.vmc").c_str(), 0600), 0);
    ScriptedDialogs dialogs;
    const auto catalogue = buildMacroCatalogue(folder.path().string(), dialogs);
    ASSERT_EQ(catalogue.paths.size(), catalogue.titles.size());
    std::vector<std::pair<std::string, Text>> entries;
    for (std::size_t i = 0; i < catalogue.paths.size(); ++i) {
        entries.emplace_back(catalogue.paths[i], catalogue.titles[i]);
    }
    std::sort(entries.begin(), entries.end());
    const std::vector<std::pair<std::string, Text>> expected = {
        {folder.file("a.vmc"), U"最初"},
        {folder.file("d.vmc"), U"名前なし"},
        {folder.file("e.vmc"), U""},
        {folder.file("f.vmc"), U"最初"},
        {folder.file("folder.vmc"), U"名前なし"},
        {folder.file("pipe.vmc"), U"名前なし"},
    };
    EXPECT_EQ(entries, expected);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST(MacroCatalogueTest, AMissingFolderIsAnEmptyCatalogueWithoutMessage) {
    ScriptedDialogs dialogs;
    const auto catalogue = buildMacroCatalogue("/nonexistent/vartel/Data", dialogs);
    EXPECT_TRUE(catalogue.paths.empty());
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST(MacroCatalogueTest, AListingThatBreaksOffKeepsTheMacrosFoundBefore) {
    TemporaryFolder folder;
    for (const char* name : {"a.vmc", "b.vmc", "c.vmc"}) {
        std::ofstream(folder.file(name)) << "[Main]\r\nCaption=" << name << "\r\n";
    }
    ScriptedDialogs dialogs;
    InjectedFaults faults({{FileCall::ReadEntry, EIO, 2}});
    const auto catalogue = buildMacroCatalogue(folder.path().string(), dialogs);
    EXPECT_EQ(dialogs.errors, (std::vector<Text>{U"ファイルの取得に失敗しました。"}));
    ASSERT_EQ(catalogue.paths.size(), 1u);
    EXPECT_EQ(catalogue.titles.size(), 1u);
}

TEST(MacroCatalogueTest, FoldersAreListedOneAfterAnotherAndAMissingOneAddsNothing) {
    TemporaryFolder user;
    TemporaryFolder bundled;
    std::ofstream(user.file("mine.vmc")) << "[Main]\r\nCaption=自分\r\n";
    std::ofstream(bundled.file("given.vmc")) << "[Main]\r\nCaption=付属\r\n";
    ScriptedDialogs dialogs;
    const auto catalogue = buildMacroCatalogue(
        {user.path().string(), "/nonexistent/vartel/Data", bundled.path().string()}, dialogs);
    EXPECT_EQ(catalogue.paths,
              (std::vector<std::string>{user.file("mine.vmc"), bundled.file("given.vmc")}));
    EXPECT_EQ(catalogue.titles, (std::vector<Text>{U"自分", U"付属"}));
    EXPECT_TRUE(dialogs.errors.empty());
}

}  // namespace
}  // namespace vartel

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "../support/temporary_folder.h"

namespace vartel {
namespace {

class FileSystemTest : public ::testing::Test {
protected:
    std::string make(const std::string& name, const std::string& content) {
        std::ofstream(folder.file(name), std::ios::binary) << content;
        return folder.file(name);
    }
    std::string contentOf(const std::string& name) {
        std::ifstream in(folder.file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    TemporaryFolder folder;
};

TEST_F(FileSystemTest, RenameNeverReplaces) {
    make("a", "a");
    make("b", "b");
    std::filesystem::create_directory(folder.file("d"));
    EXPECT_FALSE(renameWithoutReplacing(folder.file("a"), folder.file("b")));
    EXPECT_FALSE(renameWithoutReplacing(folder.file("a"), folder.file("d")));
    EXPECT_FALSE(renameWithoutReplacing(folder.file("a"), folder.file("a")));
    EXPECT_FALSE(renameWithoutReplacing(folder.file("gone"), folder.file("c")));
    EXPECT_FALSE(renameWithoutReplacing(folder.file("a"), folder.file("c") + std::string(1, '\0')));
    EXPECT_EQ(contentOf("a"), "a");
    EXPECT_EQ(contentOf("b"), "b");
    EXPECT_TRUE(renameWithoutReplacing(folder.file("a"), folder.file("\xFF\xFE")));
    EXPECT_EQ(contentOf("\xFF\xFE"), "a");
    EXPECT_TRUE(renameWithoutReplacing(folder.file("\xFF\xFE"), folder.file("A")));
    EXPECT_EQ(contentOf("A"), "a");
}

TEST_F(FileSystemTest, ListingGivesEveryEntryWithoutFollowingLinks) {
    make("file", "12345");
    std::filesystem::create_directory(folder.file("sub"));
    std::filesystem::create_directory_symlink(folder.file("sub"), folder.file("link"));
    FolderListing listing(folder.path().string());
    ASSERT_TRUE(listing.isOpen());
    std::vector<std::tuple<std::string, bool, bool>> entries;
    while (const auto entry = listing.next()) {
        entries.emplace_back(entry->name, entry->status.isFolder, entry->status.isSymbolicLink);
        if (entry->name == "file") {
            EXPECT_EQ(entry->status.size, 5);
        }
    }
    EXPECT_FALSE(listing.failed());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::tuple<std::string, bool, bool>>{
                           {"file", false, false}, {"link", false, true}, {"sub", true, false}}));
    FolderListing missing(folder.file("missing"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(missing.next());
    EXPECT_FALSE(missing.failed());
}

}  // namespace
}  // namespace vartel

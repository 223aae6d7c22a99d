#include "platform/file_system.h"

#include <gtest/gtest.h>

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

TEST_F(FileSystemTest, PathsWithNulNameNothing) {
    // Cut at the NUL, "<folder>/\0x" would name the folder itself, and a walk would list it
    // again below itself without end.
    make("a", "a");
    const std::string withNul = folder.file(std::string("\0x", 2));
    EXPECT_FALSE(lookUpFile(withNul).has_value());
    EXPECT_FALSE(FolderListing(withNul).isOpen());
    EXPECT_FALSE(FolderListing(folder.file("a") + std::string(1, '\0')).isOpen());
}

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

}  // namespace
}  // namespace vartel

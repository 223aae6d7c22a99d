#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../support/injected_faults.h"
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

// A case-only rename where case is ignored goes through a temporary name. Spelling the same
// entry with "./" takes that way on any file system; whichever step fails, the file ends
// under its own name and nothing is left behind.
TEST_F(FileSystemTest, ARenameThroughATemporaryNameThatFailsPutsTheFileBack) {
    make("a", "a");
    const std::string same = folder.path().string() + "/./a";
    for (const int nth : {0, 2, 3}) {
        SCOPED_TRACE(nth);
        InjectedFaults faults(nth == 0 ? std::vector<Fault>{}
                                       : std::vector<Fault>{{FileCall::Rename, EIO, nth}});
        EXPECT_EQ(renameWithoutReplacing(folder.file("a"), same), nth == 0);
        EXPECT_EQ(faults.calls(FileCall::Rename), nth == 0 ? 3 : nth == 2 ? 2 : 4);
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            names.push_back(entry.path().filename().string());
        }
        EXPECT_EQ(names, std::vector<std::string>{"a"});
        EXPECT_EQ(contentOf("a"), "a");
    }
}

TEST_F(FileSystemTest, AListingTellsAFailedEntryFromOneThatVanished) {
    make("a", "a");
    make("b", "b");
    {
        InjectedFaults faults({{FileCall::ReadEntry, ENOENT, 0, "", "a"}});
        FolderListing listing(folder.path().string());
        std::vector<std::string> names;
        while (const auto entry = listing.next()) names.push_back(entry->name);
        EXPECT_EQ(names, std::vector<std::string>{"b"});
        EXPECT_FALSE(listing.failed());
    }
    for (const int error : {EIO, EACCES}) {
        InjectedFaults faults({{FileCall::ReadEntry, error}});
        FolderListing listing(folder.path().string());
        EXPECT_FALSE(listing.next());
        EXPECT_TRUE(listing.failed());
    }
    InjectedFaults faults({{FileCall::OpenFolder, EACCES}, {FileCall::LookUp, EACCES}});
    FolderListing listing(folder.path().string());
    EXPECT_FALSE(listing.isOpen());
    EXPECT_FALSE(listing.next());
    EXPECT_FALSE(listing.failed());
    EXPECT_FALSE(lookUpFile(folder.file("a")));
}

}  // namespace
}  // namespace vartel

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

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

// Renames by paths, or through a folder renamer kept across the calls.
class RenameTest : public FileSystemTest, public ::testing::WithParamInterface<bool> {
  protected:
    FileError renameStep(const std::string& from, const std::string& to) {
        return GetParam() ? renamer.rename(from, to) : vartel::renameStep(from, to);
    }
    FileError exchangeNames(const std::string& a, const std::string& b) {
        return GetParam() ? renamer.exchange(a, b) : vartel::exchangeNames(a, b);
    }
    FolderRenamer renamer;
};

TEST_P(RenameTest, RenameNeverReplaces) {
    make("a", "a");
    make("b", "b");
    std::filesystem::create_directory(folder.file("d"));
    EXPECT_EQ(renameStep(folder.file("a"), folder.file("b")), FileError::Exists);
    EXPECT_EQ(renameStep(folder.file("a"), folder.file("d")), FileError::Exists);
    EXPECT_EQ(renameStep(folder.file("a"), folder.file("a")), FileError::Exists);
    EXPECT_EQ(renameStep(folder.file("gone"), folder.file("c")), FileError::NotFound);
    EXPECT_EQ(renameStep(folder.file("a"), folder.file("c") + std::string(1, '\0')),
              FileError::InvalidName);
    EXPECT_EQ(contentOf("a"), "a");
    EXPECT_EQ(contentOf("b"), "b");
    EXPECT_EQ(renameStep(folder.file("a"), folder.file("\xFF\xFE")), FileError::None);
    EXPECT_EQ(contentOf("\xFF\xFE"), "a");
    EXPECT_EQ(renameStep(folder.file("\xFF\xFE"), folder.file("A")), FileError::None);
    EXPECT_EQ(contentOf("A"), "a");
    // Two names swap in one call, or the system says it cannot.
    const FileError swapped = exchangeNames(folder.file("A"), folder.file("b"));
    if (swapped == FileError::None) {
        EXPECT_EQ(contentOf("A"), "b");
        EXPECT_EQ(contentOf("b"), "a");
    } else {
        EXPECT_EQ(swapped, FileError::Unsupported);
    }
}

// Calls move between folders, and where the no-replace flag is refused the link-and-unlink
// way round still never replaces, within any folder.
TEST_P(RenameTest, FoldersChangeBetweenCallsAndTheFallbackStaysWithinItsFolder) {
    std::filesystem::create_directory(folder.file("d"));
    make("a", "a");
    make("d/a", "da");
    make("d/b", "db");
    EXPECT_EQ(renameStep(folder.file("a"), folder.file("x")), FileError::None);
    EXPECT_EQ(renameStep(folder.file("d/a"), folder.file("d/x")), FileError::None);
    EXPECT_EQ(renameStep(folder.file("x"), folder.file("y")), FileError::None);
    EXPECT_EQ(renameStep(folder.file("gone/a"), folder.file("gone/b")), FileError::NotFound);
    // Paths in two folders are a move, left to the system as given.
    EXPECT_EQ(renameStep(folder.file("d/x"), folder.file("z")), FileError::None);
    {
        InjectedFaults faults({{FileCall::Rename, EINVAL}});
        EXPECT_EQ(renameStep(folder.file("d/b"), folder.file("d/c")), FileError::None);
        EXPECT_EQ(renameStep(folder.file("y"), folder.file("z")), FileError::Exists);
    }
    EXPECT_EQ(contentOf("y"), "a");
    EXPECT_EQ(contentOf("z"), "da");
    EXPECT_EQ(contentOf("d/c"), "db");
    EXPECT_FALSE(std::filesystem::exists(folder.file("d/b")));
    EXPECT_EQ(std::filesystem::hard_link_count(folder.file("d/c")), 1u);
}

INSTANTIATE_TEST_SUITE_P(ByPathsOrByFolder, RenameTest, ::testing::Bool());

// The inodes a folder's read gives are the identities a lookup gives; a folder with more
// entries than asked for, or none at all, gives nothing, so the caller looks files up instead.
TEST_F(FileSystemTest, FolderInodesMatchLookupsWithinTheLimitOnly) {
    std::map<std::string, std::uint64_t> inodes;
    for (const std::string name : {"a", "b", "c"}) make(name, name);
    const auto device = listFolderInodes(folder.path(), 5, [&](std::string_view name, auto inode) {
        inodes[std::string(name)] = inode;
    });
    ASSERT_TRUE(device);
    for (const std::string name : {"a", "b", "c"}) {
        EXPECT_EQ((FileIdentity{*device, inodes[name]}), lookUpFile(folder.file(name))->identity);
    }
    EXPECT_FALSE(listFolderInodes(folder.path(), 4, [](std::string_view, std::uint64_t) {}));
    EXPECT_FALSE(listFolderInodes(folder.file("missing"), 5, [](std::string_view, auto) {}));
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

#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>
#include <vector>

#include "../support/injected_faults.h"
#include "../support/temporary_folder.h"
#include "platform/folder_case.h"
#include "platform/folder_listing.h"
#include "platform/rename_calls.h"

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

// A folder of a file system that keeps letter case apart is never taken as folding by
// looking: names that differ only in case are both listed, others are not found.
TEST_F(FileSystemTest, LookingFindsNoFoldingWhereCaseIsKeptApart) {
    EXPECT_FALSE(foldsCaseByLooking(folder.path()));  // nothing to look at
    make("123", "digits only");
    make("a", "a");
    make("A", "A");
    EXPECT_FALSE(foldsCaseByLooking(folder.path()));
    make("Photo.JPG", "p");
    EXPECT_FALSE(foldsCaseByLooking(folder.path()));
    EXPECT_FALSE(foldsCaseByLooking(folder.file("missing")));
    EXPECT_FALSE(folderFoldsCase(folder.path()));
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

// Where the system has neither the no-replace flag nor hard links (exFAT or a phone through
// FUSE), and for folders, which are never linked, the new name is taken by a placeholder of
// our own first: renames still succeed, and still never replace anything.
TEST_P(RenameTest, WithoutNoReplaceOrLinksANameIsTakenBeforeTheRename) {
    make("a", "a");
    make("b", "b");
    make("taken", "taken");
    std::filesystem::create_directories(folder.file("d/inner"));
    make("d/inner/f", "f");
    std::filesystem::create_directory(folder.file("e"));
    const auto entries = [&] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    {
        InjectedFaults faults({{FileCall::Rename, EINVAL}, {FileCall::Link, EPERM}});
        EXPECT_EQ(renameStep(folder.file("a"), folder.file("x")), FileError::None);
        EXPECT_EQ(renameStep(folder.file("b"), folder.file("taken")), FileError::Exists);
        EXPECT_EQ(renameStep(folder.file("b"), folder.file("e")), FileError::Exists);
        EXPECT_EQ(renameStep(folder.file("gone"), folder.file("y")), FileError::NotFound);
        EXPECT_EQ(faults.calls(FileCall::Link), 4);
    }
    EXPECT_EQ(contentOf("x"), "a");
    EXPECT_EQ(contentOf("b"), "b");
    EXPECT_EQ(contentOf("taken"), "taken");
    EXPECT_EQ(std::filesystem::hard_link_count(folder.file("x")), 1u);
    {
        // A folder cannot be linked anywhere: the system's own refusal leads the same way.
        InjectedFaults faults({{FileCall::Rename, EINVAL}});
        EXPECT_EQ(renameStep(folder.file("d"), folder.file("renamed")), FileError::None);
        EXPECT_EQ(renameStep(folder.file("renamed"), folder.file("e")), FileError::Exists);
    }
    EXPECT_EQ(contentOf("renamed/inner/f"), "f");
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("e")));
    // No placeholder is left behind by a rename that failed.
    EXPECT_EQ(entries(), (std::vector<std::string>{"b", "e", "renamed", "taken", "x"}));
}

INSTANTIATE_TEST_SUITE_P(ByPathsOrByFolder, RenameTest, ::testing::Bool());

// The inodes a folder's read gives are the identities a lookup gives, and the entries wanted
// come with what a lookup says of them; a folder with more entries than asked for, or none at
// all, gives nothing, so the caller looks files up instead.
TEST_F(FileSystemTest, FolderInodesMatchLookupsWithinTheLimitOnly) {
    std::map<std::string, std::uint64_t> inodes;
    std::map<std::string, FileFingerprint> found;
    for (const std::string name : {"a", "bb", "ccc"}) make(name, name);
    const auto device = listFolderInodes(
        folder.path(), 5,
        [&](std::string_view name, std::uint64_t inode) {
            inodes[std::string(name)] = inode;
            return name != "a";
        },
        [&](std::string_view name, const FileStatus& status) {
            found[std::string(name)] = fingerprintOf(status);
        });
    ASSERT_TRUE(device);
    for (const std::string name : {"a", "bb", "ccc"}) {
        const auto status = lookUpFile(folder.file(name));
        EXPECT_EQ((FileIdentity{*device, inodes[name]}), status->identity);
        if (name != "a") {
            EXPECT_EQ(found[name], fingerprintOf(*status));
        }
    }
    EXPECT_FALSE(found.contains("a"));
    const auto none = [](std::string_view, std::uint64_t) { return true; };
    const auto ignored = [](std::string_view, const FileStatus&) {};
    EXPECT_FALSE(listFolderInodes(folder.path(), 4, none, ignored));
    EXPECT_FALSE(listFolderInodes(folder.file("missing"), 5, none, ignored));
}

TEST_F(FileSystemTest, AListingTellsAFailedEntryFromOneThatVanished) {
    make("a", "a");
    make("b", "b");
    {
        InjectedFaults faults({{FileCall::ReadEntry, ENOENT, 0, "", "a"}});
        FolderListing listing(folder.path().string());
        std::vector<std::string> names;
        while (const auto entry = listing.next()) names.emplace_back(entry->name);
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

// A folder of many entries is looked up a batch at a time on two threads, in batches that grow
// while the folder answers quickly and shrink when it slows down; it still gives every entry
// once, in name order, each with what a lookup of its path says, also while another
// thread lists a folder at the same time, and leaves no descriptor open.
TEST_F(FileSystemTest, AListingOfManyEntriesIsWholeAndInOrder) {
    std::vector<std::string> expected;
    for (int i = 0; i < 4000; ++i) {
        const std::string name = expected.emplace_back("e" + std::to_string(i));
        if (i % 97 == 0) {
            std::filesystem::create_directory(folder.file(name));
        } else if (i % 89 == 0) {
            std::filesystem::create_symlink("e1", folder.file(name));
        } else {
            make(name, std::string(static_cast<std::size_t>(i % 7 + 1), 'x'));
        }
    }
    std::sort(expected.begin(), expected.end());  // lower-case ASCII: byte order is name order
    // A caller that now and then takes its time makes the batches small again.
    const auto list = [&](bool pausing = false) {
        std::vector<std::string> names;
        FolderListing listing(folder.path().string());
        while (const auto entry = listing.next()) {
            if (pausing && names.size() % 700 == 699) {
                std::this_thread::sleep_for(std::chrono::milliseconds(3));
            }
            const auto status = lookUpFile(folder.file(std::string(entry->name)));
            if (!status || status->size != entry->status.size ||
                status->isFolder != entry->status.isFolder ||
                status->isSymbolicLink != entry->status.isSymbolicLink ||
                status->identity != entry->status.identity) {
                names.push_back("wrong status: " + std::string(entry->name));
            } else {
                names.emplace_back(entry->name);
            }
        }
        if (listing.failed()) names.push_back("failed");
        return names;
    };
    const auto openDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto descriptorsBefore = openDescriptors();
    EXPECT_EQ(list(), expected);
    EXPECT_EQ(list(true), expected);
    {
        FolderListing leftHalfWay(folder.path().string());
        for (int i = 0; i < 2000; ++i) leftHalfWay.next();
    }
    EXPECT_EQ(openDescriptors(), descriptorsBefore);
    std::vector<std::string> alongside;
    std::thread other([&] { alongside = list(); });
    const auto meanwhile = list();
    other.join();
    EXPECT_EQ(meanwhile, expected);
    EXPECT_EQ(alongside, expected);
}

// A process made by fork after a long listing lists on its own second thread (the parent's
// is not there) instead of waiting for it for ever.
TEST_F(FileSystemTest, AForkedProcessListsLongFoldersToo) {
    for (int i = 0; i < 600; ++i) make("f" + std::to_string(i), "x");
    const auto count = [&] {
        FolderListing listing(folder.path().string());
        int entries = 0;
        while (listing.next()) ++entries;
        return listing.failed() ? -1 : entries;
    };
    ASSERT_EQ(count(), 600);
    const pid_t child = ::fork();
    if (child == 0) ::_exit(count() == 600 ? 0 : 1);
    int status = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// A failure deep in a long listing ends it there, after every entry before it.
TEST_F(FileSystemTest, AListingEndsAtAFailureFarIntoTheFolder) {
    std::vector<std::string> order;
    for (int i = 0; i < 600; ++i) make(order.emplace_back("f" + std::to_string(i)), "x");
    std::sort(order.begin(), order.end());  // lower-case ASCII: byte order is name order
    InjectedFaults faults({{FileCall::ReadEntry, EIO, 501}});
    FolderListing listing(folder.path().string());
    std::vector<std::string> names;
    while (const auto entry = listing.next()) names.emplace_back(entry->name);
    EXPECT_TRUE(listing.failed());
    EXPECT_EQ(names, std::vector<std::string>(order.begin(), order.begin() + 500));
    EXPECT_FALSE(listing.next());
}

}  // namespace
}  // namespace vartel

#include "platform/journal_file.h"

#include <gtest/gtest.h>

#include "../support/file_bytes.h"
#include "../support/temporary_folder.h"

namespace vartel {
namespace {

TEST(JournalFileTest, RecordsComeBackExactlyWhateverBytesThePathsHold) {
    const std::vector<JournalRecord> records = {
        {"row", "0", "/a\tb\nc\\d\re", std::string("\xFF\xFE odd", 6), ""},
        {"end"},
        {""},
    };
    std::string bytes;
    for (const auto& record : records) bytes += encodeJournalRecord(record);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3);
    const auto contents = decodeJournal(bytes);
    EXPECT_FALSE(contents.damaged);
    EXPECT_EQ(contents.records, records);
}

// Journals outlive the program that wrote them: a record's bytes, checksum included, must stay
// as earlier builds wrote them.
TEST(JournalFileTest, RecordsKeepTheBytesEarlierBuildsWrote) {
    EXPECT_EQ(encodeJournalRecord(
                  {"row", "0", "file_09004.txt", "sfile_09004.txt", "65024", "12212901", "", ""}),
              "e990620e row\t0\tfile_09004.txt\tsfile_09004.txt\t65024\t12212901\t\t\n");
    EXPECT_EQ(encodeJournalRecord({"in", "/a\tb\nc\\d\re/"}),
              "0b3c98f6 in\t/a\\tb\\nc\\\\d\\re/\n");
    EXPECT_EQ(encodeJournalRecord({"end"}), "6a8e75aa end\n");
}

TEST(JournalFileTest, ATornLastLineIsDroppedAnAlteredLineIsDamage) {
    const std::string first = encodeJournalRecord({"go"});
    const std::string second = encodeJournalRecord({"done", "/a", "/b", "r"});
    // A crash in the middle of an append leaves part of the last line.
    for (std::size_t cut = 0; cut < second.size(); ++cut) {
        const auto contents = decodeJournal(first + second.substr(0, cut));
        EXPECT_FALSE(contents.damaged) << cut;
        EXPECT_EQ(contents.records.size(), 1u) << cut;
    }
    std::string altered = first + second;
    altered[first.size() + 12] ^= 1;
    EXPECT_TRUE(decodeJournal(altered + first).damaged);
    // Altered but last: taken for a torn append, and dropped.
    const auto last = decodeJournal(altered);
    EXPECT_FALSE(last.damaged);
    EXPECT_EQ(last.records.size(), 1u);
}

TEST(JournalFileTest, WriterCreatesPrivateLockedFilesOnly) {
    TemporaryFolder folder;
    const std::string path = folder.file("a.journal");
    {
        auto writer = JournalWriter::create(path);
        ASSERT_TRUE(writer);
        EXPECT_FALSE(JournalWriter::create(path));  // never over an existing file
        EXPECT_TRUE(journalInUse(path));
        EXPECT_FALSE(JournalWriter::openToAppend(path));
        EXPECT_TRUE(writer->append({"go"}));
        EXPECT_TRUE(writer->sync());
    }
    EXPECT_FALSE(journalInUse(path));
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(decodeJournal(readBytes(path)).records, (std::vector<JournalRecord>{{"go"}}));
    // The tail starts at a whole line.
    auto writer = JournalWriter::openToAppend(path);
    ASSERT_TRUE(writer);
    writer->append({std::string(100, 'x')});
    writer->append({"end"});
    EXPECT_TRUE(writer->sync());
    EXPECT_EQ(decodeJournal(readJournalTail(path, 30)).records,
              (std::vector<JournalRecord>{{"end"}}));
}

// Records are written in blocks: a large batch reaches the file while it is appended, the
// rest on sync or when the writer closes, each line whole.
TEST(JournalFileTest, RecordsReachTheFileInBlocksAndWhenTheWriterCloses) {
    TemporaryFolder folder;
    const std::string path = folder.file("a.journal");
    std::vector<JournalRecord> records;
    {
        auto writer = JournalWriter::create(path);
        ASSERT_TRUE(writer);
        for (int i = 0; i < 5000; ++i) {
            const std::string number = std::to_string(i);
            const std::string stored = "/fol\\der/" + number + "\tname\nwith\rall\\";
            records.push_back({"step", number, stored, ""});
            ASSERT_TRUE(writer->append({"step", number, stored, ""}));
        }
        const auto early = decodeJournal(readBytes(path));
        EXPECT_FALSE(early.damaged);
        EXPECT_GT(early.records.size(), 0u);
        EXPECT_LT(early.records.size(), records.size());
        records.push_back({"end"});
        writer->append({"end"});
        // A sync that lets the caller go on while it waits has written every record when
        // it returns, and later records go on after them.
        ASSERT_TRUE(writer->sync([] { return true; }));
        EXPECT_EQ(decodeJournal(readBytes(path)).records, records);
        records.push_back({"after"});
        writer->append({"after"});
    }
    EXPECT_EQ(decodeJournal(readBytes(path)).records, records);
}

TEST(JournalFileTest, FolderFollowsTheStateHome) {
    TemporaryFolder folder;
    const char* before = std::getenv("XDG_STATE_HOME");
    const std::string saved = before != nullptr ? before : "";
    ::setenv("XDG_STATE_HOME", folder.path().c_str(), 1);
    EXPECT_EQ(journalFolder(), folder.file("vartel"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("vartel")));
    if (before != nullptr) {
        ::setenv("XDG_STATE_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_STATE_HOME");
    }
}

}  // namespace
}  // namespace vartel

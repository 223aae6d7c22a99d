#include "platform/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../support/file_bytes.h"
#include "../support/temporary_folder.h"
#include "common/error.h"

namespace vartel {
namespace {

TEST(TextFileTest, ReadsEveryLineEndAndEncoding) {
    const std::vector<Text> expected = {U"テスト", U"", U"abc"};
    const std::string samples[] = {
        "\x83\x65\x83\x58\x83\x67\r\n\r\nabc\r\n",        // code page 932, CR LF
        "\x83\x65\x83\x58\x83\x67\n\nabc",                // code page 932, LF, no final end
        "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88\r\rabc\r",  // UTF-8, CR only
        "\xEF\xBB\xBF\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88\r\n\nabc\r\n",  // UTF-8 with mark
    };
    for (const auto& bytes : samples) EXPECT_EQ(decodeTextLines(bytes), expected);
    EXPECT_TRUE(decodeTextLines("").empty());
}

TEST(TextFileTest, WritesCodePage932WhenLosslessElseUtf8WithMark) {
    EXPECT_EQ(encodeTextLines({U"テスト", U"a"}), "\x83\x65\x83\x58\x83\x67\r\na\r\n");
    // A character with no code page 932 form, and an escaped byte of a non-UTF-8 name.
    for (const Text& line : {Text(U"한국"), Text(U"x") + char32_t(0xDC83)}) {
        const std::string bytes = encodeTextLines({line});
        EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
        EXPECT_EQ(decodeTextLines(bytes), std::vector<Text>{line});
    }
}

// Long lists are encoded a piece at a time; a line that decides the encoding may come last.
TEST(TextFileTest, ALongListIsEncodedAsOneWholeWhereverTheDecidingLineIs) {
    const std::vector<Text> japanese(30000, U"/写真/旅行.jpg");
    std::string cp932;
    for (std::size_t i = 0; i < japanese.size(); ++i) cp932 += encodeTextLines({japanese[i]});
    EXPECT_EQ(encodeTextLines(japanese), cp932);

    std::vector<Text> endsInHangul = japanese;
    endsInHangul.push_back(U"한국");
    const std::string utf8 = encodeTextLines(endsInHangul);
    EXPECT_TRUE(utf8.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(decodeTextLines(utf8), endsInHangul);

    // Half-width katakana whose code page 932 bytes form valid UTF-8, after a long plain start.
    std::vector<Text> endsInKatakana(30000, U"/photos/trip.jpg");
    endsInKatakana.push_back(U"ﾃｩ");
    const std::string katakana = encodeTextLines(endsInKatakana);
    EXPECT_TRUE(katakana.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(decodeTextLines(katakana), endsInKatakana);
}

TEST(TextFileTest, WhatIsWrittenReadsBackAsTheSameLines) {
    // Half-width katakana pairs whose code page 932 bytes also form valid UTF-8.
    const std::vector<std::vector<Text>> samples = {
        {U"ﾃｩ"}, {U"ｱｲｳ", U"ﾃｽﾄ.txt"}, {U"abc"}, {U""}, {U"\uFEFFmark"}, {U"名前", U"ﾊﾟｿｺﾝ"}};
    for (const auto& lines : samples) EXPECT_EQ(decodeTextLines(encodeTextLines(lines)), lines);
    EXPECT_EQ(encodeTextLines({U"abc"}), "abc\r\n");
}

TEST(TextFileTest, FileRoundTripReplacesTheWholeFile) {
    TemporaryFolder folder;
    const std::string path = folder.file("list.csv");
    writeBytes(path, std::string(5000, 'x'));
    const std::vector<Text> lines = {U"/home/ユーザー/写真.jpg", U"①②"};
    writeTextFile(path, lines);
    EXPECT_EQ(readTextFile(path), lines);
    EXPECT_EQ(readBytes(path).size(), encodeTextLines(lines).size());
    // Only the target is left: no temporary file beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(TextFileTest, ValidUtf8OfTwoByteSequencesOnlyIsTakenAsCodePage932WhenItDecodesThere) {
    const std::vector<std::pair<std::string, Text>> cases = {
        {"\xC3\xA9", U"ﾃｩ"},                  // code page 932 katakana that also reads as "é"
        {"\xEF\xBB\xBF\xC3\xA9", U"é"},       // the mark settles it
        {"\xC3\xA9\xE3\x81\x82", U"éあ"},     // a three-byte sequence settles it
        {"\xC3\xA9\xF0\x9F\x98\x80", U"é😀"},  // and a four-byte one
        {"\xC4\x81", U"ā"},                   // not code page 932: a lead byte without its trail
        {"plain", U"plain"},
    };
    for (const auto& [bytes, line] : cases) {
        EXPECT_EQ(decodeTextLines(bytes), std::vector<Text>{line}) << bytes;
    }
}

TEST(TextFileTest, OnlyRegularFilesOfBoundedSizeAreRead) {
    TemporaryFolder folder;
    const std::string fifo = folder.file("pipe.vmc");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = folder.file("large.vmc");
    writeBytes(large, "");
    ASSERT_EQ(::truncate(large.c_str(), static_cast<off_t>(kMaxTextFileBytes + 1)), 0);
    const std::vector<std::pair<std::string, Text>> refused = {
        {fifo, U"通常のファイルではありません"},
        {"/dev/zero", U"通常のファイルではありません"},
        {folder.path().string(), U"通常のファイルではありません"},
        {large, U"ファイルが大きすぎます（64MB まで）"},
    };
    for (const auto& [path, reason] : refused) {
        try {
            readTextFile(path);
            ADD_FAILURE() << path;
        } catch (const VartelError& failure) {
            EXPECT_EQ(failure.message(), textFromBytes(path) + U": " + reason);
        }
    }
    // Reading stops where the reader says.
    const std::string list = folder.file("list.csv");
    writeBytes(list, "a\r\nb\r\nc\r\n");
    std::vector<Text> taken;
    readTextLines(list, [&](Text&& line) {
        taken.push_back(std::move(line));
        return taken.size() < 2;
    });
    EXPECT_EQ(taken, (std::vector<Text>{U"a", U"b"}));
}

class TextFileSavingTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    const std::vector<Text> lines = {U"新しい内容"};
    const std::string saved = encodeTextLines(lines);

    std::size_t entryCount() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()));
    }
};

TEST_F(TextFileSavingTest, KeepsPermissionsOwnerLinksAndHardLinks) {
    const std::string file = folder.file("target.csv");
    writeBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), 1234, 5678), 0);
    }
    writeTextFile(file, lines);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (::geteuid() == 0) {
        EXPECT_EQ(info.st_uid, 1234u);
        EXPECT_EQ(info.st_gid, 5678u);
    }

    // Through a chain of links, one of them relative: the target changes, the links stay.
    const std::string link = folder.file("link.csv");
    const std::string linkToLink = folder.file("again.csv");
    std::filesystem::create_symlink("target.csv", link);
    std::filesystem::create_symlink(link, linkToLink);
    writeTextFile(linkToLink, {U"through links"});
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_symlink(linkToLink));
    EXPECT_EQ(readTextFile(file), std::vector<Text>{U"through links"});

    // Every name of a hard-linked file still shows the one file.
    const std::string second = folder.file("second.csv");
    std::filesystem::create_hard_link(file, second);
    writeTextFile(second, lines);
    EXPECT_EQ(readBytes(file), saved);
    EXPECT_EQ(std::filesystem::hard_link_count(file), 2u);
    EXPECT_EQ(entryCount(), 4u);
}

TEST_F(TextFileSavingTest, RefusesReadOnlyFilesAndWhatIsNoFile) {
    const std::string file = folder.file("read-only.csv");
    writeBytes(file, "keep");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    try {
        writeTextFile(file, lines);
        ADD_FAILURE();
    } catch (const VartelError& failure) {
        EXPECT_EQ(failure.message(),
                  textFromBytes(file) + U": 読み取り専用のファイルには保存できません");
    }
    EXPECT_EQ(readBytes(file), "keep");
    const std::string fifo = folder.file("pipe.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(writeTextFile(fifo, lines), VartelError);
    EXPECT_EQ(entryCount(), 2u);
}

TEST_F(TextFileSavingTest, ANameOfTheLongestAllowedLengthCanBeSaved) {
    const std::string file = folder.file(std::string(251, 'n') + ".csv");
    writeTextFile(file, lines);
    writeTextFile(file, lines);  // over an existing file too
    EXPECT_EQ(readBytes(file), saved);
    EXPECT_EQ(entryCount(), 1u);
}

TEST(TextFileTest, FailuresAreReportedNotSwallowed) {
    TemporaryFolder folder;
    EXPECT_THROW(readTextFile(folder.file("missing.csv")), VartelError);
    EXPECT_THROW(writeTextFile(folder.file("no/such/folder.csv"), {U"a"}), VartelError);
}

}  // namespace
}  // namespace vartel

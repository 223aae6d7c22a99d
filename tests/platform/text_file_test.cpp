#include "platform/text_file.h"

#include <gtest/gtest.h>

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

TEST(TextFileTest, FailuresAreReportedNotSwallowed) {
    TemporaryFolder folder;
    EXPECT_THROW(readTextFile(folder.file("missing.csv")), VartelError);
    EXPECT_THROW(writeTextFile(folder.file("no/such/folder.csv"), {U"a"}), VartelError);
}

}  // namespace
}  // namespace vartel

#include "editor/multi_condition_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../support/temporary_folder.h"
#include "common/error.h"

namespace vartel {
namespace {

TEST(MultiConditionFileTest, ReadsOnlyLinesThatQualify) {
    const std::pair<Text, std::optional<MultiConditionRow>> cases[] = {
        {U"\"abc\",\"XYZ\"", MultiConditionRow{U"abc", U"XYZ"}},
        {U"\"abc\",\"", MultiConditionRow{U"abc", U""}},
        {U"\"abc\",\"XY", MultiConditionRow{U"abc", U"X"}},           // closing quote missing
        {U"\"a\",\"b\",\"c\"", MultiConditionRow{U"a", U"b\",\"c"}},  // the first separator counts
        {U"\"a\"b\",\"c\"", MultiConditionRow{U"a\"b", U"c"}},        // quotes are not escaped
        {U"\",\"x\"", MultiConditionRow{U"", U"x"}},
        {U"\"\",\"\"", MultiConditionRow{U"", U""}},
        {U" \"abc\",\"XYZ\"", std::nullopt},
        {U"abc,XYZ", std::nullopt},
        {U"\"abc\"", std::nullopt},
        {U"", std::nullopt},
    };
    for (const auto& [line, expected] : cases) {
        const auto rows = parseMultiConditionLines({line});
        if (expected) {
            ASSERT_EQ(rows.size(), 1u) << bytesFromText(line);
            EXPECT_EQ(rows[0], *expected) << bytesFromText(line);
        } else {
            EXPECT_TRUE(rows.empty()) << bytesFromText(line);
        }
    }
}

TEST(MultiConditionFileTest, SavedPairsLoadBackInOrder) {
    TemporaryFolder folder;
    const std::string path = (folder.path() / "table.csv").string();
    MultiConditionTable table{{{U"abc", U"XYZ"}, {U"日本", U"語"}, {U"abc", U""}}};
    writeMultiConditionFile(path, table);
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Code page 932: 日本 and 語 take two bytes each; every line ends in CR LF.
    EXPECT_EQ(bytes, "\"abc\",\"XYZ\"\r\n\"\x93\xfa\x96\x7b\",\"\x8c\xea\"\r\n\"abc\",\"\"\r\n");
    EXPECT_EQ(readMultiConditionFile(path), table.rows);
}

TEST(MultiConditionFileTest, MissingFileIsAnError) {
    TemporaryFolder folder;
    EXPECT_THROW(readMultiConditionFile((folder.path() / "none.csv").string()), VartelError);
}

}  // namespace
}  // namespace vartel

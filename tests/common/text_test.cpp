#include "common/text.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(TextTest, EveryByteSequenceRoundTrips) {
    const std::string samples[] = {"",
                                   "plain.txt",
                                   "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88",  // テスト
                                   "\x83\x65\x83\x58\x83\x67.txt",  // テスト in code page 932
                                   "caf\xC3\xA9 \xF0\x9F\x98\x80",  // two and four bytes
                                   "\xFF\xFE",
                                   "\xC0\xAF",          // overlong slash
                                   "\xED\xA0\x80",      // encoded surrogate
                                   "\xF4\x90\x80\x80",  // above U+10FFFF
                                   "abc\xE3\x83",       // cut sequence at the end
                                   std::string("a\0b", 3)};
    for (const auto& bytes : samples) {
        EXPECT_EQ(bytesFromText(textFromBytes(bytes)), bytes);
        EXPECT_EQ(byteLengthOf(textFromBytes(bytes)), bytes.size());
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(bytesFromText(textFromBytes(all)), all);
    EXPECT_EQ(byteLengthOf(textFromBytes(all)), all.size());
    // Texts longer than the conversions keep room for, and short ones after them.
    std::string longer;
    while (longer.size() < 300'000) longer += samples[2] + samples[3] + "\xF0\x9F\x98\x80";
    for (const auto& bytes : {longer, samples[1], longer.substr(0, 65'537), samples[3]}) {
        EXPECT_EQ(bytesFromText(textFromBytes(bytes)), bytes);
    }
    // Appended one after another, the same bytes as the whole converted at once.
    std::string appended = "kept ";
    std::string joined = appended;
    for (const auto& bytes : samples) {
        appendBytesFromText(appended, textFromBytes(bytes));
        joined += bytes;
    }
    appendBytesFromText(appended, textFromBytes(longer));
    EXPECT_EQ(appended, joined + longer);
}

TEST(TextTest, ValidUtf8DecodesToCharacters) {
    EXPECT_EQ(textFromBytes("\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88"), U"テスト");
    EXPECT_EQ(textFromBytes("\xF0\x9F\x98\x80"), Text(1, U'\U0001F600'));
    EXPECT_EQ(textFromBytes("\x83\x65").size(), 2u);  // two escaped bytes, one character each
    EXPECT_TRUE(isValidUtf8("\xE3\x83\x86"));
    EXPECT_FALSE(isValidUtf8("\x83\x65"));
}

TEST(TextTest, JoinedTextIsThePartsInOrder) {
    EXPECT_EQ(joinedText({}), U"");
    EXPECT_EQ(joinedText({U"", U"写真", U"", U".JPG"}), U"写真.JPG");
    const Text longPart(1000, U'ア');
    const Text joined = joinedText({U"a", longPart, U"b"});
    EXPECT_EQ(joined, U"a" + longPart + U"b");
}

}  // namespace
}  // namespace vartel

#include "macro/macro_line.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(CodedRowTest, KeepsWhatAFileHeldAndEqualsTheSameLineMadeByTheProgram) {
    const CodedRow read({U"0", U"x7", U"+2", U"abc", U"", U"-2"});
    EXPECT_EQ(read.value(CodedRow::Kind), 7);
    EXPECT_EQ(read.text(CodedRow::Kind), U"x7");
    EXPECT_EQ(read.value(CodedRow::Type), 2);
    EXPECT_EQ(read.text(CodedRow::Type), U"+2");
    EXPECT_FALSE(read.value(CodedRow::Operand1).has_value());
    EXPECT_EQ(read.text(CodedRow::Operand1), U"abc");
    EXPECT_EQ(read.text(CodedRow::Operand2), U"");
    EXPECT_EQ(read.text(CodedRow::Operand3), U"-2");

    const CodedRow plain({U"66", U"0", U"1", U"-2", U"0", U"0"});
    EXPECT_EQ(plain, CodedRow(66, AssignType::Text, -2, 0, 0));
    EXPECT_TRUE(plain.holds(AssignType::Text));
    EXPECT_FALSE(plain.holds(AssignType::Number));
    EXPECT_NE(read, CodedRow(0, {7, 2}, 0, 0, -2));
}

}  // namespace
}  // namespace vartel

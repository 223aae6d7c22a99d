#include "editor/line_input.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(LineInputTest, DigitsFollowTheWidthSwitch) {
    struct Case {
        DigitWidth width;
        Text field;
        std::optional<int> code;  // what the field names as a target
    };
    const Case cases[] = {
        {DigitWidth::Full, U"文字１２", 44},
        {DigitWidth::Half, U"文字12", std::nullopt},
    };
    for (const auto& c : cases) {
        LineInput input;
        putShortcutText(input, InputField::Target, U"文字");
        appendDigit(input, InputField::Target, 1, c.width);
        appendDigit(input, InputField::Target, 2, c.width);
        EXPECT_EQ(input.target, c.field);
        EXPECT_EQ(targetCodeOf(input.target), c.code);
    }
    LineInput input;
    for (int digit = 0; digit <= 9; ++digit)
        appendDigit(input, InputField::Operand3, digit, DigitWidth::Full);
    EXPECT_EQ(input.operands[2], U"０１２３４５６７８９");
    // Without a focused field the buttons do nothing.
    appendDigit(input, std::nullopt, 1, DigitWidth::Full);
    putShortcutText(input, std::nullopt, U"数値");
    EXPECT_TRUE(input.target.empty());
    EXPECT_EQ(input.operands[2], U"０１２３４５６７８９");
}

}  // namespace
}  // namespace vartel

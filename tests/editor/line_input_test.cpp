#include "editor/line_input.h"

#include <gtest/gtest.h>

#include "macro/instruction_catalogue.h"

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
}

TEST(LineInputTest, ShortcutsActOnlyOnTheFocusedField) {
    LineInput input{U"t", {U"a", U"b", U"c"}, std::nullopt, std::nullopt};
    const LineInput before = input;
    putShortcutText(input, std::nullopt, U"数値");
    appendDigit(input, std::nullopt, 1, DigitWidth::Full);
    EXPECT_EQ(input, before);
    putShortcutText(input, InputField::Operand2, U"ファイル名");
    putShortcutText(input, InputField::Target, U"");
    EXPECT_EQ(input, (LineInput{U"", {U"a", U"ファイル名", U"c"}, std::nullopt, std::nullopt}));
}

TEST(LineInputTest, ChoosingAKindChoosesItsFirstTypeAndShowsItsReference) {
    LineInput input;
    EXPECT_EQ(referenceOf(input), nullptr);
    chooseKind(input, kKindReplace);
    EXPECT_EQ(input.type, std::optional<int>(0));
    ASSERT_NE(referenceOf(input), nullptr);
    EXPECT_EQ(referenceOf(input)->name, U"置換（大小区別）");
    // What "＊" on the shortcut tab does.
    chooseKind(input, kKindArithmetic);
    chooseType(input, 2);
    EXPECT_EQ(referenceOf(input)->name, U"数値演算（＊）");
}

}  // namespace
}  // namespace vartel

#include "macro/operand_validation.h"

#include <gtest/gtest.h>

#include "macro/instruction_catalogue.h"

namespace vartel {
namespace {

struct ValidationCase {
    Text kind, type, target, a, b, c;
    int failures;
    std::array<int, 4> codes;
};

LineCheck check(const ValidationCase& c) {
    const int kind = InstructionCatalogue::kindIndexOf(c.kind).value();
    return validateLine(c.target, {c.a, c.b, c.c},
                        {kind, InstructionCatalogue::typeIndexOf(kind, c.type).value()});
}

TEST(OperandValidationTest, ChecksEveryPositionAgainstItsDigit) {
    const ValidationCase cases[] = {
        {U"代入", U"数値", U"数値１", U"5", U"", U"", 0, {1, -1, 0, 0}},
        {U"代入", U"数値", U"文字１", U"5", U"", U"", 1, {33, -1, 0, 0}},
        {U"代入", U"文字", U"ファイル名", U"abc", U"", U"", 0, {65, -2, 0, 0}},
        {U"代入", U"文字", U"拡張子", U"数値1", U"", U"", 0, {66, -2, 0, 0}},
        {U"代入", U"文字", U"文字１", U"数値１", U"", U"", 1, {33, 1, 0, 0}},
        {U"文字出力", U"コピー", U"文字１", U"ファイル名", U"1", U"3", 0, {33, 65, -1, -1}},
        {U"文字出力", U"コピー", U"文字１", U"ファイル名", U"数値１", U"3", 0, {33, 65, 1, -1}},
        {U"文字出力", U"コピー", U"文字１", U"ファイル名", U"abc", U"3", 1, {33, 65, -2, -1}},
        {U"文字出力", U"コピー", U"数値１", U"ファイル名", U"1", U"3", 1, {1, 65, -1, -1}},
        {U"文字出力", U"コピー", U"", U"", U"", U"", 4, {0, 0, 0, 0}},
        {U"文字出力", U"結合", U"文字１", U"", U"", U"", 0, {33, 0, 0, 0}},
        {U"文字出力", U"結合", U"", U"a", U"", U"", 1, {0, -2, 0, 0}},
        {U"削除", U"削除", U"文字１", U"ファイル名", U"1", U"1", 1, {33, 65, -1, -1}},
        {U"削除", U"削除", U"", U"ファイル名 ", U"1", U"1", 0, {0, -2, -1, -1}},
        {U"ジャンプ", U"ジャンプ", U"", U"10", U"", U"", 0, {0, -1, 0, 0}},
        {U"ジャンプ", U"ジャンプ", U"", U"数値１", U"", U"", 1, {0, 1, 0, 0}},
        {U"ジャンプ", U"アンカー", U"", U"abc", U"", U"", 1, {0, -2, 0, 0}},
        // Digit 5: a comparable pair uses up the next position; a refused pair leaves the next
        // position to its own digit (0 here), so it fails twice.
        {U"条件処理", U"＝", U"", U"数値１", U"5", U"", 0, {0, 1, -1, 0}},
        {U"条件処理", U"＝", U"", U"文字１", U"abc", U"", 0, {0, 33, -2, 0}},
        {U"条件処理", U"＝", U"", U"5", U"文字１", U"", 0, {0, -1, 33, 0}},
        {U"条件処理", U"＜＞", U"", U"固定数値２", U"固定文字２", U"", 2, {0, 18, 50, 0}},
        {U"条件処理", U"＝", U"", U"数値１", U"abc", U"", 2, {0, 1, -2, 0}},
        {U"条件処理", U"＝", U"", U"数値１", U"", U"", 1, {0, 1, 0, 0}},
        {U"条件処理", U"＝", U"", U"数値１", U"5", U"x", 1, {0, 1, -1, -2}},
        {U"条件処理", U"＞", U"", U"数値１", U"abc", U"", 1, {0, 1, -2, 0}},
        {U"情報", U"コメント", U"", U"any", U"数値１", U"", 0, {0, -2, 1, 0}},
        {U"情報", U"コメント", U"文字１", U"any", U"", U"", 1, {33, -2, 0, 0}},
        {U"複数条件", U"完全一致", U"文字１", U"ファイル名", U"", U"", 0, {33, 65, 0, 0}},
        {U"複数条件", U"部分一致", U"文字１", U"ファイル名", U"", U"x", 1, {33, 65, 0, -2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(bytesFromText(c.kind + U" " + c.type + U" " + c.target + U"=" + c.a + U"," +
                                   c.b + U"," + c.c));
        const LineCheck result = check(c);
        EXPECT_EQ(result.failures, c.failures);
        EXPECT_EQ(result.codes, c.codes);
    }
}

TEST(OperandValidationTest, ATargetThatNamesNothingFailsOnce) {
    for (const Text target : {U"数値", U"数値1", U"abc", U"5", U"ファイル名 "}) {
        const LineCheck result = validateLine(target, {U"x", U"y", U"z"}, {0, 0});
        EXPECT_EQ(result.failures, 1) << bytesFromText(target);
        EXPECT_EQ(result.codes, (std::array<int, 4>{}));
    }
}

TEST(OperandValidationTest, UndefinedKindOrTypeAcceptsNothing) {
    EXPECT_EQ(validateLine(U"", {U"", U"", U""}, {12, 4}).failures, 4);
    EXPECT_EQ(validateLine(U"", {U"", U"", U""}, {15, 0}).failures, 4);
}

TEST(OperandValidationTest, ClearLineInputEmptiesTheInput) {
    LineInput input{U"文字１", {U"a", U"b", U"c"}, 1, 2};
    clearLineInput(input);
    EXPECT_EQ(input, LineInput{});
    EXPECT_FALSE(input.kind.has_value());
}

}  // namespace
}  // namespace vartel

#include "macro/instructions.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "../support/macro_builder.h"
#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"
#include "common/error.h"
#include "common/message_text.h"
#include "macro/macro_interpreter.h"
#include "macro/messages.h"

namespace vartel {
namespace {

class SettableCount : public CheckedFileCount {
  public:
    int count = 0;
    int checkedFileCount() const override { return count; }
};

// One instruction line run through runMacro, the target read back from the store.
class InstructionTest : public ::testing::Test {
  protected:
    Text runLine(const Text& kind, const Text& type, const Text& a = {}, const Text& b = {},
                 const Text& c = {}) {
        const int kindIndex = InstructionCatalogue::kindIndexOf(kind).value();
        const int typeIndex = InstructionCatalogue::typeIndexOf(kindIndex, type).value();
        const int signature = InstructionCatalogue::signatureCode({kindIndex, typeIndex}).value();
        const Text target =
            InstructionCatalogue::signatureDigit(signature, 0) == 1 ? U"数値１" : U"文字１";
        run(programOf({typedLine(target, kind, type, a, b, c)}));
        return store.slot(variableCode(target).value());
    }
    std::optional<Text> run(const MacroProgram& program, const Text& name = U"name") {
        MacroInterpreter interpreter(program, store, table, {dialogs, clock, count});
        trace.clear();
        return interpreter.runMacro(name, U"txt", fullPath, &trace);
    }

    VariableStore store;
    MultiConditionTable table;
    ScriptedDialogs dialogs;
    FixedClock clock{{2006, 6, 4, 17, 21, 0}};
    SettableCount count;
    Text fullPath = U"/tmp/name.txt";
    std::vector<TraceRow> trace;
};

struct Case {
    Text kind, type, a, b, c, expected;
};

TEST_F(InstructionTest, TextInstructions) {
    const Case cases[] = {
        {U"文字出力", U"コピー", U"テスト文字列", U"2", U"3", U"スト文"},
        {U"文字出力", U"コピー", U"ABC", U"0", U"3", U"AAB"},
        {U"文字出力", U"コピー", U"ABC", U"-1", U"4", U"AAAB"},
        {U"文字出力", U"コピー", U"ABC", U"3", U"5", U"C"},
        {U"文字出力", U"コピー", U"ABC", U"5", U"3", U""},
        {U"文字出力", U"コピー", U"ABC", U"2", U"0", U""},
        {U"文字出力", U"コピー", U"ABC", U"2", U"-2147483648", U""},
        {U"文字出力", U"コピー", U"ABC", U"-2147483648", U"3", U"AAA"},
        {U"文字出力", U"コピー", U"ABC", U"2147483647", U"2147483647", U""},
        {U"文字出力", U"コピー", U"", U"0", U"5", U""},
        {U"文字出力", U"挿入", U"テ文字列", U"スト", U"1", U"テスト文字列"},
        {U"文字出力", U"挿入", U"テ文字列", U"スト", U"0", U"ストテ文字列"},
        {U"文字出力", U"挿入", U"テ文字列", U"スト", U"-2147483648", U"ストテ文字列"},
        {U"文字出力", U"挿入", U"テ文字列", U"スト", U"99", U"テ文字列スト"},
        {U"文字出力", U"結合", U"", U"", U"", U""},
        {U"削除", U"空白削除（先）", U"　 \tab", {}, {}, U"ab"},
        {U"削除", U"空白削除（先）", U" \t　ab", {}, {}, U"ab"},
        {U"削除", U"空白削除（先）", U"　\tab", {}, {}, U"\tab"},
        {U"削除", U"空白削除（先）", U"\t ab", {}, {}, U"\t ab"},
        {U"削除", U"空白削除（先）", U"  　 ", {}, {}, U""},
        {U"削除", U"空白削除（先）", U" ab ", {}, {}, U"ab "},
        {U"削除", U"空白削除（末）", U"ab\t　 ", {}, {}, U"ab\t"},
        {U"削除", U"空白削除（末）", U"ab　 \t", {}, {}, U"ab　 \t"},
        {U"削除", U"空白削除（末）", U" ab ", {}, {}, U" ab"},
        {U"置換処理", U"大小区別", U"ABCDabcd", U"ab", U"EF", U"ABCDEFcd"},
        {U"置換処理", U"区別なし", U"ABCDabcd", U"ab", U"EF", U"EFCDEFcd"},
        {U"置換処理", U"区別なし", U"ＡＢＣ", U"ｂ", U"x", U"ＡxＣ"},
        {U"置換処理", U"大小区別", U"aaa", U"aa", U"b", U"ba"},
        {U"置換処理", U"大小区別", U"aXa", U"a", U"aa", U"aaXaa"},
        {U"置換処理", U"大小区別", U"abab", U"ab", U"", U""},
        {U"置換処理", U"大小区別", U"abc", U"", U"X", U"abc"},
        {U"検索", U"大小区別", U"ABCDabcd", U"ab", {}, U"5"},
        {U"検索", U"区別なし", U"ABCDabcd", U"ab", {}, U"1"},
        {U"置換処理", U"正規表現", U"IMG_0012", U"IMG_(\\d+)", U"写真$1", U"写真0012"},
        {U"置換処理", U"正規表現", U"ABab", U"(?i)b", U"-", U"A-a-"},
        {U"検索", U"正規表現", U"写真ABC123", U"[0-9]+", {}, U"6"},
        {U"検索", U"正規表現", U"ABC", U"[0-9]", {}, U"0"},
        {U"変換", U"全角英数→半角", U"ＡＢＣ１２３", {}, {}, U"ABC123"},
        {U"変換", U"半角英数→全角", U"AB 1", {}, {}, U"ＡＢ　１"},
        {U"変換", U"半角カナ→全角", U"ｶﾞｲﾄﾞ", {}, {}, U"ガイド"},
        {U"変換", U"全角カナ→半角", U"ガイド", {}, {}, U"ｶﾞｲﾄﾞ"},
        {U"変換", U"ひらがな→カタカナ", U"しゃしん", {}, {}, U"シャシン"},
        {U"変換", U"カタカナ→ひらがな", U"シャシン", {}, {}, U"しゃしん"},
        {U"変換", U"NFC正規化", U"カ\u3099", {}, {}, U"ガ"},
        {U"変換", U"文字化け修復", U"éáéóéñ", {}, {}, U"あいう"},
        {U"変換", U"読み（カタカナ）", U"東京タワー", {}, {}, U"トウキョウタワー"},
        {U"変換", U"読み（ひらがな）", U"東京タワー", {}, {}, U"とうきょうたわー"},
        {U"変換", U"ローマ字", U"東京タワー", {}, {}, U"tokyotawa"},
        {U"変換", U"漢数字→数字", U"第十二話", {}, {}, U"第12話"},
        {U"変換", U"数字→漢数字", U"第12話", {}, {}, U"第十二話"},
        {U"検索", U"区別なし", U"ｘＡＢ", U"ａｂ", {}, U"2"},
        {U"検索", U"大小区別", U"abcab", U"abx", {}, U"4"},
        {U"検索", U"大小区別", U"xab", U"abc", {}, U"2"},
        {U"検索", U"大小区別", U"aab", U"ab", {}, U"2"},
        {U"検索", U"大小区別", U"abc", U"xyz", {}, U"0"},
        {U"検索", U"大小区別", U"", U"a", {}, U"0"},
        {U"変換", U"大→小", U"ABcＡＢ", {}, {}, U"abcａｂ"},
        {U"変換", U"小→大", U"abCａｂ", {}, {}, U"ABCＡＢ"},
        {U"変換", U"数値→文字", U"$1F", {}, {}, U"31"},
        {U"変換", U"文字→数値", U"  007", {}, {}, U"7"},
        {U"情報", U"文字数", U"テスト文字列ABC", {}, {}, U"9"},
        {U"数値演算", U"＋", U"2147483647", U"1", {}, U"-2147483648"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            bytesFromText(c.kind + U" " + c.type + U" [" + c.a + U"][" + c.b + U"][" + c.c + U"]"));
        EXPECT_EQ(runLine(c.kind, c.type, c.a, c.b, c.c), c.expected);
    }
}

TEST_F(InstructionTest, DeleteWritesIntoTheFirstOperandsSlot) {
    struct DeleteCase {
        Text at, count, expected;
    };
    const DeleteCase cases[] = {
        {U"3", U"2", U"テス字列"},      {U"0", U"2", U"テスト文字列"},
        {U"9", U"2", U"テスト文字列"},  {U"7", U"1", U"テスト文字列"},
        {U"6", U"1", U"テスト文字"},    {U"5", U"10", U"テスト文"},
        {U"1", U"2147483647", U""},     {U"-2147483648", U"3", U"テスト文字列"},
        {U"2", U"-1", U"テスト文字列"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(bytesFromText(c.at + U"," + c.count));
        const auto program =
            programOf({typedLine(U"", U"削除", U"削除", U"ファイル名", c.at, c.count),
                       typedLine(U"", U"削除", U"削除", U"文字２", c.at, c.count)});
        store.slot(34) = U"テスト文字列";
        EXPECT_EQ(run(program, U"テスト文字列"), c.expected + U".txt");
        EXPECT_EQ(store.slot(34), c.expected);
        EXPECT_EQ(trace[0].operandTexts[0], c.expected);
    }
}

TEST_F(InstructionTest, DeleteOfALiteralKeepsItsResultOutOfTheStore) {
    const VariableStore before = [&] {
        for (int code = 1; code <= kVariableCount; ++code) store.slot(code) = U"0";
        return store;
    }();
    const auto program = programOf({typedLine(U"", U"削除", U"削除", U"テスト文字列", U"3", U"2"),
                                    typedLine(U"", U"削除", U"削除", U"12345", U"1", U"1")});
    EXPECT_EQ(run(program), U"name.txt");
    for (int code = 0; code < kSlotCount; ++code) {
        if (code != kFileNameCode && code != kExtensionCode) {
            EXPECT_EQ(store.slot(code), before.slot(code));
        }
    }
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[0].operandTexts[0], U"テス字列");
}

TEST_F(InstructionTest, ResultsBeyondAnyNameLengthFailCleanly) {
    EXPECT_THROW(runLine(U"文字出力", U"コピー", U"ABC", U"-2147483648", U"2147483647"),
                 VartelError);
    // Doubling a text in a loop stops with the same report instead of exhausting memory.
    dialogs.answers.assign(100, Answer::No);
    const auto program =
        programOf({typedLine(U"文字１", U"代入", U"文字", U"ab"),
                   typedLine(U"", U"ジャンプ", U"アンカー", U"1"),
                   typedLine(U"文字１", U"文字出力", U"結合", U"文字１", U"文字１"),
                   typedLine(U"", U"ジャンプ", U"ジャンプ", U"1")});
    try {
        run(program);
        FAIL() << "no failure";
    } catch (const VartelError& failure) {
        EXPECT_EQ(failure.message(), messages::kTextTooLong);
    }
}

TEST_F(InstructionTest, AnInvalidExpressionFailsTheRunNamingTheProblem) {
    for (const Text type : {U"置換処理", U"検索"}) {
        try {
            runLine(type, U"正規表現", U"abc", U"(a", U"x");
            ADD_FAILURE() << "no failure";
        } catch (const VartelError& failure) {
            EXPECT_EQ(failure.message(),
                      U"正規表現が正しくありません：括弧の対応が取れていません（3文字目）");
        }
    }
}

TEST_F(InstructionTest, TextToNumberRefusesATextThatIsNoInteger) {
    for (const Text text : {U"abc", U"１２", U"12 ", U""}) {
        store.slot(33) = text;
        try {
            runLine(U"変換", U"文字→数値", U"文字１");
            ADD_FAILURE() << bytesFromText(text);
        } catch (const VartelError& failure) {
            EXPECT_EQ(failure.message(), fillIn(messages::kNotAnInteger, U"%s", text));
        }
    }
}

TEST_F(InstructionTest, FileCountIsReadWhenTheLineRuns) {
    count.count = 7;
    EXPECT_EQ(runLine(U"情報", U"ファイル数"), U"7");
    count.count = 0;
    EXPECT_EQ(runLine(U"情報", U"ファイル数"), U"0");
}

TEST_F(InstructionTest, MultipleConditionsTakeTheFirstMatchingRow) {
    EXPECT_EQ(runLine(U"複数条件", U"完全一致", U"abc", U"none"), U"none");
    table.rows = {{U"", U"empty"},
                  {U"ABC", U"upper"},
                  {U"bc", U"first"},
                  {U"abc", U"exact"},
                  {U"b", U"second"}};
    const Case cases[] = {
        {U"複数条件", U"完全一致", U"abc", U"none", {}, U"exact"},
        {U"複数条件", U"完全一致", U"ab", U"none", {}, U"none"},
        {U"複数条件", U"完全一致", U"", U"none", {}, U"empty"},
        {U"複数条件", U"部分一致", U"xabc", U"none", {}, U"first"},
        {U"複数条件", U"部分一致", U"b", U"none", {}, U"second"},
        {U"複数条件", U"部分一致", U"xyz", U"none", {}, U"none"},
        {U"複数条件", U"部分一致", U"", U"", {}, U""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(bytesFromText(c.type + U" " + c.a));
        EXPECT_EQ(runLine(c.kind, c.type, c.a, c.b), c.expected);
    }
}

TEST_F(InstructionTest, DatesWithoutLeadingZeros) {
    struct DateCase {
        LocalDateTime at;
        Text type, pattern, expected;
    };
    const DateCase cases[] = {
        {{2006, 6, 4, 0, 0, 0}, U"タイプ１", {}, U"2006年6月4日"},
        {{2006, 6, 4, 0, 0, 0}, U"タイプ２", {}, U"200664"},
        {{2006, 12, 25, 0, 0, 0}, U"タイプ２", {}, U"20061225"},
        {{2006, 6, 4, 0, 0, 0}, U"正規表現", U"%y/%m/%d %mi %M", U"2006/6/4 6i %M"},
        {{2019, 5, 1, 0, 0, 0},
         U"正規表現",
         U"%wareki%m月%d日(%era%ey)",
         U"令和元年5月1日(令和元)"},
        {{2019, 4, 30, 0, 0, 0}, U"元号", {}, U"平成"},
        {{2019, 4, 30, 0, 0, 0}, U"和暦年", {}, U"31"},
        {{2019, 5, 1, 0, 0, 0}, U"和暦年", {}, U"元"},
        {{2024, 6, 4, 0, 0, 0}, U"和暦", {}, U"令和6年"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(bytesFromText(c.expected));
        clock.set(c.at);
        EXPECT_EQ(runLine(U"日付", c.type, c.pattern), c.expected);
    }
}

TEST_F(InstructionTest, TimesInTwelveAndTwentyFourHours) {
    struct TimeCase {
        int hour, minute;
        Text type1, type2, type3, pattern;
    };
    const TimeCase cases[] = {
        {0, 5, U"午前0時5分", U"0時5分", U"05", U"午前0時5分 0"},
        {9, 5, U"午前9時5分", U"9時5分", U"95", U"午前9時5分 9"},
        {12, 0, U"午前12時0分", U"12時0分", U"120", U"午前12時0分 12"},
        {12, 30, U"午前12時30分", U"12時30分", U"1230", U"午前12時30分 12"},
        {13, 0, U"午後1時0分", U"13時0分", U"130", U"午後1時0分 13"},
        {17, 21, U"午後5時21分", U"17時21分", U"1721", U"午後5時21分 17"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hour * 100 + c.minute);
        clock.set({2006, 6, 4, c.hour, c.minute, 0});
        EXPECT_EQ(runLine(U"時刻", U"タイプ１"), c.type1);
        EXPECT_EQ(runLine(U"時刻", U"タイプ２"), c.type2);
        EXPECT_EQ(runLine(U"時刻", U"タイプ３"), c.type3);
        EXPECT_EQ(runLine(U"時刻", U"正規表現", U"%mora%h12時%mi分 %h24"), c.pattern);
    }
}

class FileInstructionTest : public InstructionTest {
  protected:
    void SetUp() override {
        setenv("TZ", "Asia/Tokyo", 1);
        tzset();
    }
    std::string makeFile(const std::string& name, std::int64_t size) {
        const std::string path = (folder.path() / name).string();
        std::ofstream(path).close();
        EXPECT_EQ(::truncate(path.c_str(), size), 0);
        return path;
    }
    TemporaryFolder folder;
};

TEST_F(FileInstructionTest, ParentFolderName) {
    const std::pair<Text, Text> cases[] = {
        {U"/home/テスト/ファイル１.txt", U"テスト"},
        {U"/a.txt", U""},
        {U"a.txt", U""},
        {U"/x/y/", U"y"},
    };
    for (const auto& [path, expected] : cases) {
        fullPath = path;
        EXPECT_EQ(runLine(U"ファイル関連", U"上位フォルダ名"), expected) << bytesFromText(path);
    }
}

TEST_F(FileInstructionTest, SizeKeepsTheLow32BitsAndIsZeroForAMissingFile) {
    const std::pair<std::int64_t, Text> cases[] = {{0, U"0"},
                                                   {5, U"5"},
                                                   {2147483647, U"2147483647"},
                                                   {2147483648 + 5, U"-2147483643"},
                                                   {4294967296 + 7, U"7"}};
    for (const auto& [size, expected] : cases) {
        fullPath = textFromBytes(makeFile("ファイル", size));
        EXPECT_EQ(runLine(U"ファイル関連", U"サイズ"), expected) << size;
    }
    fullPath = textFromBytes((folder.path() / "missing").string());
    EXPECT_EQ(runLine(U"ファイル関連", U"サイズ"), U"0");
}

TEST_F(FileInstructionTest, ModifiedTimeFillsThePatternInItsOrder) {
    const std::string path = makeFile("日付.txt", 1);
    const timespec times[2] = {{1149408309, 0}, {1149408309, 0}};  // 2006-06-04 17:05:09 in Tokyo
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    fullPath = textFromBytes(path);
    EXPECT_EQ(runLine(U"ファイル関連", U"更新日時", U"%y-%m-%d %h24:%mi %mora%h12時"),
              U"2006-6-4 17:5 午後5時");
    EXPECT_EQ(runLine(U"ファイル関連", U"更新日時", U"%m%mi%mora"), U"65午後");
    EXPECT_EQ(runLine(U"ファイル関連", U"更新日時", U"%y%0m%0d_%0h24%0mi%0s"), U"20060604_170509");
}

TEST_F(FileInstructionTest, ModifiedTimeOfAMissingFileFailsTheRun) {
    fullPath = textFromBytes((folder.path() / "missing.txt").string());
    try {
        runLine(U"ファイル関連", U"更新日時", U"%y");
        FAIL() << "no failure";
    } catch (const VartelError& failure) {
        EXPECT_EQ(failure.message(), fillIn(messages::kFileNotFound, U"%s", fullPath));
    }
}

}  // namespace
}  // namespace vartel

#include "macro/macro_file.h"

#include <gtest/gtest.h>

#include "../support/file_bytes.h"
#include "../support/macro_builder.h"
#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"
#include "macro/messages.h"
#include "platform/text_file.h"

namespace vartel {
namespace {

class MacroFileTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    ScriptedDialogs dialogs;
    std::string path = folder.file("macro.vmc");
};

MacroProgram sampleProgram() {
    auto program = programOf({
        typedLine(U"文字１", U"文字出力", U"コピー", U"ファイル名", U"1", U"3"),
        typedLine(U"", U"条件処理", U"＝", U"文字１", U"abc"),
        typedLine(U"", U"条件処理", U"条件開始"),
        typedLine(U"ファイル名", U"文字出力", U"結合", U"文字１", U"_", U""),
        typedLine(U"", U"条件処理", U"条件終了"),
    });
    program.setInitialValue(3, U"15");
    program.setInitialValue(64, U"日本語の値");
    return program;
}

TEST_F(MacroFileTest, RoundTripKeepsBothRowsAndTheTables) {
    const MacroProgram saved = sampleProgram();
    saveMacroFile(saved, path, U"テスト用マクロ");
    // Every character fits code page 932, so that is what is written.
    EXPECT_FALSE(readBytes(path).starts_with("\xEF\xBB\xBF"));
    EXPECT_NE(readBytes(path).find("\r\n"), std::string::npos);

    MacroProgram loaded;
    ASSERT_TRUE(loadMacroFile(loaded, path, dialogs));
    EXPECT_EQ(loaded.lines(), saved.lines());
    EXPECT_EQ(loaded.tables(), saved.tables());
    EXPECT_EQ(loaded.title(), U"");  // loading does not apply the title
    EXPECT_EQ(readMacroCaption(path), U"テスト用マクロ");
}

TEST_F(MacroFileTest, TextsOutsideTheCodePageSurviveAsUtf8) {
    auto program = programOf({typedLine(U"文字１", U"代入", U"文字", U"한국어 ✓")});
    saveMacroFile(program, path, U"t");
    EXPECT_TRUE(readBytes(path).starts_with("\xEF\xBB\xBF"));
    MacroProgram loaded;
    ASSERT_TRUE(loadMacroFile(loaded, path, dialogs));
    EXPECT_EQ(loaded.line(0).display.operands[0], U"한국어 ✓");
}

TEST_F(MacroFileTest, WritesTheDocumentedLayout) {
    saveMacroFile(programOf({typedLine(U"数値１", U"代入", U"数値", U"5")}), path, U"t");
    const auto lines = readTextFile(path);
    ASSERT_GT(lines.size(), 19u);
    const std::vector<Text> head(lines.begin(), lines.begin() + 19);
    EXPECT_EQ(head,
              (std::vector<Text>{U"[Main]", U"Caption=t", U"Version=0.3", U"LineCount=1", U"[So1]",
                                 U"Sub=数値１", U"Kind=代入", U"Type=数値", U"Vari1=5", U"Vari2=",
                                 U"Vari3=", U"[So1-Int]", U"Sub=1", U"Kind=0", U"Type=0",
                                 U"Vari1=-1", U"Vari2=0", U"Vari3=0", U"[Val1]"}));
    EXPECT_EQ(lines[19], U"Str0=数値１=0");
    EXPECT_EQ(lines.back(), U"Str15=固定文字１６=0");
}

TEST_F(MacroFileTest, SavingOverALongerFileLeavesNoOldSections) {
    saveMacroFile(sampleProgram(), path, U"long");
    saveMacroFile(programOf({typedLine(U"数値１", U"代入", U"数値", U"5")}), path, U"short");
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.find("[So2]"), std::string::npos);
    EXPECT_EQ(bytes.find("[So5-Int]"), std::string::npos);
    MacroProgram loaded;
    ASSERT_TRUE(loadMacroFile(loaded, path, dialogs));
    EXPECT_EQ(loaded.lineCount(), 1);
}

TEST_F(MacroFileTest, OtherVersionsAreRefusedAndChangeNothing) {
    const MacroProgram before = sampleProgram();
    for (const std::string content :
         {"[Main]\r\nVersion=0.1\r\nLineCount=0\r\n", "[Main]\r\nLineCount=0\r\n", "",
          "garbage\x01\x02", "[Main]\r\nVersion=0.30\r\n"}) {
        writeBytes(path, content);
        MacroProgram program = before;
        dialogs.messages.clear();
        EXPECT_FALSE(loadMacroFile(program, path, dialogs));
        EXPECT_EQ(dialogs.messages, std::vector<Text>{messages::kVersionMismatch});
        EXPECT_EQ(program.lines(), before.lines());
        EXPECT_EQ(program.tables(), before.tables());
    }
    MacroProgram program;
    EXPECT_FALSE(loadMacroFile(program, folder.file("missing.vmc"), dialogs));
}

TEST_F(MacroFileTest, HandWrittenFilesTakeDefaultsForMissingKeys) {
    // LF-only and CR-only line ends, keys in other case, quoted and padded values.
    for (const std::string end : {"\n", "\r"}) {
        writeBytes(path, "[MAIN]" + end + "version = \"0.3\"" + end + "LineCount=3" + end +
                             "[so1]" + end + "Sub=" + end + "Vari1=  x  " + end + "[So1-Int]" +
                             end + "Sub=0" + end + "Kind=6" + end + "Type=2" + end + "Vari1=-2" +
                             end + "Vari2=0" + end + "Vari3=0" + end + "[Val1]" + end +
                             "Str2=\xE6\x95\xB0\xE5\x80\xA4\xEF\xBC\x93=15" + end);
        MacroProgram program;
        ASSERT_TRUE(loadMacroFile(program, path, dialogs));
        ASSERT_EQ(program.lineCount(), 3);
        EXPECT_EQ(program.line(0).display.operands[0], U"x");
        EXPECT_EQ(program.line(1).display, DisplayRow());
        EXPECT_EQ(program.line(2).coded.text(CodedRow::Kind), U"");
        EXPECT_EQ(program.initialValue(3), U"15");
        EXPECT_EQ(program.tables()[0].entries[2].name, U"数値３");
        EXPECT_EQ(program.initialValue(4), U"0");
        EXPECT_EQ(program.tables()[3].entries[15].name, U"固定文字１６");
    }
}

TEST_F(MacroFileTest, BrokenCountsNeverCrash) {
    for (const std::string count : {"-5", "abc", "99999999999", "2147483647"}) {
        writeBytes(path, "[Main]\r\nVersion=0.3\r\nLineCount=" + count + "\r\n");
        MacroProgram program = sampleProgram();
        const bool loaded = loadMacroFile(program, path, dialogs);
        if (loaded)
            EXPECT_EQ(program.lineCount(), 0);
        else
            EXPECT_EQ(program.lineCount(), sampleProgram().lineCount());
    }
}

TEST_F(MacroFileTest, AnInitialValueHoldingEqualsSignsKeepsThem) {
    MacroProgram saved = sampleProgram();
    saved.setInitialValue(33, U"a=b");
    saved.setInitialValue(34, U"==");
    saveMacroFile(saved, path, U"t");
    MacroProgram loaded;
    ASSERT_TRUE(loadMacroFile(loaded, path, dialogs));
    EXPECT_EQ(loaded.initialValue(33), U"a=b");
    EXPECT_EQ(loaded.initialValue(34), U"==");
    EXPECT_EQ(loaded.tables(), saved.tables());
}

TEST_F(MacroFileTest, TheLargestLineCountLoadsAndOneMoreIsRefused) {
    for (const int count : {kMaxMacroLines, kMaxMacroLines + 1}) {
        writeBytes(path, "[Main]\r\nVersion=0.3\r\nLineCount=" + std::to_string(count) + "\r\n");
        MacroProgram program;
        dialogs.messages.clear();
        const bool accepted = count <= kMaxMacroLines;
        EXPECT_EQ(loadMacroFile(program, path, dialogs), accepted) << count;
        EXPECT_EQ(program.lineCount(), accepted ? count : 0) << count;
        EXPECT_EQ(dialogs.messages.size(), accepted ? 0U : 1U) << count;
    }
}

TEST_F(MacroFileTest, BlanksAndQuotesAtTheEndsOfTextsSurviveSaving) {
    const std::vector<Text> operands = {U" ",  U"\t_", U"a ", U"'x'",
                                        U"\"", U"\"q", U"''", U"mid dle"};
    std::vector<MacroLine> lines;
    for (const auto& operand : operands) {
        lines.push_back(
            typedLine(U"文字１", U"置換処理", U"大小区別", U"ファイル名", operand, U"_"));
    }
    MacroProgram saved = programOf(lines);
    saved.setInitialValue(33, U" padded ");
    saveMacroFile(saved, path, U" title ");
    MacroProgram loaded;
    ASSERT_TRUE(loadMacroFile(loaded, path, dialogs));
    for (std::size_t i = 0; i < operands.size(); ++i) {
        EXPECT_EQ(loaded.line(static_cast<int>(i)).display.operands[1], operands[i]);
        EXPECT_EQ(loaded.line(static_cast<int>(i)).coded.text(CodedRow::Operand2), U"-2");
    }
    EXPECT_EQ(loaded.initialValue(33), U" padded ");
    EXPECT_EQ(readMacroCaption(path), U" title ");
    // Values without blanks or quotes at their ends are written as they always were.
    EXPECT_NE(readBytes(path).find("Vari2=mid dle\r\n"), std::string::npos);
}

TEST_F(MacroFileTest, TooManyLinesAreRefusedWithTheirOwnMessage) {
    writeBytes(path, "[Main]\r\nVersion=0.3\r\nLineCount=100001\r\n");
    MacroProgram program = sampleProgram();
    EXPECT_FALSE(loadMacroFile(program, path, dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<Text>{U"マクロの行数が多すぎます（100000行まで）"});
    EXPECT_EQ(program.lines(), sampleProgram().lines());
}

}  // namespace
}  // namespace vartel

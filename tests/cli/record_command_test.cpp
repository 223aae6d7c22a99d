#include <gtest/gtest.h>

#include "../support/cli_runner.h"
#include "../support/scripted_dialogs.h"
#include "macro/macro_file.h"

namespace vartel {
namespace {

TEST(RecordCommandTest, PrintsTheRecordedLinesOrTheSteps) {
    const std::vector<std::string> operations = {"--op",  "extension", "--set",  "mode=0", "--set",
                                                 "a=md",  "--op",      "number", "--set",  "form=1",
                                                 "--set", "auto=1",    "--set",  "start=5"};
    auto args = std::vector<std::string>{"record", "--sample", "写真.jpg", "--checked", "12"};
    args.insert(args.end(), operations.begin(), operations.end());
    const auto lines = runCli(args);
    EXPECT_EQ(lines.exitCode, 0);
    EXPECT_TRUE(
        lines.out.starts_with("1\t拡張子\t代入\t文字\tmd\t\t\n"
                              "2\t\t情報\tコメント\t拡張子\t変換後のファイル名：\t写真.md\n"));
    EXPECT_TRUE(lines.out.ends_with("\t\t情報\tコメント\t連番\t変換後のファイル名：\t05写真.md\n"));

    args.push_back("--steps");
    const auto steps = runCli(args);
    EXPECT_EQ(steps.out,
              "写真.md\t拡張子\t拡張子を　md　に統一\n"
              "05写真.md\t連番\t番号を最初に追加\n");
}

TEST(RecordCommandTest, SavesTheMacroAndGoesOnAfterARefusedStep) {
    TemporaryFolder folder;
    const std::string out = folder.file("rec.vmc");
    std::vector<std::string> args = {"record", "--sample", "a.txt"};
    // Seventeen numbering steps: the last one finds no fixed number left.
    for (int i = 0; i < 17; ++i) args.insert(args.end(), {"--op", "number"});
    args.insert(args.end(),
                {"--op", "add", "--set", "text=Z", "--steps", "-o", out, "--title", "題"});
    const auto result = runCli(args);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "使える変数がありません\n");
    EXPECT_TRUE(result.out.ends_with("Z1.txt\t追加\tZ　を最初に追加\n"));
    EXPECT_EQ(readMacroCaption(out), U"題");
    MacroProgram program;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(loadMacroFile(program, out, dialogs));
    EXPECT_EQ(program.lineCount(), 16 * 4 + 2);
    EXPECT_EQ(program.initialValue(32), U"1");
}

TEST(RecordCommandTest, RefusesBadUsage) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"record", "--op", "add"},
             {"record", "--sample", "a"},
             {"record", "--sample", "a", "--op", "rename"},
             {"record", "--sample", "a", "--op", "add", "--set", "mode=5"},
             {"record", "--sample", "a", "--op", "delete", "--set", "c=0"},
             {"record", "--sample", "a", "--op", "number", "--set", "auto=2"},
             {"record", "--sample", "a", "--op", "number", "--set", "start=x"},
             {"record", "--sample", "a", "--op", "add", "--set", "colour=1"},
             {"record", "--sample", "a", "--set", "mode=1", "--op", "add"},
             {"record", "--sample", "a", "--op", "add", "-o", "x.vmc"},
             {"preview", "--op", "add", "--op", "delete", "/tmp"},
             {"preview", "--op", "add"},
         }) {
        EXPECT_EQ(runCli(args).exitCode, 2) << args.back();
    }
}

}  // namespace
}  // namespace vartel

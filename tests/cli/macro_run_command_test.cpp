#include <gtest/gtest.h>

#include "../support/cli_runner.h"
#include "../support/macro_builder.h"
#include "macro/macro_file.h"

namespace vartel {
namespace {

class MacroRunCommandTest : public ::testing::Test {
  protected:
    std::string save(const MacroProgram& program) {
        const std::string path = folder.file("m.vmc");
        saveMacroFile(program, path, U"t");
        return path;
    }
    TemporaryFolder folder;
};

TEST_F(MacroRunCommandTest, PrintsTheResultAndTheTraceAsTabbedLines) {
    auto program = programOf({typedLine(U"文字１", U"代入", U"文字", U"固定文字２"),
                              typedLine(U"ファイル名", U"代入", U"文字", U"文字１")});
    program.setInitialValue(50, U"新");
    const auto plain = runCli({"macro-run", save(program), "--name", "写真", "--ext", "jpg"});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, "新.jpg\n");

    const auto traced = runCli({"macro-run", save(program), "--name", "a", "--ext", "", "--trace"});
    EXPECT_EQ(traced.exitCode, 0);
    EXPECT_EQ(traced.out, "1\t新\t新\t\t\t0\t0\t0\n2\t新\t新\t\t\t0\t0\t0\n新.\n");
}

TEST_F(MacroRunCommandTest, ExitCodesTellFailureUsageAndGuardStops) {
    const auto loop = programOf({typedLine(U"", U"ジャンプ", U"ジャンプ", U"1")});
    const auto stopped = runCli({"macro-run", save(loop)});
    EXPECT_EQ(stopped.exitCode, 3);
    EXPECT_EQ(stopped.out, "");
    const auto continued = runCli({"macro-run", save(loop), "--guard-no", "2", "--trace"});
    EXPECT_EQ(continued.exitCode, 3);
    EXPECT_EQ(std::count(continued.out.begin(), continued.out.end(), '\n'), 152);

    MacroProgram bad;
    bad.appendLine({{}, CodedRow({U"0", U"0", U"0", U"zz", U"0", U"0"})});
    const auto invalid = runCli({"macro-run", save(bad)});
    EXPECT_EQ(invalid.exitCode, 1);
    EXPECT_EQ(invalid.err, "'zz' is not a valid integer value.\n");

    EXPECT_EQ(runCli({"macro-run"}).exitCode, 2);
    EXPECT_EQ(runCli({"macro-run", "a.vmc", "--bogus"}).exitCode, 2);
    EXPECT_EQ(runCli({"macro-run", "a.vmc", "--guard-no", "x"}).exitCode, 2);
    EXPECT_EQ(runCli({"no-such-command"}).exitCode, 2);
    // Not a file to read: refused at once, neither hanging nor running out of memory.
    const auto device = runCli({"macro-run", "/dev/zero"});
    EXPECT_EQ(device.exitCode, 1);
    EXPECT_EQ(device.err, "/dev/zero: 通常のファイルではありません.\n");
    const auto missing = runCli({"macro-run", folder.file("missing.vmc")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err,
              folder.file("missing.vmc") + ": ファイルまたはフォルダが見つかりません\n");
}

}  // namespace
}  // namespace vartel

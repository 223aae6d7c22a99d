#include <sys/wait.h>

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

#include "../support/macro_builder.h"
#include "../support/temporary_folder.h"
#include "editor/multi_condition_file.h"
#include "macro/macro_file.h"

namespace vartel {
namespace {

// Runs vartel-cli with the arguments and returns its standard output and exit code.
std::pair<std::string, int> runCli(const std::string& arguments) {
    const std::string command = std::string(VARTEL_CLI_PATH) + " " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = ::pclose(pipe);
    return {output, WEXITSTATUS(status)};
}

TEST(CliCommandsTest, ValidatePrintsFailuresAndCodes) {
    const std::pair<std::string, std::string> cases[] = {
        {"--kind 条件処理 --type ＝ --a 5 --b 文字１", "0\t0\t-1\t33\t0\n"},
        {"--kind 12 --type 0 --a 数値１ --b abc", "2\t0\t1\t-2\t0\n"},
        {"--kind 文字出力 --type 0 --target 文字１ --a ファイル名 --b 1 --c 3", "0\t33\t65\t-1\t-1\n"},
        {"--kind 1 --type コピー --target 数値", "1\t0\t0\t0\t0\n"},
        {"--kind 1 --type 9", "4\t0\t0\t0\t0\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(runCli("validate " + arguments), std::make_pair(expected, 0)) << arguments;
    }
    EXPECT_EQ(runCli("validate --kind nothing --type 0").second, 2);
    EXPECT_EQ(runCli("validate --type 0").second, 2);
}

TEST(CliCommandsTest, MacroRunReadsTheMultiConditionTable) {
    TemporaryFolder folder;
    const std::string macro = (folder.path() / "m.vmc").string();
    const std::string table = (folder.path() / "t.csv").string();
    PSave(programOf({typedLine(U"ファイル名", U"複数条件", U"部分一致", U"ファイル名", U"none")}), macro, U"t");
    writeMultiConditionFile(table, {{{U"画像", U"photo"}, {U"像", U"second"}}});
    EXPECT_EQ(runCli("macro-run " + macro + " --name 画像01 --ext jpg --table " + table),
              std::make_pair(std::string("photo.jpg\n"), 0));
    EXPECT_EQ(runCli("macro-run " + macro + " --name 画像01 --ext jpg"),
              std::make_pair(std::string("none.jpg\n"), 0));
    EXPECT_EQ(runCli("macro-run " + macro + " --table " + table + ".missing").second, 1);
}

}  // namespace
}  // namespace vartel

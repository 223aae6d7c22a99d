#include <gtest/gtest.h>

#include "../support/cli_runner.h"

namespace vartel {
namespace {

TEST(ValidateCommandTest, PrintsFailuresAndCodesForNamesOrIndices) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"--kind", "12", "--type", "0", "--a", "数値１", "--b", "abc"}, "2\t0\t1\t-2\t0\n"},
        {{"--kind", "文字出力", "--type", "0", "--target", "文字１", "--a", "ファイル名", "--b",
          " 1", "--c", "$3"},
         "0\t33\t65\t-1\t-1\n"},
        {{"--kind", "1", "--type", "コピー", "--target", "数値"}, "1\t0\t0\t0\t0\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"validate"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 0) << c.out;
        EXPECT_EQ(result.out, c.out);
    }
}

TEST(ValidateCommandTest, UnknownNamesAndMissingChoicesAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"validate", "--kind", "nothing", "--type", "0"},
             {"validate", "--kind", "代入", "--type", "文字x"},
             {"validate", "--kind", "0", "--type", "0", "extra"}}) {
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 2) << args[2];
        EXPECT_EQ(result.out, "");
    }
}

}  // namespace
}  // namespace vartel

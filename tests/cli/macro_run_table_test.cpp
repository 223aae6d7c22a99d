#include <gtest/gtest.h>

#include "../support/cli_runner.h"
#include "../support/macro_builder.h"
#include "editor/multi_condition_file.h"
#include "macro/macro_file.h"

namespace vartel {
namespace {

TEST(MacroRunTableTest, TheMultipleConditionLinesReadTheGivenTable) {
    TemporaryFolder folder;
    const std::string macro = folder.file("m.vmc");
    const std::string table = folder.file("t.csv");
    saveMacroFile(
        programOf({typedLine(U"ファイル名", U"複数条件", U"部分一致", U"ファイル名", U"none")}),
        macro, U"t");
    writeMultiConditionFile(table, {{{U"画像", U"photo"}, {U"像", U"second"}}});
    const CliResult withTable =
        runCli({"macro-run", macro, "--name", "画像01", "--ext", "jpg", "--table", table});
    EXPECT_EQ(withTable.exitCode, 0);
    EXPECT_EQ(withTable.out, "photo.jpg\n");
    EXPECT_EQ(runCli({"macro-run", macro, "--name", "画像01", "--ext", "jpg"}).out, "none.jpg\n");
    const CliResult missing = runCli({"macro-run", macro, "--table", folder.file("missing.csv")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err, "");
}

}  // namespace
}  // namespace vartel

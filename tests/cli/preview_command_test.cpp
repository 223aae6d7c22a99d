#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "../support/cli_runner.h"
#include "../support/macro_builder.h"
#include "macro/macro_file.h"

namespace vartel {
namespace {

class PreviewCommandTest : public ::testing::Test {
  protected:
    PreviewCommandTest() {
        std::filesystem::create_directories(folder.file("files/sub"));
        for (const char* name : {"files/a.txt", "files/sub/b.txt", "files/keep"}) {
            std::ofstream(folder.file(name)) << name;
        }
        saveMacroFile(programOf({typedLine(U"拡張子", U"代入", U"文字", U"md")}), macro, U"t");
    }
    TemporaryFolder folder;
    const std::string macro = folder.file("m.vmc");
};

TEST_F(PreviewCommandTest, PreviewPrintsTheProposedRenamesAndTouchesNothing) {
    const auto result = runCli({"preview", "--macro", macro, folder.file("files")});
    EXPECT_EQ(result.exitCode, 0);
    const std::string files = folder.file("files");
    EXPECT_TRUE(result.out.find("a.txt\ta.md\t" + files + "/a.txt\n") != std::string::npos);
    EXPECT_TRUE(result.out.find("keep\tkeep.md\t" + files + "/keep\n") != std::string::npos);
    EXPECT_TRUE(result.out.ends_with("b.txt\tb.md\t" + files + "/sub/b.txt\n"));
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/a.txt")));
}

TEST_F(PreviewCommandTest, RenameCarriesOutAndReportsFailures) {
    std::ofstream(folder.file("files/a.md")) << "taken";
    const auto result = runCli({"rename", "--macro", macro, folder.file("files")});
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_TRUE(result.out.ends_with("1個のエラーがあります\n"));
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/sub/b.md")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/a.txt")));

    std::filesystem::remove(folder.file("files/a.md"));
    const auto again = runCli({"rename", "--macro", macro, folder.file("files/a.txt")});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.ends_with("正常終了\n"));
}

TEST_F(PreviewCommandTest, TheMacroLooksUpTheTableGiven) {
    const std::string lookup = folder.file("lookup.vmc");
    saveMacroFile(
        programOf({typedLine(U"ファイル名", U"複数条件", U"完全一致", U"ファイル名", U"keep")}),
        lookup, U"t");
    std::ofstream(folder.file("table.csv")) << "\"a\",\"alpha\"\r\n";
    const auto result = runCli(
        {"preview", "--macro", lookup, "--table", folder.file("table.csv"), folder.file("files")});
    EXPECT_EQ(result.exitCode, 0);
    const std::string files = folder.file("files");
    for (const auto& line :
         {"a.txt\talpha.txt\t" + files + "/a.txt\n", "keep\tkeep.\t" + files + "/keep\n",
          "b.txt\tkeep.txt\t" + files + "/sub/b.txt\n"}) {
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
    }
}

TEST_F(PreviewCommandTest, AMissingPathIsAnErrorAndNothingIsRenamed) {
    const std::string missing = folder.file("no-such-folder");
    for (const char* command : {"preview", "rename"}) {
        const auto result = runCli({command, "--macro", macro, folder.file("files"), missing});
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_EQ(result.out, "") << command;
        EXPECT_EQ(result.err, missing + ": ファイルまたはフォルダが見つかりません\n") << command;
    }
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/a.txt")));
}

TEST_F(PreviewCommandTest, OutputThatCannotBeWrittenIsAFailure) {
    const auto result =
        runCli({"preview", "--macro", macro, folder.file("files")}, {}, "/dev/full");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.starts_with("標準出力に書き込めません: ")) << result.err;
}

TEST_F(PreviewCommandTest, Usage) {
    EXPECT_EQ(runCli({"preview", folder.file("files")}).exitCode, 2);
    EXPECT_EQ(runCli({"preview", "--op", "add", "--table", macro, folder.file("files")}).exitCode,
              2);
    EXPECT_EQ(runCli({"rename", "--macro", macro}).exitCode, 2);
    EXPECT_EQ(runCli({"preview", "--macro", folder.file("missing.vmc"), "x"}).exitCode, 1);
}

TEST_F(PreviewCommandTest, AnOperationPreviewsAndRenamesWithoutAMacro) {
    const std::string files = folder.file("files");
    const auto preview = runCli({"preview", "--op", "replace", "--set", "kind=2", files});
    EXPECT_EQ(preview.exitCode, 0);
    EXPECT_EQ(preview.out, "a.txt\tA.txt\t" + files + "/a.txt\nkeep\tKEEP\t" + files +
                               "/keep\nb.txt\tB.txt\t" + files + "/sub/b.txt\n");
    const auto rename = runCli({"rename", "--op", "number", "--set", "form=2", "--set", "auto=1",
                                "--set", "start=9", files});
    EXPECT_EQ(rename.exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/a9.txt")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/keep10")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/sub/b11.txt")));
}

}  // namespace
}  // namespace vartel

namespace vartel {
namespace {

// More rows than one block of output, from folders listed a batch at a time: every row once,
// folder after folder in the order of the walk, each folder's files in name order (letter case
// aside, by code point: a byte that is not UTF-8 between kanji and full-width letters), names
// that are not UTF-8 byte for byte.
TEST_F(PreviewCommandTest, ALongPreviewKeepsTheOrderOfTheWalk) {
    const std::string root = folder.file("many");
    std::filesystem::create_directories(root);
    const std::vector<std::string> inRoot{"a.txt", "B.txt", "名前.txt", "\xFF名.txt", "Ａ.txt"};
    for (const auto& name : inRoot) std::ofstream(root + "/" + name) << "x";
    std::string expected;
    for (const auto& name : inRoot)
        expected += name + "\tp" + name + "\t" + root + "/" + name + "\tok\n";
    for (int d = 0; d < 3; ++d) {
        const std::string sub = root + "/d" + std::to_string(d);
        std::filesystem::create_directory(sub);
        std::vector<std::string> files;
        for (int i = 0; i < 400; ++i) {
            files.push_back("f" + std::to_string(i) + ".txt");
            std::ofstream(sub + "/" + files.back()) << "x";
        }
        std::sort(files.begin(), files.end());  // lower-case ASCII: byte order is name order
        for (const auto& name : files)
            expected += name + "\tp" + name + "\t" + sub + "/" + name + "\tok\n";
    }
    const auto result = runCli({"preview", "--op", "add", "--set", "text=p", "--status", root});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_GT(result.out.size(), std::size_t{1} << 16);
    EXPECT_TRUE(result.out == expected);
}

TEST_F(PreviewCommandTest, FoldersAreRowsOfTheirOwnWhenAskedFor) {
    const std::string files = folder.file("files");
    const auto alone = runCli(
        {"preview", "--op", "add", "--set", "text=_", "--set", "mode=1", "--folders", files});
    EXPECT_EQ(alone.exitCode, 0);
    EXPECT_EQ(alone.out, "files\tfiles_\t" + files + "\n");

    const auto below = runCli({"rename", "--op", "add", "--set", "text=_", "--set", "mode=1",
                               "--folders", "--recursive", files});
    EXPECT_EQ(below.exitCode, 0) << below.err;
    EXPECT_TRUE(std::filesystem::exists(folder.file("files_/sub_/b.txt")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("files_/a.txt")));

    EXPECT_EQ(runCli({"preview", "--op", "add", "--folders", folder.file("files_/a.txt")}).exitCode,
              2);
    EXPECT_EQ(runCli({"preview", "--op", "add", "--recursive", folder.file("files_")}).exitCode, 2);
}

TEST_F(PreviewCommandTest, NumberingStartsAgainInEveryFolderWithGroup) {
    std::ofstream(folder.file("files/sub/c.txt")) << "c";
    const auto result = runCli(
        {"preview", "--op", "number", "--set", "form=1", "--set", "group=1", folder.file("files")});
    EXPECT_EQ(result.exitCode, 0);
    // Two rows in each folder, numbered 1 and 2 in whatever order the folder lists them.
    const auto count = [&](const std::string& part) {
        int found = 0;
        for (auto at = result.out.find(part); at != std::string::npos;
             at = result.out.find(part, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count("\t1"), 2);
    EXPECT_EQ(count("\t2"), 2);
    EXPECT_EQ(count("\n"), 4);
}

}  // namespace
}  // namespace vartel

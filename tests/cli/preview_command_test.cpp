#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../support/cli_runner.h"
#include "../support/macro_builder.h"
#include "cli/output.h"
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

// Every failure exits non-zero and says on standard error what failed, naming the file.
TEST_F(PreviewCommandTest, FailuresExitNonZeroAndNameWhatFailed) {
    const std::string files = folder.file("files");
    std::ofstream(folder.file("empty.vmc")).flush();
    std::ofstream(folder.file("binary.vmc")) << std::string("\0\xFF\x01PK\x03\x04", 7);
    std::ofstream(folder.file("damaged.jpg")) << "\xFF\xD8\xFF\xE1";
    std::ofstream(folder.file("files/empty.txt")).flush();
    std::ofstream(folder.file("not-a-folder")) << "x";
    std::ofstream(folder.file("one.txt")) << "x.txt\n";
    std::ofstream(folder.file("tab.txt")) << "x\ty\nb\nc\n";
    std::ofstream(folder.file("one-field.csv")) << "a.txt\n";
    std::ofstream(folder.file("broken.csv")) << "\"a\nb\",c\n";
    struct Case {
        std::vector<std::string> args;
        std::string output;  // standard output's file, when not the usual one
        std::string stateFolder;
        int exitCode;
        std::string said;  // a part of what standard error says
    };
    const Case cases[] = {
        {{"preview", "--macro", macro, files}, "/dev/full", {}, 1, "標準出力に書き込めません: "},
        {{"--help"}, "/dev/full", {}, 1, "標準出力に書き込めません: "},
        {{"--version"}, "/dev/full", {}, 1, "標準出力に書き込めません: "},
        {{"info", "--help"}, "/dev/full", {}, 1, "標準出力に書き込めません: "},
        {{"preview", "--macro", folder.file("missing.vmc"), files}, {}, {}, 1, "missing.vmc: "},
        {{"preview", "--macro", folder.file("empty.vmc"), files}, {}, {}, 1, "empty.vmc: "},
        {{"rename", "--macro", folder.file("binary.vmc"), files}, {}, {}, 1, "binary.vmc: "},
        {{"macro-run", folder.file("missing.vmc")}, {}, {}, 1, "missing.vmc: ファイルまたは"},
        {{"rename", "--op", "add", files}, {}, folder.file("not-a-folder"), 1, "変換の記録"},
        {{"info", files}, {}, {}, 1, "files: ファイルではありません"},
        {{"info", "/dev/zero"}, {}, {}, 1, "/dev/zero: ファイルではありません"},
        {{"info", folder.file("damaged.jpg")}, {}, {}, 1, "damaged.jpg: "},
        {{"preview", "--bogus", files}, {}, {}, 2, "unknown option '--bogus'"},
        {{"rename", "--names", folder.file("one.txt"), files}, {}, {}, 1, "名前の数（1）が"},
        {{"preview", "--names", folder.file("tab.txt"), files}, {}, {}, 1, "1 行目：名前にタブ"},
        {{"preview", "--pairs", folder.file("one-field.csv"), files}, {}, {}, 1, "2つの欄"},
        {{"preview", "--pairs", folder.file("broken.csv"), files}, {}, {}, 1, "改行"},
        {{"preview", "--names", folder.file("one.txt"), "--op", "add", files}, {}, {}, 2, ""},
        {{"edit", "--macro", macro, files}, {}, {}, 2, ""},
        {{"preview", "--op", "add", "--", "--status"}, {}, {}, 1, "--status: "},
        // Not a failure, but the file named is not in the output: said, with the count.
        {{"preview", "--op", "add", folder.file("files/empty.txt"), folder.file("files/a.txt")},
         {},
         {},
         0,
         " 1 個のファイル"},
    };
    for (const auto& c : cases) {
        const auto result = runCli(c.args, c.stateFolder, c.output);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args[0] << ' ' << c.args[1] << result.err;
        EXPECT_NE(result.err.find(c.said), std::string::npos) << c.said << '\n' << result.err;
    }
}

// New names from a list (code page 932, CR LF), from CSV pairs (a byte order mark, quotes, a
// full path) and from the user's editor, each through the planner into one batch.
TEST_F(PreviewCommandTest, NamesComeFromAListPairsOrTheEditor) {
    const std::string files = folder.file("files");
    std::ofstream(folder.file("names.txt")) << "\x82\xA0.txt\r\nkeep\r\nb b.txt\r\n";
    auto result = runCli({"rename", "--names", folder.file("names.txt"), files});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "a.txt\tあ.txt\t" + files + "/a.txt\nb.txt\tb b.txt\t" + files +
                              "/sub/b.txt\n正常終了\n");

    std::ofstream(folder.file("pairs.csv"))
        << "\xEF\xBB\xBF\"b b.txt\",\"c, \"\"d\"\".txt\"\r\n" + files + "/あ.txt,keep\r\n";
    result = runCli({"preview", "--status", "--pairs", folder.file("pairs.csv"), files});
    EXPECT_EQ(result.out, "あ.txt\tkeep\t" + files + "/あ.txt\texists\nb b.txt\tc, \"d\".txt\t" +
                              files + "/sub/b b.txt\tok\n");
    EXPECT_NE(result.err.find("1 個のファイルは一覧に名前がない"), std::string::npos);

    setenv("EDITOR", "sed -i s/^/e_/", 1);
    result = runCli({"edit", files});  // the question is answered by the end of input: no
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/keep")));
    result = runCli({"edit", "--yes", files});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::exists(folder.file("files/sub/e_b b.txt")));
    setenv("EDITOR", "false", 1);
    result = runCli({"edit", "--yes", files});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("エディタで名前を編集できませんでした"), std::string::npos);
    unsetenv("EDITOR");
}

// Names that would break a line or a field leave as one record either way: escaped, or as they
// are with -z; the escapes read back to the very bytes.
TEST_F(PreviewCommandTest, EveryNameLeavesAsOneRecordEscapedOrWithNul) {
    const std::string names = folder.file("names");
    std::filesystem::create_directory(names);
    const std::vector<std::string> tricky = {"a\nb", "t\tab", "bad\xFF", "back\\slash", "-x"};
    for (const auto& name : tricky) std::ofstream(names + "/" + name) << "x";
    const auto lines = runCli({"preview", "--op", "add", "--set", "text=_", names});
    const auto nul = runCli({"preview", "-z", "--op", "add", "--set", "text=_", names});
    ASSERT_EQ(lines.exitCode, 0);
    ASSERT_EQ(nul.exitCode, 0);
    std::vector<std::string> fromLines;
    std::istringstream text(lines.out);
    for (std::string line; std::getline(text, line);) {
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) {
            const auto bytes = cli::unescapedField(field);
            ASSERT_TRUE(bytes) << field;
            fromLines.push_back(*bytes);
        }
    }
    std::vector<std::string> fromNul;
    std::istringstream raw(nul.out);
    for (std::string field; std::getline(raw, field, '\0');) fromNul.push_back(field);
    EXPECT_EQ(fromLines.size(), 3 * tricky.size());
    EXPECT_EQ(fromLines, fromNul);
    for (const auto& name : tricky)
        EXPECT_NE(std::find(fromNul.begin(), fromNul.end(), "_" + name), fromNul.end()) << name;

    // After "--" a name that looks like an option is a path.
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(names);
    const auto dashed = runCli({"preview", "--op", "add", "--set", "text=_", "--", "-x"});
    std::filesystem::current_path(here);
    EXPECT_EQ(dashed.exitCode, 0) << dashed.err;
    EXPECT_EQ(dashed.out, "-x\t_-x\t" + names + "/-x\n");
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
    // The byte that is not UTF-8 is written escaped.
    const auto escaped = [](std::string text) {
        for (auto at = text.find('\xFF'); at != std::string::npos; at = text.find('\xFF', at))
            text.replace(at, 1, "\\xff");
        return text;
    };
    std::string expected;
    for (const auto& name : inRoot)
        expected += escaped(name + "\tp" + name + "\t" + root + "/" + name) + "\tok\n";
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

TEST_F(PreviewCommandTest, GroupNumbersEachFolderWhereverItsFilesStand) {
    std::ofstream(folder.file("files/sub/c.txt")) << "c";
    const auto result = runCli(
        {"preview", "--op", "number", "--set", "form=1", "--set", "group=1", folder.file("files")});
    EXPECT_EQ(result.exitCode, 0);
    // Two rows in each folder, in name order, numbered 1 and 2.
    const std::string files = folder.file("files");
    EXPECT_EQ(result.out, "a.txt\t1a.txt\t" + files + "/a.txt\nkeep\t2keep\t" + files +
                              "/keep\nb.txt\t1b.txt\t" + files + "/sub/b.txt\nc.txt\t2c.txt\t" +
                              files + "/sub/c.txt\n");

    // Files of two folders given interleaved: each folder counts its own.
    const auto interleaved = runCli({"preview", "--op", "number", "--set", "form=1", "--set",
                                     "group=1", folder.file("files/a.txt"),
                                     folder.file("files/sub/b.txt"), folder.file("files/keep")});
    EXPECT_EQ(interleaved.exitCode, 0);
    for (const char* line : {"a.txt\t1a.txt\t", "b.txt\t1b.txt\t", "keep\t2keep\t"})
        EXPECT_NE(interleaved.out.find(line), std::string::npos) << line << interleaved.out;
}

}  // namespace
}  // namespace vartel

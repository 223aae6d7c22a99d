// The command line over the journal: statuses before renaming, the reasons of failed rows,
// history, undo days later and recovery of a batch cut short.
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/cli_runner.h"
#include "../support/file_bytes.h"
#include "../support/macro_builder.h"
#include "../support/temporary_folder.h"
#include "macro/macro_file.h"
#include "workspace/journal/rename_journal.h"

namespace vartel {
namespace {

class JournalCommandsTest : public ::testing::Test {
  protected:
    JournalCommandsTest() {
        std::filesystem::create_directories(folder.file("files"));
        std::filesystem::create_directories(folder.file("state"));
    }
    std::string file(const std::string& name) const { return folder.file("files/" + name); }
    void make(const std::vector<std::string>& names) {
        for (const auto& name : names) writeBytes(file(name), name);
    }
    CliResult cli(const std::vector<std::string>& args) const {
        return runCli(args, folder.file("state"));
    }
    std::vector<std::string> historyLines() const {
        std::vector<std::string> lines;
        std::string out = cli({"history"}).out;
        for (std::size_t at; (at = out.find('\n')) != std::string::npos; out.erase(0, at + 1)) {
            lines.push_back(out.substr(0, at));
        }
        return lines;
    }

    TemporaryFolder folder;
};

TEST_F(JournalCommandsTest, PreviewShowsEachRowsStatusOnlyWhenAsked) {
    make({"x1", "taken1", "taken2"});
    // Every "1" becomes "2": taken2 stays and holds its name.
    const auto result = cli({"preview", "--op", "replace", "--set", "s=1", "--set", "r=2",
                             "--status", folder.file("files")});
    EXPECT_EQ(result.exitCode, 0);
    const auto has = [&](const std::string& line) {
        return result.out.find(line) != std::string::npos;
    };
    EXPECT_TRUE(has("x1\tx2\t" + file("x1") + "\tok\n"));
    EXPECT_TRUE(has("taken1\ttaken2\t" + file("taken1") + "\texists\n"));
    const auto plain =
        cli({"preview", "--op", "replace", "--set", "s=1", "--set", "r=2", folder.file("files")});
    EXPECT_TRUE(plain.out.find("x1\tx2\t" + file("x1") + "\n") != std::string::npos);
}

// Companions are rows of their own in the output, after their row; one that cannot follow keeps
// its row where it is, and undo takes the others back with their rows.
TEST_F(JournalCommandsTest, CompanionsFollowTheirRowsOnlyWhenAsked) {
    make({"p1.JPG", "p1.ARW", "q1.JPG", "q1.xmp", "q2.xmp"});
    const std::vector<std::string> args = {"--op",  "replace", "--set",        "s=1",
                                           "--set", "r=2",     file("p1.JPG"), file("q1.JPG")};
    const auto run = [&](std::vector<std::string> options) {
        options.insert(options.end(), args.begin(), args.end());
        return cli(options);
    };
    const auto previewed = run({"preview", "--companions", "--status"});
    EXPECT_EQ(previewed.out, "p1.JPG\tp2.JPG\t" + file("p1.JPG") + "\tok\n" + "p1.ARW\tp2.ARW\t" +
                                 file("p1.ARW") + "\tcompanion\n" + "q1.JPG\tq2.JPG\t" +
                                 file("q1.JPG") + "\twith-companion\n" + "q1.xmp\tq2.xmp\t" +
                                 file("q1.xmp") + "\tcompanion/exists\n");
    EXPECT_EQ(run({"preview", "--no-companions"}).out.find("ARW"), std::string::npos);
    EXPECT_EQ(run({"preview", "--companions", "--no-companions"}).exitCode, 2);
    const auto renamed = run({"rename", "--companions"});
    EXPECT_EQ(renamed.exitCode, 4);
    EXPECT_EQ(renamed.err, "q1.JPG\tq2.JPG\t関連ファイルを変更できません\n");
    EXPECT_EQ(readBytes(file("p2.ARW")), "p1.ARW");
    EXPECT_EQ(readBytes(file("q1.xmp")), "q1.xmp");
    EXPECT_EQ(cli({"undo"}).exitCode, 0);
    EXPECT_EQ(readBytes(file("p1.ARW")), "p1.ARW");
    EXPECT_EQ(readBytes(file("p1.JPG")), "p1.JPG");
}

TEST_F(JournalCommandsTest, RenameReportsEveryFailedRowWithItsReason) {
    make({"b1", "c1", "c2"});
    // c1 becomes c2, which another file holds.
    const auto clash =
        cli({"rename", "--op", "replace", "--set", "s=1", "--set", "r=2", folder.file("files")});
    EXPECT_EQ(clash.exitCode, 4);
    EXPECT_EQ(clash.err, "c1\tc2\t同名のファイルがあります\n");
    EXPECT_TRUE(clash.out.ends_with("1個のエラーがあります\n"));
    EXPECT_EQ(readBytes(file("b2")), "b1");
}

TEST_F(JournalCommandsTest, SwapsSucceedUnlessTheLiteralOrderIsAsked) {
    make({"a.txt", "b.txt", "c.txt"});
    // A lookup table that swaps a and b and sends c to a name of its own.
    const std::string macro = folder.file("swap.vmc");
    saveMacroFile(
        programOf({typedLine(U"ファイル名", U"複数条件", U"完全一致", U"ファイル名", U"keep")}),
        macro, U"t");
    writeBytes(folder.file("table.csv"), "\"a\",\"b\"\r\n\"b\",\"a\"\r\n\"c\",\"d\"\r\n");
    const std::vector<std::string> args = {"--macro", macro, "--table", folder.file("table.csv")};
    auto preview = args;
    preview.insert(preview.begin(), "preview");
    preview.push_back("--status");
    preview.push_back(folder.file("files"));
    const auto planned = cli(preview);
    EXPECT_NE(planned.out.find("a.txt\tb.txt\t" + file("a.txt") + "\tcycle\n"), std::string::npos);
    preview.insert(preview.end() - 1, "--literal-order");
    EXPECT_NE(cli(preview).out.find("a.txt\tb.txt\t" + file("a.txt") + "\texists\n"),
              std::string::npos);

    auto literal = args;
    literal.insert(literal.begin(), "rename");
    literal.push_back("--literal-order");
    literal.push_back(folder.file("files"));
    const auto failed = cli(literal);
    EXPECT_EQ(failed.exitCode, 4);
    EXPECT_TRUE(failed.out.ends_with("2個のエラーがあります\n"));
    EXPECT_EQ(readBytes(file("a.txt")), "a.txt");
    EXPECT_EQ(readBytes(file("d.txt")), "c.txt");

    auto plannedRename = args;
    plannedRename.insert(plannedRename.begin(), "rename");
    plannedRename.push_back(folder.file("files"));
    const auto swapped = cli(plannedRename);
    EXPECT_EQ(swapped.exitCode, 0) << swapped.err;
    EXPECT_EQ(readBytes(file("a.txt")), "b.txt");
    EXPECT_EQ(readBytes(file("b.txt")), "a.txt");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("files")),
                            std::filesystem::directory_iterator()),
              3);
}

TEST_F(JournalCommandsTest, HistoryAndUndoDaysLater) {
    make({"a1", "b1", "keep"});
    ASSERT_EQ(
        cli({"rename", "--op", "replace", "--set", "s=1", "--set", "r=2", folder.file("files")})
            .exitCode,
        0);
    auto lines = historyLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].ends_with("\texecute\t2\tfinished")) << lines[0];
    // Someone else's file now holds one of the names: undo leaves it alone.
    std::filesystem::rename(file("b2"), file("b2-moved"));
    writeBytes(file("b2"), "stranger");
    const auto undone = cli({"undo"});
    EXPECT_EQ(undone.exitCode, 4);
    EXPECT_EQ(undone.err, "b2\tb1\t別のファイルに置き換わっています\n");
    EXPECT_EQ(readBytes(file("a1")), "a1");
    EXPECT_EQ(readBytes(file("b2")), "stranger");
    // The undo is a batch of its own; the first stays undoable for the row that failed.
    lines = historyLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].ends_with("\tundo\t1\tfinished")) << lines[1];
    std::filesystem::remove(file("b2"));
    std::filesystem::rename(file("b2-moved"), file("b2"));
    const auto id = lines[0].substr(0, lines[0].find('\t'));
    const auto again = cli({"undo", id});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(readBytes(file("b1")), "b1");
    EXPECT_TRUE(historyLines()[0].ends_with("\tundone"));
    EXPECT_EQ(cli({"undo"}).exitCode, 1);
    // An old name taken meanwhile: the batch stays undoable until that row is back too.
    ASSERT_EQ(
        cli({"rename", "--op", "replace", "--set", "s=1", "--set", "r=2", folder.file("files")})
            .exitCode,
        0);
    writeBytes(file("b1"), "stranger");
    EXPECT_EQ(cli({"undo"}).exitCode, 4);
    EXPECT_EQ(readBytes(file("a1")), "a1");
    std::filesystem::remove(file("b1"));
    const auto retried = cli({"undo"});
    EXPECT_EQ(retried.exitCode, 0) << retried.err;
    EXPECT_EQ(readBytes(file("b1")), "b1");
    EXPECT_TRUE(historyLines()[3].ends_with("\tundone")) << historyLines()[3];
    // Files put back by hand leave nothing to undo: the batch is undone, not offered again.
    ASSERT_EQ(
        cli({"rename", "--op", "replace", "--set", "s=1", "--set", "r=2", folder.file("files")})
            .exitCode,
        0);
    std::filesystem::rename(file("a2"), file("a1"));
    std::filesystem::rename(file("b2"), file("b1"));
    EXPECT_EQ(cli({"undo"}).out, "正常終了\n");
    EXPECT_EQ(cli({"undo"}).exitCode, 1);
}

// Paths typed relative to one working folder name the same files from any other; one file
// under several spellings of its path is renamed once.
TEST_F(JournalCommandsTest, RelativePathsNameTheirFilesFromAnyWorkingFolder) {
    make({"a", "b"});
    const auto home = std::filesystem::current_path();
    std::filesystem::current_path(folder.file("files"));
    const auto spelled = cli({"preview", "--status", "--op", "add", "--set", "text=P_", "a", "./a",
                              "..//files/./a", "b"});
    const auto renamed = cli({"rename", "--op", "add", "--set", "text=P_", "a", "b"});
    std::filesystem::current_path(folder.path());
    const auto undone = cli({"undo"});
    std::filesystem::current_path(home);
    EXPECT_EQ(spelled.out, "a\tP_a\t" + file("a") + "\tsame-file\na\tP_a\t" + file("a") +
                               "\tsame-file\na\tP_a\t" + file("a") + "\tok\nb\tP_b\t" + file("b") +
                               "\tok\n");
    EXPECT_EQ(renamed.exitCode, 0) << renamed.err;
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(readBytes(file("a")) + readBytes(file("b")), "ab");
}

TEST_F(JournalCommandsTest, ABatchCutShortBlocksRenamingUntilRecovered) {
    make({"a", "b"});
    {
        std::filesystem::create_directories(folder.file("state/vartel"));
        RenameJournal journal(folder.file("state/vartel"));
        const std::vector<RenameRequest> requests = {{file("a"), "c", {}}, {file("b"), "d", {}}};
        const auto plan = planRenames(requests);
        ASSERT_TRUE(
            journal.begin(BatchKind::Execute, requests, plan, lookUpBatchFiles(requests, plan)));
        std::filesystem::rename(file("a"), file("c"));  // then the program died
    }
    const auto refused = cli({"rename", "--op", "add", "--set", "text=x", folder.file("files")});
    EXPECT_EQ(refused.exitCode, 6);
    EXPECT_NE(refused.err.find("recover"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(file("c")));
    const auto asked = cli({"recover"});
    EXPECT_EQ(asked.exitCode, 6);
    EXPECT_NE(asked.out.find("\texecute\t2\n"), std::string::npos);
    // A file moved away by hand: the batch stays open and says what is left, until it is back.
    std::filesystem::rename(file("b"), folder.file("b-away"));
    const auto failed = cli({"recover", "--finish"});
    EXPECT_EQ(failed.exitCode, 4);
    EXPECT_NE(failed.err.find(file("d") + "\tファイルが見つかりません"), std::string::npos)
        << failed.err;
    EXPECT_EQ(cli({"recover"}).exitCode, 6);
    std::filesystem::rename(folder.file("b-away"), file("b"));
    const auto finished = cli({"recover", "--finish"});
    EXPECT_EQ(finished.exitCode, 0);
    EXPECT_EQ(finished.out, "正常終了\n");
    EXPECT_EQ(readBytes(file("c")), "a");
    EXPECT_EQ(readBytes(file("d")), "b");
    EXPECT_EQ(cli({"recover", "--undo"}).out, "途中で終わった変換はありません\n");
    EXPECT_EQ(cli({"undo"}).exitCode, 0);
    EXPECT_EQ(readBytes(file("a")), "a");
}

// A journal whose row names a path outside its folder, as only someone who can write the
// state folder could make it: recovery leaves that file alone and the batch open.
TEST_F(JournalCommandsTest, RecoveryNeverLeavesTheFolderOfARow) {
    std::filesystem::create_directories(folder.file("other"));
    writeBytes(folder.file("other/f"), "f");
    {
        std::filesystem::create_directories(folder.file("state/vartel"));
        RenameJournal journal(folder.file("state/vartel"));
        const std::vector<RenameRequest> requests = {
            {file("../other/f"), "g", lookUpFile(folder.file("other/f"))->identity}};
        const auto plan = planRenames(requests);
        ASSERT_TRUE(
            journal.begin(BatchKind::Execute, requests, plan, lookUpBatchFiles(requests, plan)));
        std::filesystem::rename(folder.file("other/f"), folder.file("other/g"));
    }
    const auto refused = cli({"recover", "--undo"});
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_NE(refused.err.find("変換の記録のパスが正しくありません"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.file("other/g")));
    EXPECT_EQ(cli({"recover"}).exitCode, 6);
}

// A file that is no journal at all is set aside by whichever command reads it first, and that
// command says so: a listing, an undo that looks for its batch, a recovery.
TEST_F(JournalCommandsTest, EveryCommandTellsOfTheDamagedJournalsItSetsAside) {
    make({"a1"});
    ASSERT_EQ(
        cli({"rename", "--op", "replace", "--set", "s=1", "--set", "r=2", folder.file("files")})
            .exitCode,
        0);
    const std::string journals = folder.file("state/vartel");
    std::string kept;
    for (const auto& entry : std::filesystem::directory_iterator(journals)) {
        if (entry.path().extension() == ".journal") kept = entry.path().string();
    }
    ASSERT_FALSE(kept.empty());
    const auto told = [](const CliResult& result, const std::string& name) {
        return result.err.find("壊れた変換の記録を別の場所に移しました: " + name) !=
               std::string::npos;
    };
    const auto setAside = [&](const std::string& name) {
        return std::filesystem::exists(journals + "/damaged/" + name) &&
               !std::filesystem::exists(journals + "/" + name);
    };
    // Damaged inside but closed at its end: only a command that reads it whole finds out.
    std::string bytes = readBytes(kept);
    bytes[bytes.size() / 2] ^= 0x01;
    const std::string closedButDamaged = "009999999990-1-1.journal";
    writeBytes(journals + "/" + closedButDamaged, bytes);
    // Its batch is read as far as its intact records go, never set aside for a bad line.
    const auto undone = cli({"undo"});
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_FALSE(told(undone, closedButDamaged)) << undone.err;
    EXPECT_FALSE(setAside(closedButDamaged));
    EXPECT_EQ(readBytes(file("a1")), "a1");

    writeBytes(journals + "/009999999991-1-1.journal", "garbage\n");
    const auto listed = cli({"history"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(told(listed, "009999999991-1-1.journal")) << listed.err;
    EXPECT_TRUE(setAside("009999999991-1-1.journal"));

    writeBytes(journals + "/009999999992-1-1.journal", "garbage\n");
    const auto recovered = cli({"recover"});
    EXPECT_EQ(recovered.exitCode, 0);
    EXPECT_TRUE(told(recovered, "009999999992-1-1.journal")) << recovered.err;
    EXPECT_TRUE(setAside("009999999992-1-1.journal"));
    // Each is told of once: it is not read again.
    EXPECT_FALSE(told(cli({"history"}), "0099999999"));
}

}  // namespace
}  // namespace vartel

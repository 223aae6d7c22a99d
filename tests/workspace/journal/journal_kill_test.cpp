// Batches killed at random instants and recovered from their journal: every file ends under
// exactly one of its two names, with its content, whichever way the recovery goes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "../../support/cli_runner.h"
#include "../../support/file_bytes.h"
#include "../../support/injected_faults.h"
#include "../../support/scripted_dialogs.h"
#include "../../support/temporary_folder.h"
#include "workspace/execution/execute.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/list_walk.h"

namespace vartel {
namespace {

using Disk = std::map<std::string, std::string>;

// Folders: ten files in each folder, and every folder renamed together with its files.
// Companions: each file has a sidecar that follows it, through its chains and rings.
enum class Variant { Plain, LinkFallback, CaseOnly, Folders, Companions };
constexpr int kFilesPerFolder = 10;

class FoldingFolders : public InjectedFaults {
  public:
    std::optional<bool> foldsCase(const std::string&) override { return true; }
};

// The scale can be raised by hand: VARTEL_KILL_FILES and VARTEL_KILL_ROUNDS.
int fromEnvironment(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : fallback;
}

std::string numbered(const char* prefix, int i) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%05d", prefix, i);
    return name;
}

// Long chains and rings of two and three names, or a change of case only.
std::string newNameOf(const std::string& name, Variant variant, int files) {
    if (variant == Variant::CaseOnly) return "F" + name.substr(1);
    if (variant == Variant::Folders) return (name[0] == 'd' ? "e" : "g") + name.substr(1);
    const int i = std::atoi(name.c_str() + 1);
    const int half = files / 2;
    if (i < half) return numbered(i + 1 < half ? "f" : "g", i + 1);
    const int ring = (i - half) % 5 < 2 ? 2 : 3;
    const int first =
        (i - half) % 5 < 2 ? half + (i - half) / 5 * 5 : half + (i - half) / 5 * 5 + 2;
    if (first + ring > files) return numbered("h", i);
    return numbered("f", first + (i - first + 1) % ring);
}

class JournalKillTest : public ::testing::TestWithParam<Variant> {
  protected:
    std::string files() const { return (work.path() / "files").string(); }
    std::string state() const { return (work.path() / "state").string(); }

    // The folder of file i, below the files' folder: none but for folder rows.
    std::string folderOf(int i, bool renamed) const {
        if (GetParam() != Variant::Folders) return {};
        const std::string folder = numbered("d", i / kFilesPerFolder);
        return (renamed ? newNameOf(folder, GetParam(), 0) : folder) + "/";
    }
    void makeFiles(int count) {
        std::filesystem::remove_all(files());
        std::filesystem::create_directories(files());
        for (int i = 0; i < count; ++i) {
            const std::string name = numbered("f", i);
            std::filesystem::create_directories(files() + "/" + folderOf(i, false));
            writeBytes(files() + "/" + folderOf(i, false) + name, name);
            if (GetParam() == Variant::Companions)
                writeBytes(files() + "/" + name + ".xmp", name + ".xmp");
        }
    }
    Disk expected(int count, bool renamed) const {
        Disk disk;
        for (int i = 0; i < count; ++i) {
            const std::string name = numbered("f", i);
            const std::string now = renamed ? newNameOf(name, GetParam(), count) : name;
            disk[folderOf(i, renamed) + now] = name;
            if (GetParam() == Variant::Companions) disk[now + ".xmp"] = name + ".xmp";
        }
        return disk;
    }
    // Files by their path below the files' folder, with their contents; fails on a temporary
    // name or a file under two names.
    Disk disk() const {
        Disk result;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(files())) {
            const std::string name = entry.path().filename().string();
            EXPECT_NE(name.rfind(".vartel-", 0), 0u) << name;
            if (entry.is_directory()) continue;
            struct stat info {};
            ::lstat(entry.path().c_str(), &info);
            EXPECT_EQ(info.st_nlink, 1u) << name;
            result[std::filesystem::relative(entry.path(), files()).string()] =
                readBytes(entry.path().string());
        }
        return result;
    }

    // What the window does: a preview of every file, executed with the journal.
    [[noreturn]] void renameAll(int count) {
        std::filesystem::create_directories(state() + "/vartel");
        RenameJournal journal(state() + "/vartel");
        ScriptedDialogs dialogs;
        NoPump pump;
        Workspace workspace(dialogs, pump);
        workspace.setJournal(&journal);
        workspace.setWithCompanions(GetParam() == Variant::Companions);
        // Plain batches are given their folder relative to the working folder, and are
        // recovered from another one.
        if (GetParam() == Variant::Plain && ::chdir(files().c_str()) != 0) std::_Exit(1);
        if (GetParam() == Variant::Companions) {
            std::vector<Text> rows;  // the sidecars only follow
            for (int i = 0; i < count; ++i)
                rows.push_back(textFromBytes(files() + "/" + numbered("f", i)));
            workspace.drop(rows);
        } else {
            workspace.drop({GetParam() == Variant::Plain ? U"." : textFromBytes(files())});
        }
        if (GetParam() == Variant::Folders) {
            std::vector<Text> folders;
            for (int i = 0; i < count; i += kFilesPerFolder)
                folders.push_back(
                    textFromBytes(files() + "/" + numbered("d", i / kFilesPerFolder)));
            workspace.addFolderRows(folders, false);
        }
        {
            BusyScope busy(workspace);
            walkCheckedRows(workspace, [&](const FileEntry& row) -> std::optional<Text> {
                return textFromBytes(newNameOf(bytesFromText(row.name), GetParam(), count));
            });
        }
        std::optional<InjectedFaults> faults;
        std::optional<FoldingFolders> folding;
        if (GetParam() == Variant::LinkFallback) {
            faults.emplace(
                std::vector<Fault>{{FileCall::Rename, EINVAL}, {FileCall::Exchange, EINVAL}});
        } else if (GetParam() == Variant::CaseOnly) {
            folding.emplace();
        }
        execute(workspace);
        std::_Exit(0);
    }

    // The batch's plan is written whole (its "go" record is there), so renames may start.
    bool journalBegun() const {
        for (const auto& entry : std::filesystem::directory_iterator(state() + "/vartel")) {
            if (entry.path().extension() == ".journal" &&
                readBytes(entry.path().string()).find(" go\n") != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    // Runs the batch in a child process, waits until its journal is begun, then kills it
    // after the delay unless it ends before. Tells whether it ended by itself and how long
    // it ran after beginning its journal.
    std::pair<bool, std::chrono::microseconds> runKilledAfter(int count,
                                                              std::chrono::microseconds delay) {
        std::filesystem::remove_all(state() + "/vartel");
        std::filesystem::create_directories(state() + "/vartel");
        const pid_t child = ::fork();
        if (child == 0) renameAll(count);
        int status = 0;
        const auto ended = [&] { return ::waitpid(child, &status, WNOHANG) == child; };
        const auto pause = [] { std::this_thread::sleep_for(std::chrono::microseconds(100)); };
        bool done = false;
        while (!(done = ended()) && !journalBegun()) pause();
        const auto begun = std::chrono::steady_clock::now();
        while (!done && std::chrono::steady_clock::now() < begun + delay) {
            done = ended();
            if (!done) pause();
        }
        if (!done) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        return {done && WIFEXITED(status), std::chrono::duration_cast<std::chrono::microseconds>(
                                               std::chrono::steady_clock::now() - begun)};
    }

    TemporaryFolder work;
};

TEST_P(JournalKillTest, EveryKillIsRecoveredEitherWay) {
    const int count = fromEnvironment("VARTEL_KILL_FILES", 1000);
    const int rounds = fromEnvironment("VARTEL_KILL_ROUNDS", 4);
    // One whole run first, to learn how long the renames of a batch take here.
    makeFiles(count);
    const auto [ended, whole] = runKilledAfter(count, std::chrono::seconds(600));
    ASSERT_TRUE(ended);
    EXPECT_EQ(disk(), expected(count, true));
    // Undone from its journal alone, folders with the files inside them included.
    const auto undone = runCli({"undo"}, state());
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(disk(), expected(count, false));

    std::mt19937 random(static_cast<unsigned>(count) * 7919u + static_cast<unsigned>(rounds));
    int cutShort = 0;
    // On a busy machine a batch can run faster or slower than the first one did, so random
    // instants may all miss it; then the kills come ever earlier until one cuts a batch short.
    auto earlier = whole;
    for (int round = 0; round < rounds || (cutShort == 0 && round < rounds + 12); ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        makeFiles(count);
        earlier /= 2;
        const auto delay =
            round < rounds ? std::chrono::microseconds(std::uniform_int_distribution<std::int64_t>(
                                 0, whole.count())(random))
                           : earlier;
        runKilledAfter(count, delay);
        const bool finish = round % 2 == 0;
        const auto recovered = runCli({"recover", finish ? "--finish" : "--undo"}, state());
        EXPECT_EQ(recovered.exitCode, 0) << recovered.out << recovered.err;
        if (recovered.out != "途中で終わった変換はありません\n") ++cutShort;
        const Disk after = disk();
        // A batch killed before its first rename leaves nothing to recover, one killed after
        // its last leaves every new name.
        if (after == expected(count, !finish)) continue;
        EXPECT_EQ(after, expected(count, finish));
        EXPECT_EQ(runCli({"recover", "--undo"}, state()).out, "途中で終わった変換はありません\n");
    }
    EXPECT_GT(cutShort, 0);
}

INSTANTIATE_TEST_SUITE_P(Variants, JournalKillTest,
                         ::testing::Values(Variant::Plain, Variant::LinkFallback, Variant::CaseOnly,
                                           Variant::Folders, Variant::Companions));

}  // namespace
}  // namespace vartel

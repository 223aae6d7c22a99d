// The command line end to end, as a user runs it, against the bare system calls in the same
// run: the program is started for every iteration, its output thrown away, and its journal
// kept in a folder of its own.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "generated_tree.h"
#include "platform/file_system.h"

extern char** environ;

namespace vartel {
namespace {

class StateHome {
  public:
    StateHome() { std::filesystem::create_directories(path_); }
    ~StateHome() { std::filesystem::remove_all(path_); }
    const std::string& path() const { return path_; }

  private:
    std::string path_ = (std::filesystem::temp_directory_path() /
                         ("vartel-bench-state-" + std::to_string(::getpid())))
                            .string();
};

// Runs vartel-cli from beside this program with standard output to /dev/null; its exit code.
int runCli(const std::vector<std::string>& arguments, const StateHome& state) {
    const std::string program = executableFolder() + "/vartel-cli";
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> environment{"XDG_STATE_HOME=" + state.path()};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (std::string(*variable).rfind("XDG_STATE_HOME=", 0) != 0)
            environment.push_back(*variable);
    }
    std::vector<char*> envp;
    for (auto& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int failed =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return -1;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What every command pays before its own work: starting the program and ending it. The photo
// and music libraries are loaded only when a file's tags are read, so they are not in here.
void BM_CliStart(benchmark::State& state) {
    const StateHome home;
    for (auto _ : state) {
        if (runCli({"--version"}, home) != 0) state.SkipWithError("--version failed");
    }
}
BENCHMARK(BM_CliStart)->Unit(benchmark::kMillisecond)->UseRealTime();

// To set against the bare walk of the same tree (BM_BareWalk).
void BM_CliPreview100k(benchmark::State& state) {
    const StateHome home;
    const std::string root = tree().root();  // made before the clock runs
    for (auto _ : state) {
        if (runCli({"preview", "--op", "add", "--set", "text=p", root}, home) != 0) {
            state.SkipWithError("preview failed");
        }
    }
}
BENCHMARK(BM_CliPreview100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a rename of a folder's files cannot do without: read the folder, look each file up,
// rename it.
void BM_BareWalkAndRename10k(benchmark::State& state) {
    const std::string folder = tree().renames();
    std::vector<std::string> names;
    for (auto _ : state) {
        names.clear();
        DIR* listing = ::opendir(folder.c_str());
        while (const dirent* entry = ::readdir(listing)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            struct stat info {};
            if (::lstat((folder + "/" + name).c_str(), &info) == 0) names.push_back(name);
        }
        ::closedir(listing);
        for (const auto& name : names) {
            ::renameat2(AT_FDCWD, (folder + "/" + name).c_str(), AT_FDCWD,
                        (folder + "/s" + name).c_str(), RENAME_NOREPLACE);
        }
        state.PauseTiming();
        for (const auto& name : names) {
            ::renameat2(AT_FDCWD, (folder + "/s" + name).c_str(), AT_FDCWD,
                        (folder + "/" + name).c_str(), RENAME_NOREPLACE);
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWalkAndRename10k)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same renames through vartel-cli rename, journal included; the undo is not timed.
void BM_CliRename10k(benchmark::State& state) {
    const StateHome home;
    tree();
    for (auto _ : state) {
        if (runCli({"rename", "--op", "add", "--set", "text=s", tree().renames()}, home) != 0) {
            state.SkipWithError("rename failed");
        }
        state.PauseTiming();
        if (runCli({"undo"}, home) != 0) state.SkipWithError("undo failed");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CliRename10k)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vartel

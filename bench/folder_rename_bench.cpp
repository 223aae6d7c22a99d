// Folders renamed as rows of their own, and numbering that starts again in every folder,
// against the bare system calls.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "../tests/support/scripted_dialogs.h"
#include "operations/operation.h"
#include "runs/operation_run.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"
#include "workspace/list_walk.h"

namespace vartel {
namespace {

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;

// 1,000 folders of 100 files each, made once per run and removed at the end.
class FolderTree {
  public:
    FolderTree() {
        root_ = std::filesystem::temp_directory_path() /
                ("vartel-folder-bench-" + std::to_string(::getpid()));
        for (int f = 0; f < kFolders; ++f) {
            const auto folder = root_ / folderName(f, "d");
            std::filesystem::create_directories(folder);
            for (int i = 0; i < kFilesPerFolder; ++i) {
                std::ofstream(folder / ("file" + std::to_string(i) + ".jpg")) << 'x';
            }
        }
    }
    ~FolderTree() { std::filesystem::remove_all(root_); }
    static std::string folderName(int f, const char* prefix) {
        return std::string(prefix).append(std::to_string(f));
    }
    std::string path(int f, const char* prefix) const {
        return (root_ / folderName(f, prefix)).string();
    }
    std::string root() const { return root_.string(); }

  private:
    std::filesystem::path root_;
};

const FolderTree& tree() {
    static const FolderTree instance;
    return instance;
}

struct Bench {
    ScriptedDialogs dialogs;
    NoPump pump;
    Workspace workspace{dialogs, pump};
};

void renameAllFolders(const char* from, const char* to) {
    for (int f = 0; f < kFolders; ++f) {
        ::renameat2(AT_FDCWD, tree().path(f, from).c_str(), AT_FDCWD, tree().path(f, to).c_str(),
                    RENAME_NOREPLACE);
    }
}

void BM_BareRenameat2Of1000Folders(benchmark::State& state) {
    tree();
    for (auto _ : state) {
        renameAllFolders("d", "e");
        state.PauseTiming();
        renameAllFolders("e", "d");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareRenameat2Of1000Folders)->Unit(benchmark::kMillisecond);

// The 1,000 folders as rows, each to be renamed with an "e" in front of its name.
void previewFolderRows(Bench& bench) {
    std::vector<Text> folders;
    for (int f = 0; f < kFolders; ++f) folders.push_back(textFromBytes(tree().path(f, "d")));
    bench.workspace.addFolderRows(folders, false);
    BusyScope busy(bench.workspace);
    walkCheckedRows(bench.workspace, [](const FileEntry& row) { return U"e" + row.name; });
}

// Execute of the 1,000 folder rows; the undo that puts them back is not timed.
void BM_ExecuteFolderRows1000(benchmark::State& state) {
    tree();
    for (auto _ : state) {
        state.PauseTiming();
        Bench bench;
        previewFolderRows(bench);
        state.ResumeTiming();
        execute(bench.workspace);
        state.PauseTiming();
        undo(bench.workspace);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExecuteFolderRows1000)->Unit(benchmark::kMillisecond);

// The preview of the 100,000 files of the tree, numbered again in every folder with zero fill.
void BM_PreviewNumberingPerFolder100k(benchmark::State& state) {
    NumberingSettings numbering{NumberingForm::AtStart, 1, 1, true, {}, {}, 1, false};
    numbering.perFolder = true;
    for (auto _ : state) {
        state.PauseTiming();
        Bench bench;
        bench.workspace.drop({textFromBytes(tree().root())});
        RecordingState notRecording;
        MacroProgram program;
        RecordingFrame frame(notRecording, program);
        state.ResumeTiming();
        runOperation(bench.workspace, frame, numbering);
        benchmark::DoNotOptimize(bench.workspace.previewList().data());
    }
}
BENCHMARK(BM_PreviewNumberingPerFolder100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vartel

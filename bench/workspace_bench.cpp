// The long commands of the workspace against the bare system calls they are built on.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "../tests/support/scripted_dialogs.h"
#include "editor/macro_editor.h"
#include "macro/instruction_catalogue.h"
#include "recording/macro_run.h"
#include "workspace/execution.h"
#include "workspace/list_walk.h"

namespace vartel {
namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 1000;  // 100,000 files in all
constexpr int kRenames = 10000;

// A generated tree, made once per run and removed at the end.
class Tree {
  public:
    Tree() {
        root_ =
            std::filesystem::temp_directory_path() / ("vartel-bench-" + std::to_string(::getpid()));
        for (int f = 0; f < kFolders; ++f) {
            const auto folder = root_ / (std::string("folder").append(std::to_string(f)));
            std::filesystem::create_directories(folder);
            for (int i = 0; i < kFilesPerFolder; ++i) {
                std::ofstream(folder /
                              (std::string("file").append(std::to_string(i)).append(".txt")))
                    << 'x';
            }
        }
        std::filesystem::create_directories(root_ / "renames");
        for (int i = 0; i < kRenames; ++i) {
            std::ofstream(root_ / "renames" /
                          (std::string("r").append(std::to_string(i)).append(".txt")))
                << 'x';
        }
    }
    ~Tree() { std::filesystem::remove_all(root_); }
    std::string root() const { return root_.string(); }
    std::string renames() const { return (root_ / "renames").string(); }

  private:
    std::filesystem::path root_;
};

const Tree& tree() {
    static const Tree instance;
    return instance;
}

struct Bench {
    ScriptedDialogs dialogs;
    NoPump pump;
    Workspace workspace{dialogs, pump};
};

// Breadth first like the walk: opendir, readdir, lstat of the full path, folders queued.
void BM_BareWalk(benchmark::State& state) {
    const std::string root = tree().root();
    for (auto _ : state) {
        std::deque<std::string> pending{root};
        std::int64_t files = 0;
        while (!pending.empty()) {
            const std::string folder = pending.front();
            pending.pop_front();
            DIR* listing = ::opendir(folder.c_str());
            if (listing == nullptr) continue;
            while (const dirent* entry = ::readdir(listing)) {
                const std::string name = entry->d_name;
                if (name == "." || name == "..") continue;
                const std::string path = folder + "/" + name;
                struct stat info {};
                if (::lstat(path.c_str(), &info) != 0) continue;
                if (S_ISDIR(info.st_mode)) {
                    pending.push_back(path);
                } else if (info.st_size != 0) {
                    ++files;
                }
            }
            ::closedir(listing);
        }
        benchmark::DoNotOptimize(files);
    }
}
BENCHMARK(BM_BareWalk)->Unit(benchmark::kMillisecond);

void BM_WalkIntoList(benchmark::State& state) {
    const Text root = textFromBytes(tree().root());
    double bytesPerRow = 0;
    for (auto _ : state) {
        const auto heapBefore = ::mallinfo2().uordblks;
        auto bench = std::make_unique<Bench>();
        bench->workspace.drop({root});
        const auto rows = bench->workspace.conversionList().size();
        benchmark::DoNotOptimize(rows);
        state.PauseTiming();  // measuring and freeing the list is no part of the walk
        // What the filled list holds on the heap, per row (paths of about 45 characters).
        bytesPerRow =
            static_cast<double>(::mallinfo2().uordblks - heapBefore) / static_cast<double>(rows);
        bench.reset();
        state.ResumeTiming();
    }
    state.counters["heap_bytes_per_row"] = bytesPerRow;
}
BENCHMARK(BM_WalkIntoList)->Unit(benchmark::kMillisecond);

ConversionList syntheticRows(int count) {
    ConversionList rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Text name = U"写真" + textFromBytes(std::to_string(i)) + U".jpg";
        rows.push_back(
            {name, U".jpg", U"12345", U"2020/01/02 3:04:05", U"/home/user/photos/" + name});
    }
    return rows;
}

void BM_Preview100k(benchmark::State& state) {
    const ConversionList rows = syntheticRows(kFolders * kFilesPerFolder);
    for (auto _ : state) {
        state.PauseTiming();
        Bench bench;
        bench.workspace.conversionList() = rows;
        state.ResumeTiming();
        {
            BusyScope busy(bench.workspace);
            walkCheckedRows(bench.workspace,
                            [](const FileEntry& row) { return U"new " + row.name; });
        }
        benchmark::DoNotOptimize(bench.workspace.previewList().size());
    }
}
BENCHMARK(BM_Preview100k)->Unit(benchmark::kMillisecond);

void BM_MacroPreview100k(benchmark::State& state) {
    const ConversionList rows = syntheticRows(kFolders * kFilesPerFolder);
    MacroEditor editor;
    editor.program().appendLine({{U"拡張子", U"代入", U"文字", {U"png", U"", U""}},
                                 CodedRow(66, AssignType::Text, -2, 0, 0)});
    const FixedClock clock{{2020, 1, 2, 3, 4, 5}};
    for (auto _ : state) {
        state.PauseTiming();
        Bench bench;
        bench.workspace.conversionList() = rows;
        state.ResumeTiming();
        runMacroOverList(bench.workspace, editor, clock);
        benchmark::DoNotOptimize(bench.workspace.previewList().size());
    }
}
BENCHMARK(BM_MacroPreview100k)->Unit(benchmark::kMillisecond);

std::string renamedPath(const std::string& folder, int i, const char* prefix) {
    return folder + "/" + prefix + std::to_string(i) + ".txt";
}

void BM_BareRenameat2(benchmark::State& state) {
    const std::string folder = tree().renames();
    for (auto _ : state) {
        for (int i = 0; i < kRenames; ++i) {
            ::renameat2(AT_FDCWD, renamedPath(folder, i, "r").c_str(), AT_FDCWD,
                        renamedPath(folder, i, "s").c_str(), RENAME_NOREPLACE);
        }
        state.PauseTiming();
        for (int i = 0; i < kRenames; ++i) {
            ::renameat2(AT_FDCWD, renamedPath(folder, i, "s").c_str(), AT_FDCWD,
                        renamedPath(folder, i, "r").c_str(), RENAME_NOREPLACE);
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareRenameat2)->Unit(benchmark::kMillisecond);

// The 10,000 files of the rename folder in the preview, each to be prefixed with "s".
void previewRenames(Bench& bench) {
    bench.workspace.drop({textFromBytes(tree().renames())});
    BusyScope busy(bench.workspace);
    walkCheckedRows(bench.workspace, [](const FileEntry& row) { return U"s" + row.name; });
}

// Execute of 10,000 previews; the undo that puts the files back is timed separately.
void BM_Execute10k(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Bench bench;
        previewRenames(bench);
        state.ResumeTiming();
        execute(bench.workspace);
        state.PauseTiming();
        undo(bench.workspace);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Execute10k)->Unit(benchmark::kMillisecond);

void BM_ExecuteThenUndo10k(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Bench bench;
        previewRenames(bench);
        state.ResumeTiming();
        execute(bench.workspace);
        undo(bench.workspace);
    }
}
BENCHMARK(BM_ExecuteThenUndo10k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vartel

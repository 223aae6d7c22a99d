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
#include "common/name_parts.h"
#include "editor/macro_editor.h"
#include "generated_tree.h"
#include "macro/instruction_catalogue.h"
#include "runs/macro_run.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/list_walk.h"
#include "workspace/rows/modified_time.h"

namespace vartel {
namespace {

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
    const FileFacts facts{12345, packedDateTime({2020, 1, 2, 3, 4, 5})};
    for (int i = 0; i < count; ++i) {
        const Text name = U"写真" + textFromBytes(std::to_string(i)) + U".jpg";
        rows.push_back(fileEntryAt(U"/home/user/photos/" + name, facts,
                                   rows.empty() ? nullptr : rows.back().folder));
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

// The planner over the 100,000 files of the tree: 10% of the rows take the name of another
// row's file, 1% swap names in pairs, the rest get free names (each looked up on disk).
void BM_Plan100k(benchmark::State& state) {
    std::vector<RenameRequest> requests;
    for (int f = 0; f < kFolders; ++f) {
        const std::string folder = tree().root() + "/folder" + std::to_string(f) + "/";
        const auto name = [](int i) { return "file" + std::to_string(i) + ".txt"; };
        for (int i = 0; i < kFilesPerFolder; ++i) {
            std::string newName = std::string("p").append(name(i));
            if (i % 10 == 0) newName = name(i + 1);
            if (i % 100 == 55) newName = name(i + 1);
            if (i % 100 == 56) newName = name(i - 1);
            requests.push_back({folder + name(i), newName, {}});
        }
    }
    for (auto _ : state) {
        const RenamePlan plan = planRenames(requests);
        if (plan.blockedRows != 0) state.SkipWithError("rows blocked");
        benchmark::DoNotOptimize(plan.steps.size());
    }
}
BENCHMARK(BM_Plan100k)->Unit(benchmark::kMillisecond);

// A journal folder of its own, emptied after each batch so that it never grows.
class BenchJournal {
  public:
    BenchJournal() {
        std::filesystem::create_directories(folder_);
        journal_.emplace(folder_.string());
    }
    ~BenchJournal() { std::filesystem::remove_all(folder_); }
    RenameJournal& journal() { return *journal_; }

  private:
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                    ("vartel-bench-journal-" + std::to_string(::getpid()));
    std::optional<RenameJournal> journal_;
};

enum class ExecuteMode { Planned, Literal, Journaled };

// Execute of 10,000 previews: as planned, in the literal order without reordering, and as
// planned with the journal written; the undo that puts the files back is not timed.
void BM_Execute10kMode(benchmark::State& state) {
    const auto mode = static_cast<ExecuteMode>(state.range(0));
    BenchJournal journal;
    for (auto _ : state) {
        state.PauseTiming();
        Bench bench;
        bench.workspace.setLiteralOrder(mode == ExecuteMode::Literal);
        previewRenames(bench);
        if (mode == ExecuteMode::Journaled) bench.workspace.setJournal(&journal.journal());
        state.ResumeTiming();
        execute(bench.workspace);
        state.PauseTiming();
        if (bench.dialogs.messages.back() != U"正常終了") state.SkipWithError("renames failed");
        bench.workspace.setJournal(nullptr);
        undo(bench.workspace);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Execute10kMode)
    ->Arg(static_cast<int>(ExecuteMode::Planned))
    ->Arg(static_cast<int>(ExecuteMode::Literal))
    ->Arg(static_cast<int>(ExecuteMode::Journaled))
    ->Unit(benchmark::kMillisecond);

// The 10,000 numbered files r0..r9999 shifted by one, up (r0 -> r1, ...) or down: every rename
// must succeed, which needs the planner's order.
void BM_Shift10k(benchmark::State& state) {
    const bool up = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        Bench bench;
        bench.workspace.drop({textFromBytes(tree().renames())});
        {
            BusyScope busy(bench.workspace);
            walkCheckedRows(bench.workspace, [&](const FileEntry& row) {
                const int i = std::stoi(bytesFromText(row.name).substr(1));
                return U"r" + textFromBytes(std::to_string(up ? i + 1 : i - 1)) + U".txt";
            });
        }
        state.ResumeTiming();
        execute(bench.workspace);
        state.PauseTiming();
        if (bench.dialogs.messages.back() != U"正常終了") state.SkipWithError("renames failed");
        undo(bench.workspace);
        if (bench.dialogs.messages.back() != U"正常終了") state.SkipWithError("undo failed");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Shift10k)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

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

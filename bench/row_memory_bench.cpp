// Heap held per row of the three lists at a million rows, and the most a list file of a
// million lines holds while it is loaded and saved.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "../tests/support/scripted_dialogs.h"
#include "heap_peak.h"
#include "workspace/list_walk.h"
#include "workspace/lists/list_files.h"

namespace vartel {
namespace {

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 1000;  // a million rows in all

struct Bench {
    ScriptedDialogs dialogs;
    NoPump pump;
    Workspace workspace{dialogs, pump};
};

// Typical photo-library names: about 25 characters, paths of about 60.
Text folderPath(int folder) {
    return U"/home/user/写真/2023/旅行" + textFromBytes(std::to_string(folder));
}
Text fileName(int folder, int file) {
    return U"IMG_2023" + textFromBytes(std::to_string(folder * kFilesPerFolder + file)) +
           U"_0815.jpg";
}

// The rows a walk of the million files makes, in the order it makes them.
void fillAsWalked(ConversionList& rows) {
    FileStatus status;
    SharedFolder shared;
    status.size = 3'456'789;
    status.modifiedSeconds = 1'692'000'000;
    for (int f = 0; f < kFolders; ++f) {
        const Text folder = folderPath(f);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            status.identity.inode = static_cast<std::uint64_t>(f * kFilesPerFolder + i + 1);
            rows.push_back(fileEntryOf(folder + U"/" + fileName(f, i), status, shared));
            shared = rows.back().folder;
        }
    }
}

double perRow(std::size_t bytes, std::size_t rows) {
    return static_cast<double>(bytes) / static_cast<double>(rows);
}

void BM_ConversionRows1M(benchmark::State& state) {
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        ConversionList rows;
        fillAsWalked(rows);
        state.counters["heap_bytes_per_row"] = perRow(heapInUse() - before, rows.size());
        state.counters["row_struct_bytes"] = sizeof(FileEntry);
    }
}
BENCHMARK(BM_ConversionRows1M)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every row renamed in one preview; the statuses are planned as the preview list shows them
// (each target looked up on disk, where none exists).
void BM_PreviewRows1M(benchmark::State& state) {
    for (auto _ : state) {
        auto bench = std::make_unique<Bench>();
        const std::size_t before = heapInUse();
        fillAsWalked(bench->workspace.conversionList());
        {
            BusyScope busy(bench->workspace);
            walkCheckedRows(bench->workspace,
                            [](const FileEntry& row) { return U"旅行_" + row.name; });
        }
        // The emptied conversion list keeps its capacity; only the preview is counted.
        bench->workspace.conversionList().shrink_to_fit();
        const auto& preview = bench->workspace.previewList();
        if (preview.size() != kFolders * kFilesPerFolder) state.SkipWithError("rows missing");
        state.counters["heap_bytes_per_row"] = perRow(heapInUse() - before, preview.size());
    }
}
BENCHMARK(BM_PreviewRows1M)->Unit(benchmark::kMillisecond)->Iterations(1);

// The history of the million renames, each row made the way execute makes it from its preview
// row.
void BM_HistoryRows1M(benchmark::State& state) {
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        HistoryList history;
        {
            ConversionList rows;
            fillAsWalked(rows);
            for (const auto& row : rows) {
                HistoryEntry entry{row.folder, row.name, U"旅行_" + row.name};
                entry.identity = row.identity;
                history.push_back(std::move(entry));
            }
        }
        state.counters["heap_bytes_per_row"] = perRow(heapInUse() - before, history.size());
    }
}
BENCHMARK(BM_HistoryRows1M)->Unit(benchmark::kMillisecond)->Iterations(1);

// A list file of a million lines naming the thousand files of one folder a thousand times
// over, loaded and saved again: the most held against what the loaded list holds.
void BM_ListFile1M(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("vartel-bench-list-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "写真");
    for (int i = 0; i < kFilesPerFolder; ++i) {
        std::ofstream(folder / "写真" / bytesFromText(fileName(0, i))) << 'x';
    }
    const std::string listFile = (folder / "list.txt").string();
    {
        std::ofstream out(listFile, std::ios::binary);
        const std::string prefix = (folder / "写真").string() + "/";
        for (int n = 0; n < kFolders; ++n) {
            for (int i = 0; i < kFilesPerFolder; ++i) {
                out << prefix << bytesFromText(fileName(0, i)) << "\r\n";
            }
        }
    }
    for (auto _ : state) {
        auto bench = std::make_unique<Bench>();
        const std::size_t before = heapInUse();
        resetHeapPeak();
        bench->dialogs.files.push_back(listFile);
        loadList(bench->workspace);
        const std::size_t listBytes = heapInUse() - before;
        const std::size_t loadPeak = heapPeak() - before;
        resetHeapPeak();
        bench->dialogs.files.push_back((folder / "saved.txt").string());
        saveList(bench->workspace);
        const std::size_t savePeak = heapPeak() - before;
        if (bench->workspace.conversionList().size() != kFolders * kFilesPerFolder) {
            state.SkipWithError("rows missing");
        }
        state.counters["list_bytes_per_row"] =
            perRow(listBytes, bench->workspace.conversionList().size());
        state.counters["load_peak_to_list"] = static_cast<double>(loadPeak) / listBytes;
        state.counters["save_peak_to_list"] = static_cast<double>(savePeak) / listBytes;
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ListFile1M)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vartel

// Photos renamed with their raw files and sidecars, against the bare renames of all three.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../tests/support/scripted_dialogs.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/list_walk.h"

namespace vartel {
namespace {

constexpr int kPhotos = 10000;
const char* const kSuffixes[] = {".JPG", ".ARW", ".xmp"};  // the photo, then its companions

// 10,000 photos, each with a raw file and a sidecar, in one folder made once per run.
class PhotoFolder {
  public:
    PhotoFolder() {
        std::filesystem::create_directories(path_);
        for (int i = 0; i < kPhotos; ++i) {
            for (const char* suffix : kSuffixes) std::ofstream(file("DSC", i, suffix)) << 'x';
        }
        ::sync();
    }
    ~PhotoFolder() { std::filesystem::remove_all(path_); }
    std::string file(const char* prefix, int i, const char* suffix) const {
        return (path_ / (prefix + std::to_string(i) + suffix)).string();
    }
    std::string journal() const { return path_.string() + "-journal"; }

  private:
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("vartel-bench-photos-" + std::to_string(::getpid()));
};

const PhotoFolder& photos() {
    static const PhotoFolder instance;
    return instance;
}

void renameAll(const char* from, const char* to) {
    for (int i = 0; i < kPhotos; ++i) {
        for (const char* suffix : kSuffixes) {
            ::renameat2(AT_FDCWD, photos().file(from, i, suffix).c_str(), AT_FDCWD,
                        photos().file(to, i, suffix).c_str(), RENAME_NOREPLACE);
        }
    }
}

// The 30,000 files renamed one by one and nothing else.
void BM_BareRenameat2Photos(benchmark::State& state) {
    photos();  // made before the clock runs
    for (auto _ : state) {
        renameAll("DSC", "KYO");
        state.PauseTiming();
        renameAll("KYO", "DSC");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareRenameat2Photos)->Unit(benchmark::kMillisecond);

// Execute of the 10,000 photos, each taking its two companions along: found in the folder,
// planned together, renamed and recorded; with the journal written when the argument is 1.
// The preview before and the undo after are not timed.
void BM_ExecutePhotosWithCompanions(benchmark::State& state) {
    const bool journaled = state.range(0) == 1;
    photos();
    std::filesystem::create_directories(photos().journal());
    RenameJournal journal(photos().journal());
    for (auto _ : state) {
        state.PauseTiming();
        ScriptedDialogs dialogs;
        NoPump pump;
        Workspace workspace(dialogs, pump);
        workspace.setWithCompanions(true);
        std::vector<Text> rows;
        for (int i = 0; i < kPhotos; ++i)
            rows.push_back(textFromBytes(photos().file("DSC", i, ".JPG")));
        workspace.drop(rows);
        {
            BusyScope busy(workspace);
            walkCheckedRows(workspace,
                            [](const FileEntry& row) { return U"KYO" + row.name.substr(3); });
        }
        if (journaled) workspace.setJournal(&journal);
        state.ResumeTiming();
        execute(workspace);
        state.PauseTiming();
        if (dialogs.messages.back() != U"正常終了" || workspace.historyList().size() != 3 * kPhotos)
            state.SkipWithError("renames failed");
        workspace.setJournal(nullptr);
        undo(workspace);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(photos().journal());
}
BENCHMARK(BM_ExecutePhotosWithCompanions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vartel

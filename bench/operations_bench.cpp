#include <benchmark/benchmark.h>

#include "../tests/support/scripted_dialogs.h"
#include "common/integer_text.h"
#include "recording/operation_run.h"

namespace vartel {
namespace {

constexpr int kRows = 100000;

// Names of about 30 characters, mixed case, half of them Japanese, every one checked.
ConversionList rows() {
    ConversionList list;
    list.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        const Text stem = (i % 2 ? U"Photo_写真_" : U"holiday_Trip_") + formatInteger(i) + U"_ab";
        list.push_back({stem + U".jpg", U".jpg", U"1024", U"2026/01/01 9:00:00",
                        U"/pictures/" + stem + U".jpg"});
    }
    return list;
}

// A preview of every row by one operation, with the busy state and the move into the preview.
void previewAll(benchmark::State& state, const OperationSettings& operation) {
    const ConversionList list = rows();
    ScriptedDialogs dialogs;
    NoPump pump;
    RecordingState notRecording;
    MacroProgram unused;
    RecordingFrame frame(notRecording, unused);
    for (auto _ : state) {
        state.PauseTiming();
        Workspace workspace(dialogs, pump);
        workspace.conversionList() = list;
        state.ResumeTiming();
        runOperation(workspace, frame, operation);
        benchmark::DoNotOptimize(workspace.previewList().data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_PreviewAddTextAfterA(benchmark::State& state) {
    previewAll(state, AddTextSettings{U"_新", AddTextMode::AfterA, 1, U"AB", false});
}
void BM_PreviewDeleteAToB(benchmark::State& state) {
    previewAll(state, DeleteSettings{DeleteMode::AToB, 1, 1, U"_", U"_a", false});
}
void BM_PreviewReplaceIgnoringCase(benchmark::State& state) {
    previewAll(state, ReplaceSettings{ReplaceRange::Whole, ReplaceKind::Replace, U"photo", U"画像",
                                      1, 1, false});
}
void BM_PreviewNumberingWithZeroFill(benchmark::State& state) {
    previewAll(state, NumberingSettings{NumberingForm::BeforeA, 1, 1, true, U"_ab", {}, 1, false});
}
void BM_PreviewExtension(benchmark::State& state) {
    previewAll(state, ExtensionSettings{ExtensionMode::AfterNth, U"x", 2, 1});
}

BENCHMARK(BM_PreviewAddTextAfterA)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewDeleteAToB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewReplaceIgnoringCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewNumberingWithZeroFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewExtension)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vartel

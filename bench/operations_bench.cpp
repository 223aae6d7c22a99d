#include <benchmark/benchmark.h>

#include "../tests/support/scripted_dialogs.h"
#include "common/integer_text.h"
#include "macro/text_conversions.h"
#include "macro/text_edits.h"
#include "macro/text_regex.h"
#include "runs/operation_run.h"
#include "workspace/rows/modified_time.h"

namespace vartel {
namespace {

constexpr int kRows = 100000;

// Names of about 30 characters, mixed case, half of them Japanese, every one checked.
ConversionList rows() {
    ConversionList list;
    list.reserve(kRows);
    const FileFacts facts{1024, packedDateTime({2026, 1, 1, 9, 0, 0})};
    for (int i = 0; i < kRows; ++i) {
        const Text stem = (i % 2 ? U"Photo_写真_" : U"holiday_Trip_") + formatInteger(i) + U"_ab";
        list.push_back(fileEntryAt(U"/pictures/" + stem + U".jpg", facts,
                                   list.empty() ? nullptr : list.back().folder));
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

// Names of 40 characters with something for every conversion: full-width letters and digits,
// half-width kana with voiced marks, hiragana, a separate voiced mark, kanji numerals and ASCII.
const std::vector<Text>& fortyCharacterNames() {
    static const std::vector<Text> names = [] {
        std::vector<Text> list;
        list.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            Text name =
                U"Photo_ＡＢＣ１２３_ｶﾞｲﾄﾞ_しゃしん_カ\u3099_" + formatInteger(i) + U"_第十二話_ab";
            name.resize(40, U'x');
            list.push_back(std::move(name));
        }
        return list;
    }();
    return names;
}

template <class Convert>
void convertEveryName(benchmark::State& state, Convert convert) {
    const auto& names = fortyCharacterNames();
    for (auto _ : state) {
        for (const auto& name : names) benchmark::DoNotOptimize(convert(name));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_Convert100kNames(benchmark::State& state, TextConversion conversion) {
    convertEveryName(state,
                     [conversion](const Text& name) { return convertText(conversion, name); });
}
BENCHMARK_CAPTURE(BM_Convert100kNames, FullWidthToHalfWidth, TextConversion::FullWidthToHalfWidth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, HalfWidthToFullWidth, TextConversion::HalfWidthToFullWidth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, HalfWidthKanaToFullWidth,
                  TextConversion::HalfWidthKanaToFullWidth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, FullWidthKanaToHalfWidth,
                  TextConversion::FullWidthKanaToHalfWidth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, HiraganaToKatakana, TextConversion::HiraganaToKatakana)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, KatakanaToHiragana, TextConversion::KatakanaToHiragana)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, Nfc, TextConversion::Nfc)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, RepairGarbled, TextConversion::RepairGarbled)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, KanjiNumeralsToDigits, TextConversion::KanjiNumeralsToDigits)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert100kNames, DigitsToKanjiNumerals, TextConversion::DigitsToKanjiNumerals)
    ->Unit(benchmark::kMillisecond);

// Names of 20 characters as a Japanese user's files are named: places, songs and people in
// kanji and kana, with digits and Latin letters between them.
const std::vector<Text>& twentyCharacterJapaneseNames() {
    static const std::vector<Text> names = [] {
        static const Text kWords[] = {U"東京タワー", U"桜 春の歌", U"山田太郎",         U"夏祭り",
                                      U"北海道の夏", U"運動会",    U"誕生日パーティー", U"抹茶"};
        std::vector<Text> list;
        list.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            Text name =
                kWords[i % 8] + U"_" + formatInteger(i) + U"_" + kWords[(i / 8) % 8] + U"写真集";
            name.resize(20, U'の');
            list.push_back(std::move(name));
        }
        return list;
    }();
    return names;
}

// The readings of 100,000 names; the first reading's loading of the dictionary is left out.
void BM_Read100kJapaneseNames(benchmark::State& state, TextConversion conversion) {
    benchmark::DoNotOptimize(convertText(conversion, U"辞書"));
    const auto& names = twentyCharacterJapaneseNames();
    for (auto _ : state) {
        for (const auto& name : names) benchmark::DoNotOptimize(convertText(conversion, name));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK_CAPTURE(BM_Read100kJapaneseNames, KatakanaReading, TextConversion::KatakanaReading)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read100kJapaneseNames, HiraganaReading, TextConversion::HiraganaReading)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read100kJapaneseNames, Romaji, TextConversion::Romaji)
    ->Unit(benchmark::kMillisecond);

// The yardstick: the plain replace, ignoring case, on the same names.
void BM_Replace100kNames(benchmark::State& state) {
    convertEveryName(state,
                     [](const Text& name) { return replaceAll(name, U"photo", U"写真", true); });
}
BENCHMARK(BM_Replace100kNames)->Unit(benchmark::kMillisecond);

void BM_RegexReplace100kNames(benchmark::State& state) {
    const TextRegex regex(U"photo_(\\d+)?", false);
    convertEveryName(state, [&](const Text& name) { return regex.replaceAll(name, U"写真$1"); });
}
BENCHMARK(BM_RegexReplace100kNames)->Unit(benchmark::kMillisecond);

void BM_PreviewRegexReplace(benchmark::State& state) {
    ReplaceSettings settings;
    settings.search = U"photo_(\\d+)?";
    settings.replacement = U"写真$1";
    settings.regex = true;
    previewAll(state, settings);
}
BENCHMARK(BM_PreviewRegexReplace)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vartel

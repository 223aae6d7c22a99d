#include <benchmark/benchmark.h>

#include "../tests/support/macro_builder.h"
#include "../tests/support/scripted_dialogs.h"
#include "common/integer_text.h"
#include "macro/macro_interpreter.h"

namespace vartel {
namespace {

class NoCheckedFiles : public CheckedFileCount {
  public:
    int checkedFileCount() const override { return 0; }
};

// The text instructions a rename macro leans on: searches, replacements and copies.
MacroProgram searchReplaceCopyMacro() {
    return programOf({
        typedLine(U"数値１", U"検索", U"大小区別", U"ファイル名", U"_2026"),
        typedLine(U"数値２", U"検索", U"区別なし", U"ファイル名", U"img_2026_x"),
        typedLine(U"文字１", U"置換処理", U"大小区別", U"ファイル名", U"_", U"-"),
        typedLine(U"文字２", U"置換処理", U"区別なし", U"文字１", U"img", U"写真"),
        typedLine(U"文字３", U"文字出力", U"コピー", U"文字２", U"数値１", U"12"),
        typedLine(U"ファイル名", U"文字出力", U"コピー", U"文字２", U"1", U"30"),
    });
}

void BM_SearchReplaceCopyOver100000Names(benchmark::State& state) {
    const MacroProgram program = searchReplaceCopyMacro();
    VariableStore store;
    MultiConditionTable table;
    ScriptedDialogs dialogs;
    const FixedClock clock({2026, 1, 1, 0, 0, 0});
    const NoCheckedFiles noFiles;
    MacroInterpreter interpreter(program, store, table, {dialogs, clock, noFiles});

    constexpr std::size_t kNameLength = 40;
    std::vector<Text> names;
    for (int i = 0; i < 100000; ++i) {
        Text name = U"IMG_2026_休暇の写真_" + formatInteger(i) + U"_";
        name.resize(kNameLength, U'x');
        names.push_back(std::move(name));
    }
    store.loadAll(program.tables());
    const auto linesPerName = static_cast<double>(program.lineCount());

    for (auto _ : state) {
        for (const auto& name : names) {
            store.loadPerFile(program.tables());
            benchmark::DoNotOptimize(interpreter.runMacro(name, U"jpg", U""));
        }
    }
    state.counters["lines_per_second"] = benchmark::Counter(
        linesPerName * static_cast<double>(names.size()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchReplaceCopyOver100000Names)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vartel

#include <benchmark/benchmark.h>

#include "../tests/support/macro_builder.h"
#include "../tests/support/scripted_dialogs.h"
#include "common/integer_text.h"
#include "macro/macro_interpreter.h"

namespace vartel {
namespace {

class NoFiles : public CheckedFileCount {
  public:
    int checkedFileCount() const override { return 0; }
};

// Twenty lines: set-up, a counted loop with arithmetic and a condition, and a rename.
MacroProgram twentyLineMacro() {
    return programOf({
        typedLine(U"数値１", U"代入", U"数値", U"0"),
        typedLine(U"数値２", U"代入", U"数値", U"1"),
        typedLine(U"", U"情報", U"コメント", U"count to five"),
        typedLine(U"", U"繰り返し", U"＞", U"5", U"数値１"),
        typedLine(U"", U"繰り返し", U"繰り返し開始"),
        typedLine(U"数値１", U"数値演算", U"＋", U"数値１", U"1"),
        typedLine(U"数値２", U"数値演算", U"＊", U"数値２", U"3"),
        typedLine(U"", U"条件処理", U"＞", U"数値２", U"100"),
        typedLine(U"", U"条件処理", U"条件開始"),
        typedLine(U"数値２", U"数値演算", U"／", U"数値２", U"7"),
        typedLine(U"", U"条件処理", U"条件終了"),
        typedLine(U"", U"繰り返し", U"繰り返し終了"),
        typedLine(U"", U"条件処理", U"＝", U"拡張子", U"txt"),
        typedLine(U"", U"条件処理", U"条件開始"),
        typedLine(U"拡張子", U"代入", U"文字", U"text"),
        typedLine(U"", U"条件処理", U"条件終了"),
        typedLine(U"", U"ジャンプ", U"ジャンプ", U"1"),
        typedLine(U"文字１", U"代入", U"文字", U"skipped"),
        typedLine(U"", U"ジャンプ", U"アンカー", U"1"),
        typedLine(U"ファイル名", U"代入", U"文字", U"ファイル名"),
    });
}

void BM_RunMacroOver100000Names(benchmark::State& state) {
    const MacroProgram program = twentyLineMacro();
    VariableStore store;
    MultiConditionTable table;
    ScriptedDialogs dialogs;
    const FixedClock clock({2026, 1, 1, 0, 0, 0});
    const NoFiles noFiles;
    MacroInterpreter interpreter(program, store, table, {dialogs, clock, noFiles});

    std::vector<Text> names;
    for (int i = 0; i < 100000; ++i) names.push_back(U"写真_2026_" + formatInteger(i));
    store.loadAll(program.tables());
    std::vector<TraceRow> trace;
    interpreter.runMacro(names[0], U"txt", U"", &trace);
    const auto linesPerName = static_cast<double>(trace.size());

    for (auto _ : state) {
        for (const auto& name : names) {
            store.loadPerFile(program.tables());
            benchmark::DoNotOptimize(interpreter.runMacro(name, U"txt", U""));
        }
    }
    state.counters["lines_per_second"] = benchmark::Counter(
        linesPerName * static_cast<double>(names.size()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
    state.counters["lines_per_name"] = linesPerName;
}
BENCHMARK(BM_RunMacroOver100000Names)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vartel

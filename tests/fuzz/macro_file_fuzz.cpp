// Loads any bytes as a macro file and runs what loads, with every repetition question answered
// "stop": nothing may crash, hang or read outside its data.
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "../support/scripted_dialogs.h"
#include "common/error.h"
#include "macro/macro_file.h"
#include "macro/macro_interpreter.h"

namespace {

class TwoFiles : public vartel::CheckedFileCount {
  public:
    int checkedFileCount() const override { return 2; }
};

const std::string& scratchPath() {
    static const std::string path = "/tmp/vartel-fuzz-" + std::to_string(::getpid()) + ".vmc";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vartel;
    {
        std::ofstream out(scratchPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ScriptedDialogs dialogs;
    MacroProgram program;
    VariableStore store;
    MultiConditionTable table{{{U"ab", U"x"}, {U"", U"y"}}};
    const FixedClock clock({2026, 12, 7, 17, 21, 0});
    const TwoFiles files;
    try {
        if (!loadMacroFile(program, scratchPath(), dialogs)) return 0;
        store.loadAll(program.tables());
        MacroInterpreter interpreter(program, store, table, {dialogs, clock, files});
        interpreter.runMacro(U"テスト_abcab", U"txt", U"/tmp/テスト_abcab.txt");
    } catch (const VartelError&) {
        // A failed run is an ordinary outcome.
    }
    return 0;
}

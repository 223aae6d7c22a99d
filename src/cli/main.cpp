#include <cstdio>
#include <map>
#include <string>

#include "cli/commands.h"

namespace {

const char* const kUsage =
    "usage: vartel-cli COMMAND ...\n"
    "  macro-run MACRO.vmc [--name STEM] [--ext EXT] [--path FULLPATH] [--table TABLE.csv]\n"
    "            [--trace] [--guard-no N]\n"
    "  validate --kind KIND --type TYPE [--target X] [--a A] [--b B] [--c C]\n"
    "  preview (--macro MACRO.vmc [--table TABLE.csv] | OPERATION) PATH...\n"
    "  rename (--macro MACRO.vmc [--table TABLE.csv] | OPERATION) PATH...\n"
    "  record --sample NAME [--checked N] OPERATION... [--steps] [-o OUT.vmc --title T]\n"
    "  info PATH...\n"
    "  OPERATION := --op add|delete|replace|number|extension [--set KEY=VALUE]...\n";

}  // namespace

int main(int argc, char** argv) {
    using vartel::cli::Arguments;
    const std::map<std::string, int (*)(const Arguments&)> commands = {
        {"macro-run", vartel::cli::runMacroRun}, {"validate", vartel::cli::runValidate},
        {"preview", vartel::cli::runPreview},    {"rename", vartel::cli::runRename},
        {"record", vartel::cli::runRecord},      {"info", vartel::cli::runInfo},
    };
    if (argc < 2 || !commands.contains(argv[1])) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    return commands.at(argv[1])(Arguments(argv + 2, argv + argc));
}

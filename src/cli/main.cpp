#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <string>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "common/error.h"
#include "platform/interrupt.h"

namespace {

const char* const kUsage =
    "usage: vartel-cli COMMAND ...\n"
    "  macro-run MACRO.vmc [--name STEM] [--ext EXT] [--path FULLPATH] [--table TABLE.csv]\n"
    "            [--trace] [--guard-no N]\n"
    "  validate --kind KIND --type TYPE [--target X] [--a A] [--b B] [--c C]\n"
    "  preview (--macro MACRO.vmc [--table TABLE.csv] | OPERATION) PATH...\n"
    "  rename (--macro MACRO.vmc [--table TABLE.csv] | OPERATION) PATH...\n"
    "  record --sample NAME [--checked N] OPERATION... [--steps] [-o OUT.vmc --title T]\n"
    "  OPERATION := --op add|delete|replace|number|extension [--set KEY=VALUE]...\n";

}  // namespace

int main(int argc, char** argv) {
    using vartel::cli::Arguments;
    const std::map<std::string, int (*)(const Arguments&)> commands = {
        {"macro-run", vartel::cli::runMacroRun}, {"validate", vartel::cli::runValidate},
        {"preview", vartel::cli::runPreview},    {"rename", vartel::cli::runRename},
        {"record", vartel::cli::runRecord},
    };
    if (argc < 2 || !commands.contains(argv[1])) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    vartel::catchInterrupts();
    vartel::cli::CliDialogs dialogs;
    int code = vartel::cli::kFailed;
    try {
        code = commands.at(argv[1])(Arguments(argv + 2, argv + argc));
    } catch (const std::exception& failure) {
        dialogs.error(vartel::failureMessage(failure));
    }
    // The result is what was printed: output that did not reach its file (a full disk) is a
    // failure, whatever the command thought.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        dialogs.message(vartel::cli::kCannotWriteOutput + U": " +
                        vartel::textFromBytes(std::strerror(errno)));
        if (code == 0) code = vartel::cli::kFailed;
    }
    return code;
}

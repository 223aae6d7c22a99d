#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "cli/cli_dialogs.h"
#include "cli/command_table.h"
#include "cli/messages.h"
#include "common/error.h"
#include "platform/interrupt.h"
#include "platform/program_files.h"

int main(int argc, char** argv) {
    using namespace vartel::cli;
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--version") {
        std::puts("vartel-cli " VARTEL_VERSION);
        return 0;
    }
    if (first == "--help" || first == "-h") {
        std::fputs(programHelp(vartel::programFiles()).c_str(), stdout);
        return 0;
    }
    const Command* command = findCommand(first);
    if (command == nullptr) {
        std::fputs(programHelp(vartel::programFiles()).c_str(), stderr);
        return 2;
    }
    const Arguments args(argv + 2, argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::fputs(commandHelp(*command).c_str(), stdout);
        return 0;
    }
    vartel::catchInterrupts();
    CliDialogs dialogs;
    int code = kFailed;
    try {
        code = command->run(args);
    } catch (const std::exception& failure) {
        dialogs.error(vartel::failureMessage(failure));
    }
    // The result is what was printed: output that did not reach its file (a full disk) is a
    // failure, whatever the command thought.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        dialogs.message(kCannotWriteOutput + U": " + vartel::textFromBytes(std::strerror(errno)));
        if (code == 0) code = kFailed;
    }
    return code;
}

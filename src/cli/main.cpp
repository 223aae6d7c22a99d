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

namespace {

using namespace vartel::cli;

// The result is what was printed: output that did not reach its file (a full disk, a closed
// standard output) is a failure, whatever the command thought.
int withOutputWritten(int code) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        CliDialogs().message(kCannotWriteOutput + U": " +
                             vartel::textFromBytes(std::strerror(errno)));
        if (code == 0) code = kFailed;
    }
    return code;
}

// "--help" or "-h" among a command's options; a path after "--" may have either name.
bool asksForHelp(const Arguments& args) {
    const auto options = std::find(args.begin(), args.end(), "--");
    return std::find(args.begin(), options, "--help") != options ||
           std::find(args.begin(), options, "-h") != options;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--version") {
        std::fputs("vartel-cli " VARTEL_VERSION "\n", stdout);
        return withOutputWritten(0);
    }
    if (first == "--help" || first == "-h") {
        std::fputs(programHelp(vartel::programFiles()).c_str(), stdout);
        return withOutputWritten(0);
    }
    const Command* command = findCommand(first);
    if (command == nullptr) {
        if (!first.empty())
            std::fprintf(stderr, "vartel-cli: unknown command '%s'\n", first.c_str());
        std::fputs(programHelp(vartel::programFiles()).c_str(), stderr);
        return 2;
    }
    const Arguments args(argv + 2, argv + argc);
    if (asksForHelp(args)) {
        std::fputs(commandHelp(*command).c_str(), stdout);
        return withOutputWritten(0);
    }
    vartel::catchInterrupts();
    CliDialogs dialogs;
    int code = kFailed;
    try {
        code = command->run(args);
    } catch (const std::exception& failure) {
        dialogs.error(vartel::failureMessage(failure));
    }
    return withOutputWritten(code);
}

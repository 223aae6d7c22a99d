#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/command_table.h"
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
    return command->run(args);
}

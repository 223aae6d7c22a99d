#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_reader.h"
#include "cli/commands.h"
#include "platform/program_files.h"

namespace vartel::cli {

// One command: what runs it, and what `--help` says of it: the usage line that a misuse
// prints too, a one-line summary for the command list, and the description of every option.
struct Command {
    std::string_view name;
    int (*run)(const Arguments& args);
    std::string_view usage;
    std::string_view summary;
    std::string_view details;
    // The options the command takes: those followed by a value, and bare flags. The parser
    // takes these and no others, and the help names each.
    std::set<std::string> valueOptions{};
    std::set<std::string> flags{};
};

const std::vector<Command>& commands();

// nullptr for a name that is no command.
const Command* findCommand(std::string_view name);

// The arguments of the named command, read with the options its entry declares.
ArgumentReader readArguments(std::string_view command, const Arguments& args);

// "vartel-cli --help": every command, the exit codes and the files this copy uses.
std::string programHelp(const ProgramFiles& files);

// "vartel-cli COMMAND --help".
std::string commandHelp(const Command& command);

// The keys and values of every operation, as "COMMAND --help" lists them after its options.
std::string operationsHelp();
// The same as the body of the manual page's OPERATIONS section, in roff.
std::string operationsManual();

// The line a misused command prints on standard error before exiting with 2.
void printUsage(std::string_view command);

}  // namespace vartel::cli

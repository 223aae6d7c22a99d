#include "cli/cli_dialogs.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "editor/macro_catalogue.h"
#include "platform/program_files.h"

namespace vartel::cli {
namespace {

// A folder that cannot be read is said on standard error and makes the command fail, while
// the macros found are still listed.
class CountingDialogs : public CliDialogs {
  public:
    void error(const Text& text) override {
        ++errors;
        CliDialogs::error(text);
    }
    int errors = 0;
};

}  // namespace

int runMacros(const Arguments& args) {
    const ArgumentReader reader = readArguments("macros", args);
    if (!reader.valid() || !reader.positional().empty()) {
        printUsage("macros");
        return 2;
    }
    takeRecordForm(reader);
    CountingDialogs dialogs;
    const MacroCatalogue catalogue = buildMacroCatalogue(programFiles().macroFolders, dialogs);
    for (std::size_t i = 0; i < catalogue.paths.size(); ++i) {
        printRecord({catalogue.titles[i], textFromBytes(catalogue.paths[i])});
    }
    return dialogs.errors == 0 ? 0 : 1;
}

}  // namespace vartel::cli

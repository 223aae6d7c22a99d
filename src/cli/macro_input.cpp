#include "cli/macro_input.h"

#include "cli/cli_dialogs.h"
#include "cli/messages.h"
#include "macro/macro_file.h"
#include "platform/file_system.h"

namespace vartel::cli {
namespace {

// What loading says, told with the file it is about.
class AboutFile : public CliDialogs {
  public:
    explicit AboutFile(const std::string& path) : path_(textFromBytes(path)) {}
    void message(const Text& text) override { CliDialogs::message(path_ + U": " + text); }

  private:
    Text path_;
};

}  // namespace

bool loadNamedMacro(MacroProgram& program, const std::string& path) {
    AboutFile dialogs(path);
    const auto status = lookUpFile(path);
    if (!status) {
        dialogs.message(kNoSuchPath);
        return false;
    }
    if (status->isFolder) {
        dialogs.message(kNotAFile);
        return false;
    }
    return loadMacroFile(program, path, dialogs);
}

}  // namespace vartel::cli

#pragma once

#include <string>
#include <vector>

namespace vartel {

// Where the program finds its own files. Installed, they sit under "../share" beside the
// "bin" folder, and the user's macros go to the per-user data folder, since the installed
// ones cannot be written; run from a build folder, everything sits beside the executable.
struct ProgramFiles {
    bool installed = false;
    std::string guide;                      // ReadMe.html
    std::vector<std::string> macroFolders;  // listed in this order: the user's, then bundled
    std::string macroSaveFolder;            // where the save dialog starts; may not exist yet
    // The window's columns as the user left them, beside the journals in the per-user state
    // folder however the program was started; empty when there is no such folder.
    std::string windowState;
};

// The files of a program whose executable is in `executableFolder`; `userDataHome` and
// `userStateHome` are the per-user data and state folders (empty when there are none).
ProgramFiles programFilesFor(const std::string& executableFolder, const std::string& userDataHome,
                             const std::string& userStateHome);

// The files of the running program.
ProgramFiles programFiles();

// $XDG_DATA_HOME when it is an absolute path, otherwise ~/.local/share; empty when the home
// folder is unknown.
std::string userDataHome();
// $XDG_STATE_HOME when it is an absolute path, otherwise ~/.local/state; empty when the home
// folder is unknown.
std::string userStateHome();

}  // namespace vartel

#include "platform/program_files.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/file_system.h"

namespace vartel {
namespace {

std::string parentOf(const std::string& folder) {
    const auto slash = folder.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : folder.substr(0, slash);
}

std::string homeFolder() {
    // A relative one would put the user's files wherever the program happens to be started.
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

// Follows links: a packager may well link the shared folder in from elsewhere.
bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A per-user folder: the variable's value, or the folder below the home folder.
std::string userFolder(const char* variable, const char* belowHome) {
    const char* configured = std::getenv(variable);
    // Relative paths are not valid here and are ignored, as the base-directory rules say.
    if (configured != nullptr && configured[0] == '/') return configured;
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + belowHome;
}

}  // namespace

ProgramFiles programFilesFor(const std::string& executableFolder, const std::string& userDataHome,
                             const std::string& userStateHome) {
    ProgramFiles files;
    if (!userStateHome.empty()) files.windowState = userStateHome + "/vartel/window.ini";
    const std::string share = parentOf(executableFolder) + "/share";
    if (!isFolder(share + "/vartel")) {
        files.guide = executableFolder + "/ReadMe.html";
        files.macroFolders = {executableFolder + "/Data"};
        files.macroSaveFolder = files.macroFolders.front();
        return files;
    }
    files.installed = true;
    files.guide = share + "/doc/vartel/ReadMe.html";
    if (!userDataHome.empty()) {
        files.macroSaveFolder = userDataHome + "/vartel/Data";
        files.macroFolders.push_back(files.macroSaveFolder);
    }
    files.macroFolders.push_back(share + "/vartel/Data");
    return files;
}

ProgramFiles programFiles() {
    return programFilesFor(executableFolder(), userDataHome(), userStateHome());
}

std::string userDataHome() {
    return userFolder("XDG_DATA_HOME", "/.local/share");
}

std::string userStateHome() {
    return userFolder("XDG_STATE_HOME", "/.local/state");
}

}  // namespace vartel

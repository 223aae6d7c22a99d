#include "platform/media_module.h"

#include <dlfcn.h>

#include <mutex>
#include <string>

#include "common/error.h"
#include "common/message_text.h"
#include "platform/file_system.h"
#include "platform/media_module_build.h"
#include "platform/messages.h"

namespace vartel {
namespace {

constexpr const char* kModuleName = "libvartel_media.so";

// Where an installed program keeps its module, relative to the prefix (or absolute).
std::string installedModulePath(const std::string& programFolder) {
    const std::string folder = VARTEL_MEDIA_MODULE_FOLDER;
    if (!folder.empty() && folder.front() == '/') return folder + "/" + kModuleName;
    return programFolder.substr(0, programFolder.rfind('/')) + "/" + folder + "/" + kModuleName;
}

struct LoadedModule {
    ReadMediaTags read = nullptr;
    std::string failure;  // what the loader said of each place, when neither held the module
};

LoadedModule loadModule() {
    const std::string programFolder = executableFolder();
    LoadedModule loaded;
    // Without the program's own folder a relative path would load whatever the current folder
    // holds under the module's name.
    if (!programFolder.empty() && programFolder.front() != '/') {
        loaded.failure = "/proc/self/exe: the program's own folder is unknown";
        return loaded;
    }
    const auto note = [&loaded](const std::string& why) {
        loaded.failure += (loaded.failure.empty() ? "" : "; ") + why;
    };
    const std::string expected = mediaModuleBuild();
    for (const std::string& path :
         {programFolder + "/" + kModuleName, installedModulePath(programFolder)}) {
        // A module taken is never unloaded: the libraries keep state of their own for the run.
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            note(::dlerror());
            continue;
        }
        const auto build =
            reinterpret_cast<MediaModuleBuild>(::dlsym(module, kMediaModuleBuildSymbol));
        void* entry = ::dlsym(module, kReadMediaTagsSymbol);
        if (build != nullptr && entry != nullptr && build() == expected) {
            loaded.read = reinterpret_cast<ReadMediaTags>(entry);
            return loaded;
        }
        note(path + ": " +
             (build == nullptr || entry == nullptr
                  ? std::string("not this program's module")
                  : "of build " + std::string(build()) + ", not " + expected));
        ::dlclose(module);
    }
    return loaded;
}

}  // namespace

ReadMediaTags mediaTagReader() {
    static std::once_flag once;
    static LoadedModule loaded;
    std::call_once(once, [] { loaded = loadModule(); });
    if (loaded.read == nullptr) {
        throw VartelError(fillIn(kMediaModuleMissing, U"%s", textFromBytes(loaded.failure)));
    }
    return loaded.read;
}

}  // namespace vartel

#include "app/main/window_state.h"

#include "common/error.h"
#include "common/name_parts.h"
#include "platform/file_system.h"

namespace vartel {

ProfileFile readWindowState(const std::string& path) {
    if (path.empty()) return {};
    try {
        return ProfileFile::read(path);
    } catch (const VartelError&) {
        return {};
    }
}

void writeWindowState(const std::string& path, const ProfileFile& state) {
    if (path.empty()) return;
    try {
        if (createFolders(folderOfPath(path))) state.write(path);
    } catch (const VartelError&) {
        // Passed over: see the declaration.
    }
}

}  // namespace vartel

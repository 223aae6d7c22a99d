#include "workspace/rename_in_folder.h"

#include "common/name_parts.h"
#include "platform/file_system.h"

namespace vartel {
namespace {

bool staysInFolder(const Text& name) {
    return !name.empty() && name != U"." && name != U".." &&
           name.find(kPathSeparator) == Text::npos && name.find(U'\0') == Text::npos;
}

}  // namespace

std::optional<Text> renameInFolder(const Text& path, const Text& newName) {
    if (!staysInFolder(newName)) return std::nullopt;
    const auto separator = path.rfind(kPathSeparator);
    const Text target = path.substr(0, separator == Text::npos ? 0 : separator + 1) + newName;
    if (!renameWithoutReplacing(bytesFromText(path), bytesFromText(target))) return std::nullopt;
    return target;
}

}  // namespace vartel

#include "common/name_parts.h"

namespace vartel {

Text nameOfPath(const Text& path) {
    const auto slash = path.rfind(kPathSeparator);
    return slash == Text::npos ? path : path.substr(slash + 1);
}

Text folderOfPath(const Text& path) {
    const auto slash = path.rfind(kPathSeparator);
    return slash == Text::npos ? Text() : path.substr(0, slash);
}

Text stemOf(const Text& name) {
    const auto dot = name.rfind(U'.');
    return dot == Text::npos ? name : name.substr(0, dot);
}

Text extensionOf(const Text& name) {
    const auto dot = name.rfind(U'.');
    return dot == Text::npos ? Text() : name.substr(dot);
}

Text joinPath(const Text& folder, const Text& name) {
    if (!folder.empty() && folder.back() == kPathSeparator) return folder + name;
    return folder + kPathSeparator + name;
}

}  // namespace vartel

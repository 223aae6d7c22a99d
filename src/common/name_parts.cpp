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

std::size_t extensionStart(std::u32string_view name) {
    const auto dot = name.rfind(U'.');
    return dot == std::u32string_view::npos ? name.size() : dot;
}

Text stemOf(const Text& name) {
    return name.substr(0, extensionStart(name));
}

Text extensionOf(const Text& name) {
    return name.substr(extensionStart(name));
}

Text joinPath(const Text& folder, const Text& name) {
    if (!folder.empty() && folder.back() == kPathSeparator) return folder + name;
    return folder + kPathSeparator + name;
}

}  // namespace vartel

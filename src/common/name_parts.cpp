#include "common/name_parts.h"

namespace vartel {

namespace {

template <typename Path>
Path lastComponent(const Path& path) {
    const auto slash = path.rfind('/');
    return slash == Path::npos ? path : path.substr(slash + 1);
}

template <typename Path>
Path allButLastComponent(const Path& path) {
    const auto slash = path.rfind('/');
    return slash == Path::npos ? Path() : path.substr(0, slash);
}

}  // namespace

Text nameOfPath(const Text& path) {
    return lastComponent(path);
}

Text folderOfPath(const Text& path) {
    return allButLastComponent(path);
}

std::string nameOfPath(const std::string& path) {
    return lastComponent(path);
}

std::string folderOfPath(const std::string& path) {
    return allButLastComponent(path);
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

#include "platform/absolute_path.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace vartel {
namespace {

std::string workingFolder() {
    std::unique_ptr<char, decltype(&::free)> folder(::getcwd(nullptr, 0), &::free);
    return folder ? std::string(folder.get()) : std::string("/");
}

// The folder as the file system resolves it, with a trailing "/".
std::string resolvedFolder(const std::string& absoluteFolder) {
    std::unique_ptr<char, decltype(&::free)> real(::realpath(absoluteFolder.c_str(), nullptr),
                                                  &::free);
    std::string folder = real ? std::string(real.get()) : lexicallyNormal(absoluteFolder);
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::string lexicallyNormal(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string normal;
    for (const auto& part : parts) normal += "/" + part;
    return normal.empty() ? "/" : normal;
}

std::string AbsolutePaths::of(const std::string& given) {
    if (given.empty()) return given;
    std::string path = given;
    // "d/" names the folder d itself.
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const std::size_t slash = path.rfind('/');
    std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    if (last == "." || last == "..") {
        // A path ending in a dot component names a folder: resolved whole.
        folder = path + "/";
        last.clear();
    }
    if (folder != lastFolder_ || lastResolved_.empty()) {
        std::string absolute = folder;
        if (absolute.empty() || absolute[0] != '/') absolute = workingFolder() + "/" + folder;
        lastFolder_ = folder;
        lastResolved_ = resolvedFolder(absolute);
    }
    if (last.empty()) {
        // The root, or a folder resolved whole, keeps no trailing "/".
        return lastResolved_.size() > 1 ? lastResolved_.substr(0, lastResolved_.size() - 1)
                                        : lastResolved_;
    }
    return lastResolved_ + last;
}

}  // namespace vartel

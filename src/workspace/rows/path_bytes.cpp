#include "workspace/rows/path_bytes.h"

namespace vartel {

const std::string& PathBytes::folderBytes(const SharedFolder& folder) {
    if (!converted_ || folder != folder_) {
        folder_ = folder;
        folderBytes_ = bytesFromText(folderText(folder));
        converted_ = true;
    }
    return folderBytes_;
}

std::string PathBytes::of(const SharedFolder& folder, std::u32string_view name) {
    const std::string& folderPart = folderBytes(folder);
    std::string path;
    path.reserve(folderPart.size() + byteLengthOf(name));
    path += folderPart;
    appendBytesFromText(path, name);
    return path;
}

void PathBytes::write(std::string& path, const SharedFolder& folder, std::u32string_view name) {
    path.assign(folderBytes(folder));
    appendBytesFromText(path, name);
}

}  // namespace vartel

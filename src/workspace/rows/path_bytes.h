#pragma once

#include <string>
#include <string_view>

#include "workspace/rows/file_entry.h"

namespace vartel {

// The bytes of rows' full paths, as the file system is given them. Rows of one folder mostly
// come one after another, so the folder part is converted once for all of them.
class PathBytes {
  public:
    // The path of the name in the folder, in a string of its own size.
    std::string of(const SharedFolder& folder, std::u32string_view name);
    // The same into path, whose room is kept from call to call.
    void write(std::string& path, const SharedFolder& folder, std::u32string_view name);

  private:
    const std::string& folderBytes(const SharedFolder& folder);

    SharedFolder folder_;  // held, so that its address cannot come back for another folder
    std::string folderBytes_;
    bool converted_ = false;
};

}  // namespace vartel

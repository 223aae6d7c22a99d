#pragma once

#include <string>

namespace vartel {

// Makes the paths that enter the program absolute, so that lists, the journal and the history
// name the same files from any working folder. The folder part is resolved (so "d/./x",
// "d//x" and "d/../d/x" are one file); the last component is kept as given, so a symbolic
// link stays an entry of its own. Consecutive paths mostly share a folder, whose resolution
// is kept for the next one.
class AbsolutePaths {
  public:
    std::string of(const std::string& path);

  private:
    std::string lastFolder_;    // as given
    std::string lastResolved_;  // its resolution, with a trailing "/"
};

// A path cleaned of ".", "..", and repeated separators without asking the file system, for a
// folder that cannot be resolved (it does not exist). The path must be absolute.
std::string lexicallyNormal(const std::string& path);

}  // namespace vartel

#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vartel {

inline constexpr int kFolders = 100;
inline constexpr int kFilesPerFolder = 1000;  // 100,000 files in all
inline constexpr int kRenames = 10000;

// A generated tree of 100 folders of 1,000 files and a folder of 10,000 files to rename,
// made once per run and removed at the end.
class Tree {
  public:
    Tree() {
        root_ =
            std::filesystem::temp_directory_path() / ("vartel-bench-" + std::to_string(::getpid()));
        for (int f = 0; f < kFolders; ++f) {
            const auto folder = root_ / (std::string("folder").append(std::to_string(f)));
            std::filesystem::create_directories(folder);
            for (int i = 0; i < kFilesPerFolder; ++i) {
                std::ofstream(folder /
                              (std::string("file").append(std::to_string(i)).append(".txt")))
                    << 'x';
            }
        }
        std::filesystem::create_directories(root_ / "renames");
        for (int i = 0; i < kRenames; ++i) {
            std::ofstream(root_ / "renames" /
                          (std::string("r").append(std::to_string(i)).append(".txt")))
                << 'x';
        }
        // On disk before any clock runs: otherwise the first syncs of a journal timed here
        // would wait for the whole tree to be written.
        ::sync();
    }
    ~Tree() { std::filesystem::remove_all(root_); }
    std::string root() const { return root_.string(); }
    std::string renames() const { return (root_ / "renames").string(); }

  private:
    std::filesystem::path root_;
};

inline const Tree& tree() {
    static const Tree instance;
    return instance;
}

}  // namespace vartel

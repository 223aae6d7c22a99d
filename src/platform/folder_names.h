#pragma once

#include <dirent.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vartel {

// Every name of one folder, read at once and put in name order: by code point with letter case
// aside, as the conversion list sorts by name, and names that differ only in case by code
// point. A folder is listed in this order wherever the program lists one, so that files added
// and then numbered are numbered by name. The names lie side by side in one buffer, so a
// folder of a million entries costs a few dozen bytes an entry beyond its names.
class FolderNames {
  public:
    // Reads the rest of the folder, "." and ".." left out. False when reading failed part way;
    // the names read until then are kept, in order.
    bool readFrom(DIR* folder);

    std::size_t size() const { return names_.size(); }
    // Each name is followed by a NUL, so it can be handed to the system as it stands.
    std::string_view operator[](std::size_t i) const {
        return std::string_view(bytes_).substr(names_[i].at, names_[i].length);
    }

  private:
    struct Name {
        // The first bytes of the sort key as two numbers, zeros after its end: most names are
        // ordered by them alone, without reaching for the key.
        std::uint64_t head[2] = {0, 0};
        std::size_t at = 0;
        std::size_t keyAt = 0;  // in the keys while sorting, or kKeyIsName
        std::uint16_t length = 0;
        std::uint16_t keyLength = 0;
    };
    static constexpr std::size_t kKeyIsName = SIZE_MAX;
    void add(std::string_view name, std::string& keys);
    void sort(const std::string& keys);

    std::string bytes_;
    std::vector<Name> names_;
};

}  // namespace vartel

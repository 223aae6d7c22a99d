#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace vartel {

// A file that belongs with another and must keep its name in step with it: a camera's raw file
// beside its JPEG, an editor's sidecar, subtitles beside a video, lyrics and cue sheets beside
// music. Each extension says how its file's name may follow the name of the file it belongs
// with; extensions are matched in any letter case, and the case they have is kept.
struct CompanionExtension {
    std::string_view extension;  // lower case, without its dot
    bool afterStem;              // DSC01234.ARW beside DSC01234.JPG
    bool tagged;                 // movie.ja.srt, movie.en.forced.ass beside movie.mp4
    bool afterWholeName;         // DSC01234.JPG.xmp, photo.jpg.json beside the file itself
};

// The one list of companion extensions; the README and the user's guide show it as a table.
inline constexpr std::array<CompanionExtension, 20> kCompanionExtensions = {{
    // Raw files a camera writes beside its JPEG or HEIF.
    {"arw", true, false, false},
    {"cr2", true, false, false},
    {"cr3", true, false, false},
    {"nef", true, false, false},
    {"orf", true, false, false},
    {"raf", true, false, false},
    {"rw2", true, false, false},
    {"dng", true, false, false},
    {"pef", true, false, false},
    // Edits and metadata kept beside a photo.
    {"xmp", true, false, true},
    {"aae", true, false, false},
    {"json", false, false, true},
    // Subtitles, with a language or other tags before the extension.
    {"srt", true, true, false},
    {"ass", true, true, false},
    {"ssa", true, true, false},
    {"vtt", true, true, false},
    {"sub", true, true, false},
    {"idx", true, true, false},
    // Lyrics and cue sheets beside music.
    {"lrc", true, true, false},
    {"cue", true, false, false},
}};

// Where a name may take up the name of the file it belongs with: the first base bytes are that
// file's stem (everything before its last ".") or, with wholeName, its whole name; the rest is
// the companion's own suffix, which it keeps.
struct CompanionBase {
    std::size_t base = 0;
    bool wholeName = false;
};

// Every way a file of this name can be a companion, the longest base first; none for a name
// that ends in no companion extension.
std::vector<CompanionBase> companionBases(std::string_view name);

// The stem of a file name: everything before its last ".", or the whole name without one.
std::string_view stemOfName(std::string_view name);

}  // namespace vartel

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vartel {

// The tags of a photo or a piece of music as the photo and music libraries hand them out,
// before the program reads dates and numbers from them. The libraries live in a module of
// their own (see media_module.h); this is what it gives back.
struct MediaTags {
    // A date as three tags: "YYYY:MM:DD HH:MM:SS", the fraction's digits and the offset.
    struct TagDate {
        std::string date;
        std::string subseconds;
        std::string offset;
    };
    TagDate original;
    TagDate digitized;
    std::string xmpOriginal;  // the embedded XML's copy of the original date, ISO form
    std::string cameraModel;  // as the camera wrote it, padding included
    std::string title;
    std::string artist;
    std::string album;
    unsigned trackNumber = 0;  // 0 when absent
    // The file is of a kind a library reads (by its start, or an audio file by its name), but
    // its data could not be read: truncated or not what its name says.
    bool damaged = false;
};

// The extension of a file's name in lower case, without its dot; empty when it has none.
inline std::string lowercaseExtension(const std::string& name) {
    const auto dot = name.find_last_of("./");
    if (dot == std::string::npos || name[dot] != '.') return {};
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

// The module's one entry point: fills `tags` from a file's contents; `name` is the file's name,
// which tells audio formats apart. Contents no library understands leave the tags empty. It
// never throws.
using ReadMediaTags = void (*)(std::string_view contents, const std::string& name,
                               MediaTags& tags) noexcept;
inline constexpr const char* kReadMediaTagsSymbol = "vartelReadMediaTags";

// Only the first bytes of an image are handed to the image library: the tags sit at the start,
// and a huge or hostile file must not make a read take long.
inline constexpr std::size_t kImageHeadBytes = 64u << 20;
// Audio tags can sit at either end, so the whole file is visible, but no more than this much is
// ever read from it: the audio library looks for tags in a damaged file byte by byte, and this
// keeps that under a second. It still holds the tags and a large cover picture.
inline constexpr std::size_t kAudioReadBudget = 8u << 20;

}  // namespace vartel

// Any bytes as a photo or a piece of music: the first byte picks the kind of file the name
// claims, the rest is its contents.
#include <cstdint>
#include <string>

#include "platform/media_metadata.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kNames[] = {"photo.jpg", "photo.tif", "photo.png", "photo.heic",
                                         "song.mp3",  "song.flac", "song.m4a"};
    if (size == 0) return 0;
    const std::string name = kNames[data[0] % std::size(kNames)];
    const std::string_view contents(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto metadata = vartel::metadataOfBytes(contents, name);
    // Touch every value, so a bad one is caught here rather than later.
    volatile std::size_t total = metadata.cameraModel.size() + metadata.title.size() +
                                 metadata.artist.size() + metadata.album.size() +
                                 (metadata.dateTaken ? metadata.dateTaken->isoText().size() : 0);
    (void)total;
    return 0;
}

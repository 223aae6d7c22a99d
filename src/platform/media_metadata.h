#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/date_taken.h"
#include "platform/media_tags.h"

namespace vartel {

// What a photo or a piece of music says about itself. Texts are UTF-8 bytes as the file holds
// them; each is empty when the file does not have it.
struct MediaMetadata {
    std::optional<DateTaken> dateTaken;
    std::string cameraModel;
    std::string title;
    std::string artist;
    std::string album;
    int trackNumber = 0;   // 0 when absent
    bool damaged = false;  // a photo or music file whose data could not be read
};

// Reads the metadata of a file's contents. `name` is the file's name, which tells audio formats
// apart. Contents that no library understands give empty metadata. It throws only when the
// module that holds the photo and music libraries cannot be loaded (a broken installation).
MediaMetadata metadataOfBytes(std::string_view contents, const std::string& name);

// Where the macro instructions and the list get metadata; tests put their own in its place.
class MetadataReader {
  public:
    virtual ~MetadataReader() = default;
    // Nothing when the file cannot be opened for reading. A folder or any other entry that is
    // not a plain file gives empty metadata.
    virtual std::optional<MediaMetadata> read(const std::string& path) const = 0;
};

class FileMetadataReader : public MetadataReader {
  public:
    std::optional<MediaMetadata> read(const std::string& path) const override;
};

// The one reader of real files that runs use unless they are given another.
const MetadataReader& fileMetadataReader();

}  // namespace vartel

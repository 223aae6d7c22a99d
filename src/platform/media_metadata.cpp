#include "platform/media_metadata.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/media_module.h"

namespace vartel {
namespace {

// A file's contents mapped read-only; pages are read only when a parser touches them, so a huge
// file costs no more than the headers the parsers look at.
class MappedFile {
  public:
    MappedFile(int descriptor, std::size_t size) : size_(size) {
        if (size == 0) return;
        void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
        if (mapped != MAP_FAILED) address_ = mapped;
    }
    ~MappedFile() {
        if (address_) munmap(address_, size_);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool failed() const { return size_ != 0 && !address_; }
    std::string_view contents() const {
        return address_ ? std::string_view(static_cast<const char*>(address_), size_)
                        : std::string_view();
    }

  private:
    void* address_ = nullptr;
    std::size_t size_;
};

class Descriptor {
  public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }

  private:
    int descriptor_;
};

// The original date first: the digitized date is when a scan was made, and the embedded XML
// copy is often rewritten by editors.
std::optional<DateTaken> dateTakenOf(const MediaTags& tags) {
    for (const MediaTags::TagDate* date : {&tags.original, &tags.digitized}) {
        if (auto taken = parseTagDate(date->date, date->subseconds, date->offset)) return taken;
    }
    return parseIsoDate(tags.xmpOriginal);
}

std::string trimmedModel(std::string model) {
    model.erase(std::min(model.find('\0'), model.size()));
    const auto first = model.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return model.substr(first, model.find_last_not_of(' ') - first + 1);
}

}  // namespace

MediaMetadata metadataOfBytes(std::string_view contents, const std::string& name) {
    MediaTags tags;
    mediaTagReader()(contents, name, tags);
    MediaMetadata metadata;
    metadata.dateTaken = dateTakenOf(tags);
    metadata.cameraModel = trimmedModel(std::move(tags.cameraModel));
    metadata.title = std::move(tags.title);
    metadata.artist = std::move(tags.artist);
    metadata.album = std::move(tags.album);
    metadata.trackNumber = static_cast<int>(std::min<unsigned>(tags.trackNumber, INT_MAX));
    metadata.damaged = tags.damaged;
    return metadata;
}

std::optional<MediaMetadata> FileMetadataReader::read(const std::string& path) const {
    // Not blocking: opening a named pipe for reading would otherwise wait for a writer.
    const Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0) return std::nullopt;
    struct stat status {};
    if (fstat(file.get(), &status) != 0) return std::nullopt;
    if (!S_ISREG(status.st_mode)) return MediaMetadata{};
    const MappedFile mapped(file.get(), static_cast<std::size_t>(status.st_size));
    if (mapped.failed()) return std::nullopt;
    return metadataOfBytes(mapped.contents(), path);
}

const MetadataReader& fileMetadataReader() {
    static const FileMetadataReader reader;
    return reader;
}

}  // namespace vartel

#include "platform/media_module/image_tags.h"

#include <exiv2/exiv2.hpp>
#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace vartel {
namespace {

const Exiv2::byte* bytesOf(std::string_view head) {
    return reinterpret_cast<const Exiv2::byte*>(head.data());
}

long lengthOf(std::string_view head) {
    return static_cast<long>(head.size());
}

void prepareLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Damaged files are common and are answered with empty values, not with noise on the
        // terminal.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::enableBMFF(true);
        Exiv2::XmpParser::initialize();
    });
}

// The library's numbers for the video containers it knows (riff, mkv, qtime, asf); their own
// headers do not compile on their own, so the numbers stand here.
bool isVideo(int type) {
    return type >= 20 && type <= 24 && type != 23;
}

std::string textOf(const Exiv2::ExifData& exif, const char* key) {
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    if (found == exif.end()) return {};
    return found->toString();
}

std::string xmpTextOf(const Exiv2::XmpData& xmp, const char* key) {
    const auto found = xmp.findKey(Exiv2::XmpKey(key));
    if (found == xmp.end()) return {};
    return found->toString();
}

}  // namespace

bool isImage(std::string_view head) {
    prepareLibrary();
    try {
        const int type = Exiv2::ImageFactory::getType(bytesOf(head), lengthOf(head));
        return type != Exiv2::ImageType::none && !isVideo(type);
    } catch (const std::exception&) {
        return false;
    }
}

bool claimsImage(const std::string& name) {
    // Only formats every build of the library reads.
    static const std::set<std::string> kPhotoExtensions = {
        "jpg", "jpeg", "jpe", "tif", "tiff", "png", "webp", "dng", "cr2", "crw",
        "nef", "nrw",  "arw", "srf", "sr2",  "orf", "rw2",  "raf", "pef", "srw"};
    return kPhotoExtensions.contains(lowercaseExtension(name));
}

void readImageTags(std::string_view head, MediaTags& tags) {
    prepareLibrary();
    // The library hands out its image in a pointer type of an older C++; it is moved at once.
    std::unique_ptr<Exiv2::Image> image;
    try {
        image.reset(Exiv2::ImageFactory::open(bytesOf(head), lengthOf(head)).release());
    } catch (const std::exception&) {
        tags.damaged = true;
        return;
    }
    try {
        image->readMetadata();
    } catch (const std::exception&) {
        // The tags decoded before the damage are still there and still worth having.
        tags.damaged = true;
    }
    try {
        const Exiv2::ExifData& exif = image->exifData();
        tags.original = {textOf(exif, "Exif.Photo.DateTimeOriginal"),
                         textOf(exif, "Exif.Photo.SubSecTimeOriginal"),
                         textOf(exif, "Exif.Photo.OffsetTimeOriginal")};
        tags.digitized = {textOf(exif, "Exif.Photo.DateTimeDigitized"),
                          textOf(exif, "Exif.Photo.SubSecTimeDigitized"),
                          textOf(exif, "Exif.Photo.OffsetTimeDigitized")};
        tags.xmpOriginal = xmpTextOf(image->xmpData(), "Xmp.exif.DateTimeOriginal");
        tags.cameraModel = textOf(exif, "Exif.Image.Model");
    } catch (const std::exception&) {
        tags.original = {};
        tags.digitized = {};
        tags.xmpOriginal.clear();
        tags.cameraModel.clear();
    }
}

}  // namespace vartel

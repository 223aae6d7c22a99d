#pragma once

#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/xiphcomment.h>

#include <exiv2/exiv2.hpp>
#include <map>
#include <string>

#include "file_bytes.h"

namespace vartel {

// Tags of a test image, by Exif or XMP key; an empty map makes an image without metadata.
using ImageTags = std::map<std::string, std::string>;

// A small real JPEG with the given tags, written by the image library itself.
inline void writeJpeg(const std::string& path, const ImageTags& tags) {
    auto image = Exiv2::ImageFactory::create(Exiv2::ImageType::jpeg, path);
    Exiv2::ExifData exif;
    Exiv2::XmpData xmp;
    for (const auto& [key, value] : tags) {
        if (key.rfind("Xmp.", 0) == 0) {
            xmp[key] = value;
        } else {
            exif[key] = value;
        }
    }
    image->setExifData(exif);
    image->setXmpData(xmp);
    image->writeMetadata();
}

struct AudioTags {
    std::string title, artist, album;  // UTF-8
    unsigned track = 0;
};

inline TagLib::String tagText(const std::string& utf8) {
    return TagLib::String(utf8, TagLib::String::UTF8);
}

inline void fillTag(TagLib::Tag& tag, const AudioTags& tags) {
    tag.setTitle(tagText(tags.title));
    tag.setArtist(tagText(tags.artist));
    tag.setAlbum(tagText(tags.album));
    tag.setTrack(tags.track);
}

// A few silent MPEG audio frames, then the tags written by the audio library.
inline void writeMp3(const std::string& path, const AudioTags* tags) {
    // MPEG-1 layer III, 128 kbit/s, 44.1 kHz: 417 bytes a frame.
    std::string frame("\xFF\xFB\x90\x64", 4);
    frame.resize(417, '\0');
    std::string frames;
    for (int i = 0; i < 8; ++i) frames += frame;
    writeBytes(path, frames);
    if (!tags) return;
    TagLib::MPEG::File file(path.c_str(), false);
    fillTag(*file.ID3v2Tag(true), *tags);
    file.save(TagLib::MPEG::File::ID3v2);
}

// The smallest FLAC stream the audio library accepts, then its comments.
inline void writeFlac(const std::string& path, const AudioTags* tags) {
    std::string stream = "fLaC";
    stream += std::string("\x80\x00\x00\x22", 4);  // last block, stream info, 34 bytes
    std::string info(34, '\0');
    info[0] = 0x10;   // minimum block size 4096
    info[2] = 0x10;   // maximum block size 4096
    info[10] = 0x0A;  // 44.1 kHz, in the top 20 bits of 10..12
    info[11] = static_cast<char>(0xC4);
    info[12] = 0x42;  // sample rate end, 2 channels, 16 bits
    info[13] = static_cast<char>(0xF0);
    writeBytes(path, stream + info);
    if (!tags) return;
    TagLib::FLAC::File file(path.c_str(), false);
    fillTag(*file.xiphComment(true), *tags);
    file.save();
}

}  // namespace vartel

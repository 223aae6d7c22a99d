#include "platform/media_metadata.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "../support/file_bytes.h"
#include "../support/media_files.h"
#include "../support/temporary_folder.h"

namespace vartel {
namespace {

std::string dateOf(const std::optional<MediaMetadata>& metadata) {
    return metadata && metadata->dateTaken ? metadata->dateTaken->isoText() : "";
}

struct PhotoCase {
    const char* what;
    ImageTags tags;
    std::string date;
    std::string model;
};

class PhotoTest : public testing::TestWithParam<PhotoCase> {};

TEST_P(PhotoTest, ReadsDateTakenAndModel) {
    TemporaryFolder folder;
    const std::string path = folder.file("photo.jpg");
    writeJpeg(path, GetParam().tags);
    const auto metadata = fileMetadataReader().read(path);
    ASSERT_TRUE(metadata);
    EXPECT_EQ(dateOf(metadata), GetParam().date);
    EXPECT_EQ(metadata->cameraModel, GetParam().model);
    EXPECT_EQ(metadata->title, "");
    EXPECT_EQ(metadata->trackNumber, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhotoTest,
    testing::Values(PhotoCase{"everything",
                              {{"Exif.Photo.DateTimeOriginal", "2024:05:03 09:05:07"},
                               {"Exif.Photo.SubSecTimeOriginal", "042"},
                               {"Exif.Photo.OffsetTimeOriginal", "+09:00"},
                               {"Exif.Photo.DateTimeDigitized", "2030:01:01 00:00:00"},
                               {"Exif.Image.DateTime", "2031:01:01 00:00:00"},
                               {"Exif.Image.Model", "  Model X100  "}},
                              "2024-05-03T09:05:07.042+09:00",
                              "Model X100"},
                    // The modification date is never taken for the date taken.
                    PhotoCase{
                        "only modified", {{"Exif.Image.DateTime", "2031:01:01 00:00:00"}}, "", ""},
                    PhotoCase{"digitized",
                              {{"Exif.Photo.DateTimeOriginal", "    :  :     :  :  "},
                               {"Exif.Photo.DateTimeDigitized", "2020:02:29 23:59:58"},
                               {"Exif.Photo.SubSecTimeDigitized", "7"}},
                              "2020-02-29T23:59:58.7",
                              ""},
                    PhotoCase{"embedded XML",
                              {{"Xmp.exif.DateTimeOriginal", "2019-12-31T18:30:00.25-05:00"}},
                              "2019-12-31T18:30:00.25-05:00",
                              ""},
                    PhotoCase{"nothing", {}, "", ""}));

TEST(AudioTagsTest, ReadsMp3AndFlacTagsWithJapaneseText) {
    TemporaryFolder folder;
    const AudioTags tags{"夜に駆ける", "アーティスト名", "アルバム「一」", 7};
    writeMp3(folder.file("song.mp3"), &tags);
    writeFlac(folder.file("song.flac"), &tags);
    for (const char* name : {"song.mp3", "song.flac"}) {
        const auto metadata = fileMetadataReader().read(folder.file(name));
        ASSERT_TRUE(metadata) << name;
        EXPECT_EQ(metadata->title, tags.title) << name;
        EXPECT_EQ(metadata->artist, tags.artist) << name;
        EXPECT_EQ(metadata->album, tags.album) << name;
        EXPECT_EQ(metadata->trackNumber, 7) << name;
        EXPECT_FALSE(metadata->dateTaken) << name;
    }
}

TEST(AudioTagsTest, UntaggedAudioGivesEmptyValues) {
    TemporaryFolder folder;
    writeMp3(folder.file("plain.mp3"), nullptr);
    writeFlac(folder.file("plain.flac"), nullptr);
    for (const char* name : {"plain.mp3", "plain.flac"}) {
        const auto metadata = fileMetadataReader().read(folder.file(name));
        ASSERT_TRUE(metadata) << name;
        EXPECT_EQ(metadata->title + metadata->artist + metadata->album, "") << name;
        EXPECT_EQ(metadata->trackNumber, 0) << name;
    }
}

TEST(MediaMetadataTest, TellsUnreadableFilesFromFilesWithoutMetadata) {
    TemporaryFolder folder;
    EXPECT_FALSE(fileMetadataReader().read(folder.file("missing.jpg")));

    writeBytes(folder.file("empty.jpg"), "");
    writeBytes(folder.file("text.mp3"), "not music at all");
    std::filesystem::create_directory(folder.file("folder.jpg"));
    // Reading a named pipe must not wait for a writer.
    ASSERT_EQ(mkfifo(folder.file("pipe.mp3").c_str(), 0600), 0);
    for (const char* name : {"empty.jpg", "text.mp3", "folder.jpg", "pipe.mp3"}) {
        const auto metadata = fileMetadataReader().read(folder.file(name));
        ASSERT_TRUE(metadata) << name;
        EXPECT_FALSE(metadata->dateTaken) << name;
        EXPECT_EQ(metadata->title, "") << name;
    }

    if (getuid() != 0) {  // the superuser reads everything
        writeJpeg(folder.file("locked.jpg"), {});
        ASSERT_EQ(chmod(folder.file("locked.jpg").c_str(), 0), 0);
        EXPECT_FALSE(fileMetadataReader().read(folder.file("locked.jpg")));
    }
}

TEST(MediaMetadataTest, DamagedFilesKeepWhatWasReadable) {
    TemporaryFolder folder;
    const std::string path = folder.file("photo.jpg");
    writeJpeg(path, {{"Exif.Photo.DateTimeOriginal", "2024:05:03 09:05:07"}});
    const std::string whole = readBytes(path);
    // Every cut of the file is read without a crash; once the tags are complete, the date is
    // there.
    bool sawDate = false;
    for (std::size_t length = 0; length <= whole.size(); length += 7) {
        const auto metadata = metadataOfBytes(std::string_view(whole).substr(0, length), path);
        sawDate = sawDate || metadata.dateTaken;
    }
    EXPECT_TRUE(sawDate);
    EXPECT_EQ(metadataOfBytes(whole, path).dateTaken->isoText(), "2024-05-03T09:05:07");
}

TEST(MediaMetadataTest, HugeFilesAreReadByTheirHeadersOnly) {
    TemporaryFolder folder;
    const std::string photo = folder.file("huge.jpg");
    writeJpeg(photo, {{"Exif.Photo.DateTimeOriginal", "2024:05:03 09:05:07"}});
    const std::string whole = readBytes(photo);
    std::filesystem::resize_file(photo, std::uintmax_t{4} << 30);  // 4 GB, mostly a hole
    EXPECT_EQ(dateOf(fileMetadataReader().read(photo)), "2024-05-03T09:05:07");

    // Tags followed by nothing but zeros: no marker ever comes to end the scan.
    const std::string headerOnly = folder.file("zeros.jpg");
    writeBytes(headerOnly, whole.substr(0, whole.find("\xFF\xDB")));
    std::filesystem::resize_file(headerOnly, std::uintmax_t{4} << 30);
    EXPECT_EQ(dateOf(fileMetadataReader().read(headerOnly)), "2024-05-03T09:05:07");

    const std::string noise = folder.file("zeros.mp3");
    writeBytes(noise, "");
    std::filesystem::resize_file(noise, std::uintmax_t{4} << 30);
    EXPECT_EQ(fileMetadataReader().read(noise)->title, "");

    const std::string song = folder.file("huge.mp3");
    const AudioTags tags{"題名", "", "", 1};
    writeMp3(song, &tags);
    std::filesystem::resize_file(song, std::uintmax_t{4} << 30);
    EXPECT_EQ(fileMetadataReader().read(song)->title, "題名");
}

}  // namespace
}  // namespace vartel

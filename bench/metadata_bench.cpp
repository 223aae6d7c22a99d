// Reading the date taken of many photos, against opening and reading their first bytes bare.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../tests/support/file_bytes.h"
#include "../tests/support/media_files.h"
#include "platform/media_metadata.h"

namespace vartel {
namespace {

constexpr int kPhotos = 10000;
// Image data after the tags; the reader stops before it.
constexpr std::size_t kImageDataBytes = 16 << 10;

// A folder of photos with their date taken, camera and a few more tags, made once per run.
class PhotoFolder {
  public:
    PhotoFolder() {
        root_ = std::filesystem::temp_directory_path() /
                ("vartel-bench-photos-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root_);
        const std::string sample = (root_ / "sample.jpg").string();
        writeJpeg(sample, {{"Exif.Photo.DateTimeOriginal", "2024:05:03 09:05:07"},
                           {"Exif.Photo.SubSecTimeOriginal", "042"},
                           {"Exif.Photo.OffsetTimeOriginal", "+09:00"},
                           {"Exif.Image.Make", "Maker"},
                           {"Exif.Image.Model", "Model X100"},
                           {"Exif.Photo.ExposureTime", "1/125"},
                           {"Exif.Photo.FNumber", "28/10"},
                           {"Xmp.dc.title", "A title"}});
        const std::string bytes = readBytes(sample) + std::string(kImageDataBytes, '\x55');
        std::filesystem::remove(sample);
        for (int i = 0; i < kPhotos; ++i) {
            paths_.push_back((root_ / ("IMG_" + std::to_string(i) + ".jpg")).string());
            writeBytes(paths_.back(), bytes);
        }
    }
    ~PhotoFolder() { std::filesystem::remove_all(root_); }
    const std::vector<std::string>& paths() const { return paths_; }

  private:
    std::filesystem::path root_;
    std::vector<std::string> paths_;
};

const PhotoFolder& photos() {
    static const PhotoFolder folder;
    return folder;
}

void BM_BareOpenRead4k(benchmark::State& state) {
    const auto& paths = photos().paths();
    char buffer[4096];
    for (auto _ : state) {
        for (const auto& path : paths) {
            const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            benchmark::DoNotOptimize(read(file, buffer, sizeof buffer));
            close(file);
        }
    }
}
BENCHMARK(BM_BareOpenRead4k)->Unit(benchmark::kMillisecond);

void BM_DateTaken10kJpegs(benchmark::State& state) {
    const auto& paths = photos().paths();
    for (auto _ : state) {
        int dated = 0;
        for (const auto& path : paths) {
            const auto metadata = fileMetadataReader().read(path);
            dated += metadata && metadata->dateTaken ? 1 : 0;
        }
        if (dated != kPhotos) state.SkipWithError("a photo lost its date taken");
    }
}
BENCHMARK(BM_DateTaken10kJpegs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vartel

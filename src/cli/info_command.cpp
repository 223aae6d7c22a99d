#include <filesystem>
#include <string>
#include <system_error>

#include "cli/argument_reader.h"
#include "cli/command_table.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "common/message_text.h"
#include "macro/messages.h"
#include "platform/media_metadata.h"

namespace vartel::cli {
namespace {

std::vector<Text> record(const std::string& path, const MediaMetadata& metadata) {
    return {
        textFromBytes(path),
        textFromBytes(metadata.dateTaken ? metadata.dateTaken->isoText() : ""),
        textFromBytes(metadata.cameraModel),
        textFromBytes(metadata.title),
        textFromBytes(metadata.artist),
        textFromBytes(metadata.album),
        metadata.trackNumber > 0 ? textFromBytes(std::to_string(metadata.trackNumber)) : Text()};
}

// Why a path gives no record, told with its path, or nothing when it gives one. A folder, a device
// or a pipe has no data of its own to read, and a photo or music file that cannot be read is not
// one without tags.
std::optional<Text> whyNoRecord(const std::string& path,
                                const std::optional<MediaMetadata>& metadata) {
    const Text named = textFromBytes(path);
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    if (type == std::filesystem::file_type::not_found) return named + U": " + kNoSuchPath;
    if (!error && type != std::filesystem::file_type::regular) return named + U": " + kNotAFile;
    if (!metadata) return fillIn(messages::kFileNotReadable, U"%s", named);
    if (metadata->damaged) return named + U": " + kDamagedMedia;
    return std::nullopt;
}

}  // namespace

int runInfo(const Arguments& args) {
    const ArgumentReader reader = readArguments("info", args);
    if (!reader.valid() || reader.positional().empty()) {
        printUsage("info");
        return 2;
    }
    takeRecordForm(reader);
    int status = 0;
    for (const auto& path : reader.positional()) {
        const auto metadata = fileMetadataReader().read(path);
        if (const auto why = whyNoRecord(path, metadata)) {
            printErrorRecord({*why});
            status = kFailed;
            continue;
        }
        printRecord(record(path, *metadata));
    }
    return status;
}

}  // namespace vartel::cli

#include <cstdio>
#include <string>

#include "cli/argument_reader.h"
#include "cli/command_table.h"
#include "cli/output.h"
#include "common/message_text.h"
#include "macro/messages.h"
#include "platform/media_metadata.h"

namespace vartel::cli {
namespace {

// A tab or a line break inside a tag would split the record, so they become blanks.
std::string field(std::string value) {
    for (char& c : value) {
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    }
    return value;
}

std::string record(const std::string& path, const MediaMetadata& metadata) {
    const std::string track =
        metadata.trackNumber > 0 ? std::to_string(metadata.trackNumber) : std::string();
    return path + "\t" + (metadata.dateTaken ? metadata.dateTaken->isoText() : "") + "\t" +
           field(metadata.cameraModel) + "\t" + field(metadata.title) + "\t" +
           field(metadata.artist) + "\t" + field(metadata.album) + "\t" + track;
}

}  // namespace

int runInfo(const Arguments& args) {
    const ArgumentReader reader = readArguments("info", args);
    if (!reader.valid() || reader.positional().empty()) {
        printUsage("info");
        return 2;
    }
    int status = 0;
    for (const auto& path : reader.positional()) {
        const auto metadata = fileMetadataReader().read(path);
        if (!metadata) {
            const std::string message =
                bytesFromText(fillIn(messages::kFileNotReadable, U"%s", textFromBytes(path)));
            std::fprintf(stderr, "%s\n", message.c_str());
            status = 1;
            continue;
        }
        printLine(textFromBytes(record(path, *metadata)));
    }
    return status;
}

}  // namespace vartel::cli

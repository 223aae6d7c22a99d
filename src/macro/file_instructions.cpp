#include "common/error.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "common/name_parts.h"
#include "macro/date_time_text.h"
#include "macro/instruction_families.h"
#include "macro/messages.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace vartel {
namespace {

// The name of the folder that holds the file; empty for a file at the root.
Text parentFolderName(const Text& fullPath) {
    return nameOfPath(folderOfPath(fullPath));
}

// The size as the instruction has always held it: the low 32 bits read as signed. A folder has
// no size of its own.
std::int32_t sizeOf(const Text& fullPath) {
    const auto status = lookUpFile(bytesFromText(fullPath));
    if (!status || status->isFolder) return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(status->size));
}

Text modifiedTime(const Text& fullPath, const Text& pattern) {
    const auto status = lookUpFile(bytesFromText(fullPath));
    if (!status) throw VartelError(fillIn(messages::kFileNotFound, U"%s", fullPath));
    return formatDateTime(pattern, localDateTimeOf(status->modifiedSeconds));
}

}  // namespace

void fileFacts(FileType type, InstructionContext& context) {
    switch (type) {
        case FileType::ParentFolder:
            context.storeResult(parentFolderName(context.fullPath));
            break;
        case FileType::Size:
            context.storeResult(sizeOf(context.fullPath));
            break;
        case FileType::ModifiedTime:
            context.storeResult(modifiedTime(context.fullPath, context.operands[0].text));
            break;
        case FileType::DateTaken:
            dateTaken(context);
            break;
        case FileType::CameraModel:
            cameraModel(context);
            break;
        case FileType::SongTitle:
            songTitle(context);
            break;
        case FileType::Artist:
            artist(context);
            break;
        case FileType::Album:
            album(context);
            break;
        case FileType::TrackNumber:
            trackNumber(context);
            break;
        case FileType::PositionInFolder:
            context.storeResult(context.services.fileCount.positionInFolder());
            break;
        case FileType::LargestFolderGroup:
            context.storeResult(context.services.fileCount.largestFolderGroup());
            break;
    }
}

}  // namespace vartel

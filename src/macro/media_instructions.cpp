#include "common/error.h"
#include "common/message_text.h"
#include "macro/date_time_text.h"
#include "macro/instruction_families.h"
#include "macro/messages.h"
#include "platform/media_metadata.h"

namespace vartel {
namespace {

// The file's tags; a file that cannot be opened stops the run, as the file cannot be judged.
MediaMetadata metadataOf(const InstructionContext& context) {
    auto metadata = context.services.metadata.read(bytesFromText(context.fullPath));
    if (!metadata) throw VartelError(fillIn(messages::kFileNotReadable, U"%s", context.fullPath));
    return std::move(*metadata);
}

}  // namespace

void dateTaken(InstructionContext& context) {
    const auto taken = metadataOf(context).dateTaken;
    // No date gives the empty text, so a macro can test for it and fall back.
    context.storeResult(taken ? formatDateTime(context.operands[0].text, taken->at) : Text());
}

void cameraModel(InstructionContext& context) {
    context.storeResult(textFromBytes(metadataOf(context).cameraModel));
}

void songTitle(InstructionContext& context) {
    context.storeResult(textFromBytes(metadataOf(context).title));
}

void artist(InstructionContext& context) {
    context.storeResult(textFromBytes(metadataOf(context).artist));
}

void album(InstructionContext& context) {
    context.storeResult(textFromBytes(metadataOf(context).album));
}

void trackNumber(InstructionContext& context) {
    context.storeResult(static_cast<std::int32_t>(metadataOf(context).trackNumber));
}

}  // namespace vartel

#pragma once

#include "macro/instructions.h"

namespace vartel {

// One function per kind of the catalogue; each ignores the types its kind does not define
// (a hand-edited file may hold any number).
void textOutput(TextOutputType type, InstructionContext& context);
void deletion(DeleteType type, InstructionContext& context);
void conversion(ConvertType type, InstructionContext& context);
void information(InformationType type, InstructionContext& context);
void replacement(ReplaceType type, InstructionContext& context);
void search(SearchType type, InstructionContext& context);
void multiCondition(MultiConditionType type, InstructionContext& context);
void currentDate(DateType type, InstructionContext& context);
void currentTime(TimeType type, InstructionContext& context);
void fileFacts(FileType type, InstructionContext& context);

// What a photo or a piece of music says about itself, for the file kind; a file that cannot be
// opened stops the run.
void dateTaken(InstructionContext& context);
void cameraModel(InstructionContext& context);
void songTitle(InstructionContext& context);
void artist(InstructionContext& context);
void album(InstructionContext& context);
void trackNumber(InstructionContext& context);

}  // namespace vartel

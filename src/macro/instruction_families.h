#pragma once

#include "macro/instructions.h"

namespace vartel {

// One function per kind of the catalogue; each ignores the types its kind does not define.
void textOutput(int type, InstructionContext& context);
void deletion(int type, InstructionContext& context);
void conversion(int type, InstructionContext& context);
void information(int type, InstructionContext& context);
void replacement(int type, InstructionContext& context);
void search(int type, InstructionContext& context);
void multiCondition(int type, InstructionContext& context);
void currentDate(int type, InstructionContext& context);
void currentTime(int type, InstructionContext& context);
void fileFacts(int type, InstructionContext& context);

}  // namespace vartel

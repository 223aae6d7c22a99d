#include "operations/recording_frame.h"

#include "common/integer_text.h"
#include "macro/block_start_line.h"
#include "macro/instruction_catalogue.h"
#include "macro/variables.h"
#include "operations/messages.h"

namespace vartel {
namespace {

constexpr int kClassSize = 16;

}  // namespace

Operand emptyOperand() {
    return {};
}
Operand nameOperand() {
    return {kFileNameName, kFileNameCode};
}
Operand extensionOperand() {
    return {kExtensionName, kExtensionCode};
}
Operand numberOperand(std::int64_t value) {
    return {formatInteger(value), kNumericLiteralCode};
}
Operand textOperand(const Text& text) {
    return {text, kTextLiteralCode};
}
Operand variableOperand(int code) {
    return {variableName(code), code};
}

void RecordingFrame::recordLine(const Operand& target, InstructionId instruction, const Operand& a,
                                const Operand& b, const Operand& c) {
    state_.macro.push_back({{target.text,
                             InstructionCatalogue::kindName(instruction.kind),
                             InstructionCatalogue::typeName(instruction),
                             {a.text, b.text, c.text}},
                            CodedRow(target.code, instruction, a.code, b.code, c.code)});
}

void RecordingFrame::appendConditionStart() {
    state_.macro.push_back(*blockStartLineAfter(ConditionType::Greater));
}

void RecordingFrame::appendLoopStart() {
    state_.macro.push_back(*blockStartLineAfter(LoopType::Greater));
}

int RecordingFrame::allocateVariable(int allocationClass) {
    int& counter = state_.counters[static_cast<std::size_t>(allocationClass - 1)];
    if (allocationClass == kAllocAnchor) return ++counter;
    const int number = (allocationClass - 1) * kClassSize + counter;
    ++counter;
    return counter > kClassSize ? -1 : number;
}

std::optional<std::vector<Operand>> RecordingFrame::allocateVariables(
    const std::vector<int>& classes) {
    std::vector<int> numbers;
    for (const int allocationClass : classes) numbers.push_back(allocateVariable(allocationClass));
    std::vector<Operand> operands;
    for (const int number : numbers) {
        if (number < 0) return std::nullopt;
        operands.push_back(variableOperand(number + 1));
    }
    return operands;
}

void RecordingFrame::closeStep(const Text& kind, const Text& description) {
    const Text nameAfter = state_.sampleName();
    recordLine(emptyOperand(), InformationType::Comment, textOperand(kind),
               textOperand(messages::kNameAfterConversion), textOperand(nameAfter));
    state_.steps.push_back({nameAfter, kind, description});
    state_.counters[kAllocNumber - 1] = 0;
    state_.counters[kAllocText - 1] = 0;
}

}  // namespace vartel

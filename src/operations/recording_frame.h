#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "macro/instruction_id.h"
#include "macro/macro_program.h"
#include "operations/recording_state.h"

namespace vartel {

// An operand as a recorded line writes it: the text the user sees and its code.
struct Operand {
    Text text;
    int code = 0;
};

Operand emptyOperand();
Operand nameOperand();       // the stem being converted
Operand extensionOperand();  // the extension being converted, without its dot
Operand numberOperand(std::int64_t value);
Operand textOperand(const Text& text);
Operand variableOperand(int code);

inline ReplaceType replaceTypeOf(bool caseSensitive) {
    return caseSensitive ? ReplaceType::CaseSensitive : ReplaceType::IgnoringCase;
}
inline SearchType searchTypeOf(bool caseSensitive) {
    return caseSensitive ? SearchType::CaseSensitive : SearchType::IgnoringCase;
}

// The recording path of an operation: appends lines to the recorded macro, hands out
// variables and anchor numbers, and closes each step. The initial values of the variables live
// in the editor's macro, which the numbering sets.
class RecordingFrame {
  public:
    RecordingFrame(RecordingState& state, MacroProgram& editorProgram)
        : state_(state), program_(editorProgram) {}

    bool recording() const { return state_.on; }
    Text& sampleStem() { return state_.sampleStem; }
    Text& sampleExtension() { return state_.sampleExtension; }

    // Appends one line of an instruction the catalogue defines.
    void recordLine(const Operand& target, InstructionId instruction, const Operand& a,
                    const Operand& b, const Operand& c);
    // The lines that open a condition or a loop block; the catalogue does not offer them.
    void appendConditionStart();
    void appendLoopStart();

    // Classes 1 to 4: the 0-based number of a new variable, or -1 when the class has none
    // left (the counter rises all the same). Class 5: the next anchor number.
    int allocateVariable(int allocationClass);
    // Every variable of the classes given, in that order, all taken before any is tested; the
    // operands of the variables, or nothing when one class had none left.
    std::optional<std::vector<Operand>> allocateVariables(const std::vector<int>& classes);

    void setInitialValue(int code, Text value) { program_.setInitialValue(code, std::move(value)); }

    // Closes a step with its comment line and its row in the step list, over the sample name
    // as it now stands; the per-file variables are free again for the next step.
    void closeStep(const Text& kind, const Text& description);

  private:
    RecordingState& state_;
    MacroProgram& program_;
};

}  // namespace vartel

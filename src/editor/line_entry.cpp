#include "editor/line_entry.h"

#include "common/message_text.h"
#include "editor/messages.h"
#include "macro/block_start_line.h"
#include "macro/instruction_catalogue.h"
#include "macro/text_conversions.h"
#include "macro/variables.h"

namespace vartel {
namespace {

// The typed line followed by its block-start line, if it takes one. Nothing when the input has
// no complete choice of kind and type or validateLine finds failures.
std::optional<std::vector<MacroLine>> checkedLines(const LineInput& input) {
    if (!input.kind || !input.type) return std::nullopt;
    const InstructionId instruction{*input.kind, *input.type};
    const InstructionType* found = InstructionCatalogue::find(instruction);
    if (!found) return std::nullopt;
    const LineCheck check = validateLine(input.target, input.operands, instruction);
    if (check.failures > 0) return std::nullopt;
    const auto& codes = check.codes;
    std::vector<MacroLine> lines{{{input.target, InstructionCatalogue::kindName(instruction.kind),
                                   found->name, input.operands},
                                  CodedRow(codes[0], instruction, codes[1], codes[2], codes[3])}};
    if (auto start = blockStartLineAfter(instruction)) lines.push_back(std::move(*start));
    return lines;
}

void insertAt(MacroProgram& program, int index, const std::vector<MacroLine>& lines) {
    for (std::size_t k = 0; k < lines.size(); ++k)
        program.insertLine(index + static_cast<int>(k), lines[k]);
}

// A line break would split the line's record in the macro file.
bool inputHoldsLineBreak(const LineInput& input) {
    if (holdsLineBreak(input.target)) return true;
    for (const auto& operand : input.operands) {
        if (holdsLineBreak(operand)) return true;
    }
    return false;
}

// Tells the user why a typed line cannot be taken: true when it can.
bool acceptable(const LineInput& input, Dialogs& dialogs) {
    if (inputHoldsLineBreak(input)) {
        dialogs.message(editor_messages::kLineBreakRefused);
        return false;
    }
    return true;
}

// Variable numbers are full-width, and "数値1" typed with a half-width digit looks right in many
// fonts; the refusal names the field that would hold a variable with full-width digits.
std::optional<Text> halfWidthVariableMessage(const LineInput& input) {
    if (!input.kind || !input.type) return std::nullopt;
    const InstructionId instruction{*input.kind, *input.type};
    const int failures = validateLine(input.target, input.operands, instruction).failures;
    for (std::size_t k = 0; k < editor_messages::kInputFieldCaptions.size(); ++k) {
        LineInput widened = input;
        Text& field = k == 0 ? widened.target : widened.operands[k - 1];
        const Text typed = field;
        field = halfWidthToFullWidth(typed);
        if (variableCode(typed) || !variableCode(field)) continue;
        // The target must be a variable; an operand only where the type wants one there.
        if (k == 0 ||
            validateLine(widened.target, widened.operands, instruction).failures < failures) {
            Text message = fillIn(editor_messages::kHalfWidthVariable, U"%s",
                                  editor_messages::kInputFieldCaptions[k]);
            return fillIn(fillIn(message, U"%v", typed), U"%w", field);
        }
    }
    return std::nullopt;
}

// Tells why a typed line was refused.
void refuse(const LineInput& input, Dialogs& dialogs) {
    dialogs.message(halfWidthVariableMessage(input).value_or(editor_messages::kKindTypeWrong));
}

bool validIndex(const MacroProgram& program, int index) {
    return index >= 0 && index < program.lineCount();
}

}  // namespace

bool addLine(MacroEditor& editor, Dialogs& dialogs) {
    if (!acceptable(editor.input(), dialogs)) return false;
    const auto lines = checkedLines(editor.input());
    if (!lines) {
        refuse(editor.input(), dialogs);
        return false;
    }
    insertAt(editor.program(), editor.program().lineCount(), *lines);
    clearLineInput(editor.input());
    return true;
}

bool insertLine(MacroEditor& editor, const std::vector<int>& selected, Dialogs& dialogs) {
    if (!acceptable(editor.input(), dialogs)) return false;
    const auto lines = checkedLines(editor.input());
    if (!lines) {
        refuse(editor.input(), dialogs);
        return false;
    }
    if (selected.size() != 1 || !validIndex(editor.program(), selected.front())) {
        dialogs.message(editor_messages::kNoInsertPosition);
        return false;
    }
    insertAt(editor.program(), selected.front(), *lines);
    clearLineInput(editor.input());
    return true;
}

std::optional<ModifyRequest> beginModify(MacroEditor& editor, const std::vector<int>& selected,
                                         Dialogs& dialogs) {
    if (selected.size() != 1) {
        dialogs.message(editor_messages::kNoModifyPosition);
        return std::nullopt;
    }
    const int index = selected.front();
    // A selection the list no longer holds cannot fill the dialog.
    if (!validIndex(editor.program(), index)) {
        dialogs.message(editor_messages::kFunctionError);
        return std::nullopt;
    }
    const DisplayRow& row = editor.program().line(index).display;
    ModifyRequest request{index, {row.target, row.operands, std::nullopt, std::nullopt}};
    request.input.kind = InstructionCatalogue::kindIndexOf(row.kind);
    if (request.input.kind)
        request.input.type = InstructionCatalogue::typeIndexOf(*request.input.kind, row.type);
    clearLineInput(editor.input());
    return request;
}

bool modifyLine(MacroEditor& editor, int index, const LineInput& input, Dialogs& dialogs) {
    clearLineInput(editor.input());
    if (!acceptable(input, dialogs)) return false;
    const auto lines = checkedLines(input);
    if (!lines) {
        refuse(input, dialogs);
        return false;
    }
    MacroProgram& program = editor.program();
    if (!validIndex(program, index)) {
        dialogs.message(editor_messages::kNoModifyPosition);
        return true;
    }
    insertAt(program, index, *lines);
    // The old line now stands right below the new ones.
    program.removeLine(index + static_cast<int>(lines->size()));
    return true;
}

}  // namespace vartel

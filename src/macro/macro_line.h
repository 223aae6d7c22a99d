#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "common/text.h"
#include "macro/instruction_id.h"

namespace vartel {

// What the user typed and sees: target, kind name, type name and the three operand texts.
// The line number is the line's position and is not stored.
struct DisplayRow {
    Text target;
    Text kind;
    Text type;
    std::array<Text, 3> operands;
    bool operator==(const DisplayRow&) const = default;
};

// The codes of a line: target code, kind index, type index and three operand codes. A line
// the program makes holds integers. A line read from a file may hold anything, so a field keeps
// the text it was read from when that text is not the plain decimal of its value (hex, a sign,
// not an integer at all); a field that is not an integer makes a run fail only when the line is
// reached, and the file is written back as it was read.
class CodedRow {
  public:
    enum Field { Target = 0, Kind, Type, Operand1, Operand2, Operand3 };
    static constexpr int kFieldCount = 6;

    CodedRow() = default;
    explicit CodedRow(const std::array<Text, kFieldCount>& texts);
    CodedRow(int target, InstructionId instruction, int operand1, int operand2, int operand3);

    Text text(int field) const;
    std::optional<std::int32_t> value(int field) const { return values_[field]; }
    bool holds(InstructionId instruction) const {
        return values_[Kind] == instruction.kind && values_[Type] == instruction.type;
    }
    bool operator==(const CodedRow&) const = default;

  private:
    std::array<std::optional<std::int32_t>, kFieldCount> values_{0, 0, 0, 0, 0, 0};
    std::array<Text, kFieldCount> writtenTexts_;  // empty where the value says it all
};

struct MacroLine {
    DisplayRow display;
    CodedRow coded;
    bool operator==(const MacroLine&) const = default;
};

}  // namespace vartel

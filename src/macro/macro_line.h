#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "common/text.h"

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

// The codes of a line: target code, kind index, type index and three operand codes. Every
// field is kept as the text it was read from, since a hand-edited file may hold anything; the
// integer value is parsed once when the row is made, and a field that is not an integer makes a
// run fail only when the line is reached.
class CodedRow {
  public:
    enum Field { Target = 0, Kind, Type, Operand1, Operand2, Operand3 };
    static constexpr int kFieldCount = 6;

    CodedRow();
    explicit CodedRow(std::array<Text, kFieldCount> texts);
    CodedRow(int target, int kind, int type, int operand1, int operand2, int operand3);

    const Text& text(int field) const { return texts_[field]; }
    std::optional<std::int32_t> value(int field) const { return values_[field]; }
    bool operator==(const CodedRow& other) const { return texts_ == other.texts_; }

  private:
    std::array<Text, kFieldCount> texts_;
    std::array<std::optional<std::int32_t>, kFieldCount> values_;
};

struct MacroLine {
    DisplayRow display;
    CodedRow coded;
    bool operator==(const MacroLine&) const = default;
};

}  // namespace vartel

#pragma once

#include <array>
#include <vector>

#include "macro/macro_line.h"
#include "macro/variable_table.h"

namespace vartel {

// One macro: its title, its lines and the initial values of its 64 variables.
// A line's number is its 1-based position, so numbering follows every insertion and deletion.
class MacroProgram {
  public:
    MacroProgram();

    const Text& title() const { return title_; }
    void setTitle(Text title) { title_ = std::move(title); }

    int lineCount() const { return static_cast<int>(lines_.size()); }
    const MacroLine& line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    const std::vector<MacroLine>& lines() const { return lines_; }
    void insertLine(int before, MacroLine line);
    void appendLine(MacroLine line);
    void replaceLine(int index, MacroLine line);
    void removeLine(int index);
    // Removes the lines at the given indices (ascending, each once) in one pass.
    void removeLines(const std::vector<int>& ascending);
    void clearLines();

    // Tables in class order: 数値, 固定数値, 文字, 固定文字.
    const std::array<VariableTable, 4>& tables() const { return tables_; }
    std::array<VariableTable, 4>& tables() { return tables_; }
    // The initial value of a variable code 1..64.
    const Text& initialValue(int code) const;
    void setInitialValue(int code, Text value);

    // Back to a new macro: no title, no lines, every value "0".
    void clear();

  private:
    Text title_;
    std::vector<MacroLine> lines_;
    std::array<VariableTable, 4> tables_;
};

}  // namespace vartel

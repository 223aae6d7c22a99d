#pragma once

#include <cstddef>
#include <vector>

#include "editor/macro_editor.h"

namespace vartel {

// The commands on whole lines of the line list. A selection is a list of line indices in any
// order; indices outside the list are ignored. Numbers follow positions, so every command
// leaves the lines numbered 1..n.

// Copies the selected lines, in list order, into the clipboard in place of its content.
void copyLines(MacroEditor& editor, const std::vector<int>& selected);
// As copy, and removes them from the list.
void cutLines(MacroEditor& editor, const std::vector<int>& selected);
// Removes the selected lines; the clipboard stays.
void deleteLines(MacroEditor& editor, const std::vector<int>& selected);
// Puts copies of the clipboard's lines, in clipboard order, before the first selected line;
// nothing without a selection.
void pasteLines(MacroEditor& editor, const std::vector<int>& selected);
// Appends copies of the clipboard's lines.
void pasteLinesAtEnd(MacroEditor& editor);
// "リセット": removes every line and empties the line input; the tables stay.
void resetLines(MacroEditor& editor);

// The context menu offers the two pastes only with something to paste and one line to paste at.
bool pasteEnabled(const LineClipboard& clipboard, std::size_t selectedCount);

}  // namespace vartel

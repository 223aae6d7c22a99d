#pragma once

#include <optional>
#include <vector>

#include "common/dialogs.h"
#include "editor/macro_editor.h"

namespace vartel {

// Adding, inserting and modifying single lines from a typed input. Every line is checked with
// validateLine first; a condition or loop line brings its block-start line along.

// "追加": appends the editor's input as a line and empties the input. A refused line changes
// nothing and the input stays as typed.
bool addLine(MacroEditor& editor, Dialogs& dialogs);

// "挿入": as add, but before the one selected line.
bool insertLine(MacroEditor& editor, const std::vector<int>& selected, Dialogs& dialogs);

// What the dialog "修正" starts from: the line to replace and its texts and choices. A name the
// catalogue does not know leaves that choice empty.
struct ModifyRequest {
    int index = 0;
    LineInput input;
};

// Opens a modification of the one selected line and empties the editor's input.
std::optional<ModifyRequest> beginModify(MacroEditor& editor, const std::vector<int>& selected,
                                         Dialogs& dialogs);

// "修正" in the dialog: puts the typed line in place of the line at the index. The block-start
// line that followed the old line stays. False when the line is refused: the dialog stays open.
bool modifyLine(MacroEditor& editor, int index, const LineInput& input, Dialogs& dialogs);

}  // namespace vartel

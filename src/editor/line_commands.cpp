#include "editor/line_commands.h"

#include <algorithm>

namespace vartel {
namespace {

// The selected indices that name a line, in list order, each once.
std::vector<int> orderedSelection(const MacroProgram& program, std::vector<int> selected) {
    std::erase_if(selected, [&](int i) { return i < 0 || i >= program.lineCount(); });
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    return selected;
}

}  // namespace

void copyLines(MacroEditor& editor, const std::vector<int>& selected) {
    auto& lines = editor.clipboard().lines;
    lines.clear();
    for (const int i : orderedSelection(editor.program(), selected))
        lines.push_back(editor.program().line(i));
}

void cutLines(MacroEditor& editor, const std::vector<int>& selected) {
    copyLines(editor, selected);
    editor.program().removeLines(orderedSelection(editor.program(), selected));
}

void deleteLines(MacroEditor& editor, const std::vector<int>& selected) {
    editor.program().removeLines(orderedSelection(editor.program(), selected));
}

void pasteLines(MacroEditor& editor, const std::vector<int>& selected) {
    const auto ordered = orderedSelection(editor.program(), selected);
    if (ordered.empty()) return;
    const auto& lines = editor.clipboard().lines;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        editor.program().insertLine(ordered.front(), *it);
}

void pasteLinesAtEnd(MacroEditor& editor) {
    for (const auto& line : editor.clipboard().lines) editor.program().appendLine(line);
}

void resetLines(MacroEditor& editor) {
    editor.program().clearLines();
    clearLineInput(editor.input());
}

bool pasteEnabled(const LineClipboard& clipboard, std::size_t selectedCount) {
    return !clipboard.lines.empty() && selectedCount == 1;
}

}  // namespace vartel

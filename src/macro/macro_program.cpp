#include "macro/macro_program.h"

#include <vector>

#include "macro/variables.h"

namespace vartel {

MacroProgram::MacroProgram() : tables_(newVariableTables()) {}

void MacroProgram::insertLine(int before, MacroLine line) {
    lines_.insert(lines_.begin() + before, std::move(line));
}

void MacroProgram::appendLine(MacroLine line) {
    lines_.push_back(std::move(line));
}

void MacroProgram::replaceLine(int index, MacroLine line) {
    lines_[static_cast<std::size_t>(index)] = std::move(line);
}

void MacroProgram::removeLine(int index) {
    lines_.erase(lines_.begin() + index);
}

void MacroProgram::removeLines(const std::vector<int>& ascending) {
    std::size_t next = 0;  // the next index in ascending still to remove
    std::size_t index = 0;
    std::erase_if(lines_, [&](const MacroLine&) {
        const bool remove =
            next < ascending.size() && static_cast<std::size_t>(ascending[next]) == index;
        if (remove) ++next;
        ++index;
        return remove;
    });
}

void MacroProgram::clearLines() {
    lines_.clear();
}

const Text& MacroProgram::initialValue(int code) const {
    return tables_[static_cast<std::size_t>((code - 1) / 16)]
        .entries[static_cast<std::size_t>((code - 1) % 16)]
        .value;
}

void MacroProgram::setInitialValue(int code, Text value) {
    tables_[static_cast<std::size_t>((code - 1) / 16)]
        .entries[static_cast<std::size_t>((code - 1) % 16)]
        .value = std::move(value);
}

void MacroProgram::clear() {
    title_.clear();
    lines_.clear();
    tables_ = newVariableTables();
}

}  // namespace vartel

#pragma once

#include <optional>
#include <string>

#include "common/dialogs.h"
#include "macro/macro_program.h"

namespace vartel {

// Macro source files (".vmc"): INI-style text with the title, the version, the line count, both
// rows of every line and the four variable tables.

// Writes the program with the title, replacing the whole file. Throws VartelError when the file
// cannot be written.
void saveMacroFile(const MacroProgram& program, const std::string& path, const Text& title);

// Loads the lines and tables of a file into the program (the title is not applied). A file of
// another version is refused with a message and leaves the program as it was; returns whether
// it was loaded. Throws VartelError when the file cannot be read.
bool loadMacroFile(MacroProgram& program, const std::string& path, Dialogs& dialogs);

// The "Caption" of a macro file, if it has one.
std::optional<Text> readMacroCaption(const std::string& path);

inline constexpr char32_t kMacroFileVersion[] = U"0.3";
// More lines than this cannot come from the editor; such a count marks a broken file.
inline constexpr int kMaxMacroLines = 100000;

}  // namespace vartel

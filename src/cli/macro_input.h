#pragma once

#include <string>

#include "macro/macro_program.h"

namespace vartel::cli {

// Loads the macro file a command names. A path that is no file, or a file that is no macro of
// this version (empty, binary, another program's), is told on standard error with the path, and
// gives false.
bool loadNamedMacro(MacroProgram& program, const std::string& path);

}  // namespace vartel::cli

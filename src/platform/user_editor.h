#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vartel {

// Opens the user's text editor on the lines, as command-line tools do: $VISUAL, else $EDITOR,
// else vi, run by the shell so that a variable such as "code --wait" works. The lines are
// written as they are, one per line, to a private temporary file, which is removed afterwards.
// Gives the lines as the editor left them (a last line end adds no line), or nothing when the
// editor could not be started or ended with a failure, told in `problem`.
std::optional<std::vector<std::string>> editLines(const std::vector<std::string>& lines,
                                                  std::string& problem);

}  // namespace vartel

#pragma once

#include <vector>

#include "cli/cli_dialogs.h"
#include "cli/output.h"

namespace vartel::cli {

// The summary of an execution or an undo is the command's result, so it goes to standard
// output; it is held back until the failed rows have been reported.
class SummaryDialogs : public CliDialogs {
  public:
    void message(const Text& text) override { held.push_back(text); }
    void printHeld() {
        for (const auto& text : held) printLine(text);
        held.clear();
    }
    std::vector<Text> held;
};

}  // namespace vartel::cli

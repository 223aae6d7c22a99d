#pragma once

#include <vector>

#include "macro/macro_line.h"

namespace vartel {

// The editor's own clipboard of whole lines, apart from the system clipboard. Copy and cut
// replace its content; pasting leaves it as it is.
struct LineClipboard {
    std::vector<MacroLine> lines;
};

}  // namespace vartel

#pragma once

#include <vector>

#include "common/text.h"

namespace vartel {

// A proposed rename: a row that left the conversion list with a new name.
struct PreviewEntry {
    Text oldName;
    Text newName;  // never equal to oldName
    Text size;
    Text modified;
    Text fullPathBefore;
    bool checked = true;
    bool failed = false;  // drawn red; set when executing it failed
    bool selected = false;
};

using PreviewList = std::vector<PreviewEntry>;

}  // namespace vartel

#pragma once

#include <string>
#include <vector>

#include "common/dialogs.h"
#include "common/text.h"

namespace vartel {

// The saved macros of the macro folders: paths and, entry for entry, their titles.
struct MacroCatalogue {
    std::vector<std::string> paths;
    std::vector<Text> titles;
};

// Lists the ".vmc" files (exact letter case) in name order. A missing folder
// gives an empty catalogue; a listing that breaks off keeps what it found and says so.
MacroCatalogue buildMacroCatalogue(const std::string& folder, Dialogs& dialogs);

// The macros of every folder, folder after folder (the user's before the bundled ones).
MacroCatalogue buildMacroCatalogue(const std::vector<std::string>& folders, Dialogs& dialogs);

}  // namespace vartel

#include "editor/macro_catalogue.h"

#include "common/error.h"
#include "editor/messages.h"
#include "macro/macro_file.h"
#include "platform/folder_listing.h"
#include "platform/messages.h"

namespace vartel {
namespace {

const std::string kMacroExtension = ".vmc";

bool isMacroFile(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot != std::string_view::npos && name.substr(dot) == kMacroExtension;
}

Text titleOf(const std::string& path) {
    try {
        return readMacroCaption(path).value_or(editor_messages::kUntitledMacro);
    } catch (const VartelError&) {
        return editor_messages::kUntitledMacro;  // unreadable, as if the key were missing
    }
}

}  // namespace

MacroCatalogue buildMacroCatalogue(const std::string& folder, Dialogs& dialogs) {
    MacroCatalogue catalogue;
    FolderListing listing(folder);
    while (const auto entry = listing.next()) {
        if (isMacroFile(entry->name))
            catalogue.paths.push_back(folder + "/" + std::string(entry->name));
    }
    if (listing.failed()) dialogs.error(kGettingFilesFailed);
    for (const auto& path : catalogue.paths) catalogue.titles.push_back(titleOf(path));
    return catalogue;
}

MacroCatalogue buildMacroCatalogue(const std::vector<std::string>& folders, Dialogs& dialogs) {
    MacroCatalogue catalogue;
    for (const auto& folder : folders) {
        MacroCatalogue part = buildMacroCatalogue(folder, dialogs);
        catalogue.paths.insert(catalogue.paths.end(), part.paths.begin(), part.paths.end());
        catalogue.titles.insert(catalogue.titles.end(), part.titles.begin(), part.titles.end());
    }
    return catalogue;
}

}  // namespace vartel

#pragma once

#include <optional>

#include "common/text.h"

namespace vartel {

// Renames the file at the path to the new name inside its own folder, never replacing
// anything. A new name that could name another folder or no entry at all (empty, ".", "..",
// or holding "/" or NUL) is refused like a rename the file system refuses. Gives the path
// after the rename, or nothing when it failed.
std::optional<Text> renameInFolder(const Text& path, const Text& newName);

}  // namespace vartel

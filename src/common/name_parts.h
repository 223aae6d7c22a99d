#pragma once

#include "common/text.h"

namespace vartel {

// The name is the last path component; the stem is everything before its last "."; the
// extension keeps its dot and is empty when the name has no ".".
Text nameOfPath(const Text& path);
Text folderOfPath(const Text& path);  // everything before the last separator, without it
// The same of a path's bytes.
std::string nameOfPath(const std::string& path);
std::string folderOfPath(const std::string& path);
Text stemOf(const Text& name);
Text extensionOf(const Text& name);  // with its dot
// Where the extension starts: at the last ".", or the name's length when it has none.
std::size_t extensionStart(std::u32string_view name);
Text joinPath(const Text& folder, const Text& name);

inline constexpr char32_t kPathSeparator = U'/';

}  // namespace vartel

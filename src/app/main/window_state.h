#pragma once

#include <string>

#include "platform/profile_file.h"

namespace vartel {

// What the user left the window as, for the next start: the lists' columns and the view menu's
// options, in one file of the user's.
inline constexpr char32_t kViewSection[] = U"View";
inline constexpr char32_t kCompanionsKey[] = U"Companions";

// The state as the file keeps it; an unreadable or missing file (or none named) is as good as
// an empty one: everything starts as it always did.
ProfileFile readWindowState(const std::string& path);
// A file that cannot be written is passed over in silence: the user is leaving, and column
// widths and menu marks are not worth stopping them.
void writeWindowState(const std::string& path, const ProfileFile& state);

}  // namespace vartel

#pragma once

#include "common/text.h"

namespace vartel {

// What the rows show the user, exactly as shown.
// The size column of a row that stands for a folder itself.
inline const Text kFolderSizeText = U"<フォルダ>";

}  // namespace vartel

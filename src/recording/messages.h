#pragma once

#include "common/text.h"

namespace vartel {

// The title of a saved macro that has none.
inline const Text kUntitledMacro = U"名前なし";

}  // namespace vartel

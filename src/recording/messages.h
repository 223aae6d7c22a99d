#pragma once

#include "common/text.h"

namespace vartel {

// The sample name is kept in the recorded macro, whose file holds one value per line.
inline const Text kSampleNameHasLineBreak = U"改行を含むファイル名ではマクロを記録できません";

}  // namespace vartel

#pragma once

#include "common/text.h"

namespace vartel {

// The three panels of the status bar, as the commands last wrote them.
struct StatusTexts {
    Text hits;
    Text previewCount;
    Text listCount;
};

}  // namespace vartel

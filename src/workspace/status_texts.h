#pragma once

#include "common/text.h"

namespace vartel {

// The three panels of the status bar, as the commands last wrote them.
struct StatusTexts {
    Text hits;
    Text previewCount;
    Text conflicts;  // "衝突 N件", rows of the preview that would fail
    Text listCount;
};

}  // namespace vartel

#pragma once

#include "common/text.h"
#include "platform/file_system.h"
#include "workspace/batch/rename_plan.h"

namespace vartel {

// The status column's text of a planned row; empty for a row that is simply renamed.
Text statusText(PlanStatus status);
// Why a rename failed, in the user's words.
Text failureReasonText(FileError error);

}  // namespace vartel

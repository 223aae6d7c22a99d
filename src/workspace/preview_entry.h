#pragma once

#include <vector>

#include "common/text.h"
#include "platform/file_system.h"
#include "workspace/rename_plan.h"

namespace vartel {

// A proposed rename: a row that left the conversion list with a new name.
struct PreviewEntry {
    Text oldName;
    Text newName;  // never equal to oldName
    Text size;
    Text modified;
    Text fullPathBefore;
    bool checked = true;
    bool failed = false;  // drawn red; set when executing it failed
    bool selected = false;
    FileIdentity identity{};  // of the file when the preview was made
    PlanStatus status = PlanStatus::Unplanned;
    Text failureReason{};  // why executing it failed, as the user is told
};

using PreviewList = std::vector<PreviewEntry>;

}  // namespace vartel

#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "common/text.h"
#include "platform/file_system.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/rows/failure_reason.h"
#include "workspace/rows/file_entry.h"

namespace vartel {

// A proposed rename: a row that left the conversion list with a new name.
inline constexpr std::uint8_t kMostCompanionsCounted = 255;

struct PreviewEntry {
    SharedFolder folder;  // of the path before, shared with the conversion row it came from
    Text oldName;
    Text newName;  // never equal to oldName
    FileFacts facts;
    bool checked = true;
    bool failed = false;  // drawn red; set when executing it failed
    bool selected = false;
    std::uint8_t companions = 0;  // files the plan takes along with it, counted up to the limit
    PlanStatus status = PlanStatus::Unplanned;
    FileIdentity identity{};        // of the file when the preview was made
    FailureReason failureReason{};  // why executing it failed, as the user is told

    Text fullPathBefore() const { return folderText(folder) + oldName; }
};

using PreviewList = std::vector<PreviewEntry>;

}  // namespace vartel

#include "workspace/batch/plan_texts.h"

#include "workspace/batch/messages.h"

namespace vartel {

Text statusText(PlanStatus status) {
    switch (status) {
        case PlanStatus::Unplanned:
        case PlanStatus::Ok:
            return {};
        case PlanStatus::Chain:
            return kStatusChain;
        case PlanStatus::Cycle:
            return kStatusCycle;
        case PlanStatus::Duplicate:
            return kStatusDuplicate;
        case PlanStatus::Exists:
            return kStatusExists;
        case PlanStatus::InvalidName:
            return kStatusInvalidName;
        case PlanStatus::TooLong:
            return kStatusTooLong;
        case PlanStatus::SameFile:
            return kStatusSameFile;
    }
    return {};
}

Text failureReasonText(FileError error) {
    switch (error) {
        case FileError::Exists:
            return kStatusExists;
        case FileError::AccessDenied:
            return kReasonAccessDenied;
        case FileError::NotFound:
            return kReasonNotFound;
        case FileError::Busy:
            return kReasonBusy;
        case FileError::NameTooLong:
            return kStatusTooLong;
        case FileError::ReadOnly:
            return kReasonReadOnly;
        case FileError::NoSpace:
            return kReasonNoSpace;
        case FileError::InvalidName:
            return kStatusInvalidName;
        case FileError::Replaced:
            return kReasonReplaced;
        case FileError::None:
        case FileError::Unsupported:
        case FileError::Other:
            break;
    }
    return kCannotRename;
}

}  // namespace vartel

#include "workspace/batch/plan_texts.h"

#include "workspace/batch/messages.h"

namespace vartel {

Text failureReasonText(FileError error) {
    switch (error) {
        case FileError::Exists:
            return statusText(PlanStatus::Exists);
        case FileError::AccessDenied:
            return kReasonAccessDenied;
        case FileError::NotFound:
            return kReasonNotFound;
        case FileError::Busy:
            return kReasonBusy;
        case FileError::NameTooLong:
            return statusText(PlanStatus::TooLong);
        case FileError::ReadOnly:
            return kReasonReadOnly;
        case FileError::NoSpace:
            return kReasonNoSpace;
        case FileError::InvalidName:
            return statusText(PlanStatus::InvalidName);
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

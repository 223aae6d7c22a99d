#pragma once

#include <cstdint>
#include <vector>

#include "common/pace.h"
#include "platform/file_system.h"
#include "workspace/batch/rename_plan.h"

namespace vartel {

// The files of a batch, looked up once before the first rename: each is checked against the
// identity its request expects, and what was found is what the journal records. A file gone
// or replaced since the preview was made (or since the batch to be undone renamed it) fails its
// row instead of being renamed. Checking
// here rather than before each call, and confirming the files of a folder from one read of
// the folder where many are renamed there, keeps the batch within a little of the renames.
struct BatchFiles {
    // One per request; known for a file the batch will rename, unknown for a row it leaves
    // alone (blocked, gone or replaced).
    std::vector<FileIdentity> identities;
    // One per request, known where its identity is: what the journal and the history keep,
    // so that undo and recovery take no other file that was given the same inode number.
    std::vector<FileFingerprint> fingerprints;
    std::vector<FileError> errors;  // one per request: None, NotFound or Replaced
};

// pace is asked now and then, so a window stays live through a long batch; when it says no,
// the look-ups stop and the files found are incomplete, their lists perhaps short of one per
// request: the batch must not run.
BatchFiles lookUpBatchFiles(const std::vector<RenameRequest>& requests, const RenamePlan& plan,
                            const Pace& pace = {});

// The same for every request, before its plan is known, so that the look-ups can go on while
// the plan is made; leaveBlockedRowsAlone then makes them what lookUpBatchFiles finds.
BatchFiles lookUpRequestedFiles(const std::vector<RenameRequest>& requests, const Pace& pace = {});
void leaveBlockedRowsAlone(BatchFiles& files, const RenamePlan& plan);

}  // namespace vartel

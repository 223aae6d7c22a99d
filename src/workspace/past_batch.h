#pragma once

#include "workspace/rename_journal.h"
#include "workspace/workspace.h"

namespace vartel {

// A batch the history list can take up again: it ended and renamed something that was not
// put back since.
bool canLoadIntoHistory(const JournalBatch& batch);

// The folder a batch worked in, as its first file tells it.
Text folderOfBatch(const JournalBatch& batch);

// The history list becomes the renames of an earlier batch, in their order, so that undo takes
// them back with the same checks of each file's identity as renames made in this session.
void loadIntoHistory(Workspace& workspace, const JournalBatch& batch);

}  // namespace vartel

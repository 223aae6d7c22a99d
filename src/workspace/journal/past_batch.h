#pragma once

#include "workspace/journal/rename_journal.h"
#include "workspace/workspace.h"

namespace vartel {

// A batch the history list can take up again: it ended and renamed something that was not
// put back since.
bool canLoadIntoHistory(const BatchSummary& batch);

// The history list becomes the renames of an earlier batch, in their order, so that undo takes
// them back with the same checks of each file's identity as renames made in this session.
// Rows whose file is under its old name already are left out, so an undo that stopped
// part-way is taken up where it stopped; a batch with no row left is marked undone.
void loadIntoHistory(Workspace& workspace, const JournalBatch& batch);

}  // namespace vartel

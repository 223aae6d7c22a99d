#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace vartel {

// A note, beside the journals, of the batches whose closing records are on disk, so that a
// start finds the unfinished batches without reading every journal kept. It is only a hint:
// a batch it does not name is looked for in its journal, so a note lost or cut short costs
// time and nothing else. A batch is noted only once its closing records have been synced.
void noteClosedBatch(const std::string& folder, const std::string& id);
std::unordered_set<std::string> closedBatchIds(const std::string& folder);
// Writes the note afresh with these ids alone, once the journals of the others are gone.
void rewriteClosedBatchNote(const std::string& folder, const std::vector<std::string>& ids);

}  // namespace vartel

#pragma once

#include <string>
#include <vector>

#include "common/pace.h"
#include "workspace/batch/rename_plan.h"

namespace vartel {

// Adds the companion files of a batch's rows (see companion_suffixes.h) to the batch as
// requests of their own, after the rows: each file of a row's folder whose name is the row's
// stem, or its whole name, followed by a companion suffix gets the row's new stem, or new
// name, with its own suffix kept. A file that is a row of the batch, or one of the paths left
// alone (rows the user keeps out of the batch), is nobody's companion; where stems nest
// (movie and movie.en beside movie.en.forced.srt) the longest takes the file. Gives the groups
// the planner keeps together. Only the requests marked in takesCompanions have any (every one
// when it is empty). pace is asked every few thousand files, its answer not heeded.
RequestGroups addCompanions(std::vector<RenameRequest>& requests,
                            const std::vector<std::string>& leftAlone,
                            const std::vector<char>& takesCompanions = {}, Pace pace = {});

}  // namespace vartel

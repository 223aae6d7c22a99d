#pragma once

#include <vector>

#include "workspace/workspace.h"

namespace vartel {

// Commands on the conversion list. None touches a file; none does anything while a long
// command runs, since that command walks the list.
void selectAll(Workspace& workspace);
void invertSelection(Workspace& workspace);
void checkSelected(Workspace& workspace);
void uncheckSelected(Workspace& workspace);
void invertCheck(Workspace& workspace);
void exclude(Workspace& workspace);
void cut(Workspace& workspace);
void paste(Workspace& workspace);
void moveUp(Workspace& workspace);
void moveDown(Workspace& workspace);

// The indices of the selected rows in ascending order, recorded when a drag of rows starts.
std::vector<int> dragRecord(const ConversionList& rows);
// The drop of dragged rows on the row at target; -1 (no row) or past the end is the last row.
void dropRows(Workspace& workspace, const std::vector<int>& dragged, int target);

enum class SortColumn {
    Name = 0,
    Extension,
    Size,
    Modified,
    FullPath,
    DateTaken,
    CameraModel,
    Reading
};
// Stable ascending sort; a size or time that does not convert throws VartelError with the
// conversion's message, before any row has moved. Rows without a date taken or a camera model
// (or not read yet) go last in the photo columns. The reading sorts names by how they are read
// (五十音 order), Japanese names before Latin ones; without the dictionary it throws, and no row
// moves.
void sortByColumn(Workspace& workspace, SortColumn column);

}  // namespace vartel

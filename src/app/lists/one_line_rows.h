#pragma once

class QTableView;

namespace vartel {

// Every row of the list one text line high, as lists of names and macro lines are read; fixed
// heights also keep a list of a hundred thousand rows quick to lay out and scroll.
void showOneTextLinePerRow(QTableView* view);

}  // namespace vartel

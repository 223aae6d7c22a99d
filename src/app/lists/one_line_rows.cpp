#include "app/lists/one_line_rows.h"

#include <QHeaderView>
#include <QTableView>

namespace vartel {

void showOneTextLinePerRow(QTableView* view) {
    const int height = view->fontMetrics().height() + 4;
    QHeaderView* rows = view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    // The style's minimum would otherwise keep rows taller than one line.
    rows->setMinimumSectionSize(height);
    rows->setDefaultSectionSize(height);
}

}  // namespace vartel

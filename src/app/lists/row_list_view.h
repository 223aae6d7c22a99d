#pragma once

#include <QStringList>
#include <QTableView>
#include <vector>

#include "app/lists/row_list_model.h"

namespace vartel {

// A list of rows as the main window shows them: check boxes, grid lines, whole rows selected,
// several at a time, the selection visible without focus, nothing editable in place. The
// selection lives in the rows; the view mirrors it both ways.
class RowListView : public QTableView {
    Q_OBJECT

  public:
    explicit RowListView(QWidget* parent = nullptr);

    void setRowModel(RowListModel* model, const std::vector<int>& columnWidths);
    // Widens the column, if need be, to show each of these texts whole in whatever font the
    // desktop has.
    void fitColumnTo(int column, const QStringList& texts);

    // Shows the list as it is now, with the rows' own selection.
    void refresh();
    // While a long command runs the list draws nothing new. Thawed, it draws again once the
    // caller has refreshed it, which it does at once: with a million rows each refresh counts.
    void freeze();
    void thaw();

  private:
    void selectFromRows();
    void takeSelection(const QItemSelection& selected, const QItemSelection& deselected);

    RowListModel* model_ = nullptr;
    bool applying_ = false;
};

}  // namespace vartel

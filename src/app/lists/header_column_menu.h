#pragma once

#include <QObject>
#include <initializer_list>
#include <vector>

class QTableView;

namespace vartel {

// The context menu of a list's header: it shows or hides the list's extra columns, which start
// hidden. Each entry is the column's caption with a check mark while it shows.
class HeaderColumnMenu : public QObject {
    Q_OBJECT

  public:
    HeaderColumnMenu(QTableView* view, std::vector<int> extraColumns);

    // Whether any of these columns shows.
    bool anyShown(std::initializer_list<int> columns) const;

  signals:
    // A column was shown or hidden by the user.
    void columnsChanged();

  private:
    void showMenu(const QPoint& at);

    QTableView* view_;
    std::vector<int> extraColumns_;
};

}  // namespace vartel

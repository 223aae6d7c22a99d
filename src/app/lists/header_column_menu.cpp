#include "app/lists/header_column_menu.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <algorithm>

namespace vartel {

HeaderColumnMenu::HeaderColumnMenu(QTableView* view, std::vector<int> extraColumns)
    : QObject(view), view_(view), extraColumns_(std::move(extraColumns)) {
    for (const int column : extraColumns_) view_->hideColumn(column);
    QHeaderView* header = view_->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, &HeaderColumnMenu::showMenu);
}

bool HeaderColumnMenu::anyShown(std::initializer_list<int> columns) const {
    return std::any_of(columns.begin(), columns.end(),
                       [this](int column) { return !view_->isColumnHidden(column); });
}

void HeaderColumnMenu::showMenu(const QPoint& at) {
    QMenu menu(view_);
    for (const int column : extraColumns_) {
        QAction* entry = menu.addAction(
            view_->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        entry->setCheckable(true);
        entry->setChecked(!view_->isColumnHidden(column));
        connect(entry, &QAction::toggled, this, [this, column](bool shown) {
            view_->setColumnHidden(column, !shown);
            emit columnsChanged();
        });
    }
    menu.exec(view_->horizontalHeader()->mapToGlobal(at));
}

}  // namespace vartel

#include "app/lists/row_list_view.h"

#include <QHeaderView>
#include <QStyle>

#include "app/lists/one_line_rows.h"
#include "app/messages.h"

namespace vartel {

RowListView::RowListView(QWidget* parent) : QTableView(parent) {
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    verticalHeader()->hide();
    showOneTextLinePerRow(this);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    // Columns are dragged where the user wants them; the window keeps them so between runs.
    horizontalHeader()->setSectionsMovable(true);
    QPalette colours = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

void RowListView::setRowModel(RowListModel* model, const std::vector<int>& columnWidths) {
    model_ = model;
    setModel(model);
    for (std::size_t i = 0; i < columnWidths.size(); ++i)
        setColumnWidth(static_cast<int>(i), columnWidths[i]);
    // A modified time is read whole, date and time.
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString header =
            model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        if (header == ui::kModifiedColumn || header == ui::kDateTakenColumn)
            fitColumnTo(column, {QStringLiteral("2000/12/31 23:59:59")});
    }
    horizontalHeader()->setStretchLastSection(static_cast<int>(columnWidths.size()) <
                                              model->columnCount());
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                takeSelection(selected, deselected);
            });
}

void RowListView::fitColumnTo(int column, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts) widest = qMax(widest, fontMetrics().horizontalAdvance(text));
    const int margins = 4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this);
    setColumnWidth(column, qMax(columnWidth(column), widest + margins));
}

void RowListView::refresh() {
    model_->refresh();
    selectFromRows();
}

void RowListView::freeze() {
    model_->freeze();
    setUpdatesEnabled(false);
}

void RowListView::thaw() {
    model_->thaw();
    setUpdatesEnabled(true);
}

void RowListView::selectFromRows() {
    QItemSelection selection;
    const int rows = model_->rowCount();
    const int lastColumn = model_->columnCount() - 1;
    for (int row = 0; row < rows;) {
        if (!model_->isSelected(row)) {
            ++row;
            continue;
        }
        int end = row;
        while (end + 1 < rows && model_->isSelected(end + 1)) ++end;
        selection.select(model_->index(row, 0), model_->index(end, lastColumn));
        row = end + 1;
    }
    applying_ = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    applying_ = false;
}

void RowListView::takeSelection(const QItemSelection& selected, const QItemSelection& deselected) {
    if (applying_ || model_->frozen()) return;
    const int rows = model_->rowCount();
    const auto mark = [&](const QItemSelection& ranges, bool on) {
        for (const QItemSelectionRange& range : ranges) {
            for (int row = range.top(); row <= range.bottom() && row < rows; ++row)
                model_->setSelected(row, on);
        }
    };
    mark(deselected, false);
    mark(selected, true);
}

}  // namespace vartel

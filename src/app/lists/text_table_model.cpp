#include "app/lists/text_table_model.h"

#include <QBrush>

#include "app/qt/qt_text.h"

namespace vartel {

TextTableModel::TextTableModel(QStringList headers, RowCount rows, Cell cell, QObject* parent)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      rows_(std::move(rows)),
      cell_(std::move(cell)) {}

void TextTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_();
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    // A view may ask before the owner's refresh after its rows shrank.
    if (!index.isValid() || index.row() >= rows_()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return toQString(cell_(index.row(), index.column()));
    if (role == Qt::ForegroundRole && red_ && red_(index.row())) return QBrush(Qt::red);
    return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return headers_.value(section);
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == editableColumn_) flags |= Qt::ItemIsEditable;
    return flags;
}

bool TextTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != editableColumn_ ||
        index.row() >= rows_())
        return false;
    edit_(index.row(), toText(value.toString()));
    emit dataChanged(index, index);
    return true;
}

}  // namespace vartel

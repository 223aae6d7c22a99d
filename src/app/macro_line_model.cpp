#include "app/macro_line_model.h"

#include <QColor>
#include <QStringList>

#include "app/qt_text.h"

namespace vartel {
namespace {

const QStringList kHeaders = {QStringLiteral("No."),      QStringLiteral("代入変数"),
                              QStringLiteral("種類"),     QStringLiteral("タイプ"),
                              QStringLiteral("第一変数"), QStringLiteral("第二変数"),
                              QStringLiteral("第三変数")};
const Text kCommentType = U"コメント";

}  // namespace

void MacroLineModel::refresh() {
    beginResetModel();
    endResetModel();
}

int MacroLineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int MacroLineModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHeaders.size());
}

QVariant MacroLineModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return kHeaders.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant MacroLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const DisplayRow& row = lines_[static_cast<std::size_t>(index.row())].display;
    if (role == Qt::ForegroundRole && row.type == kCommentType) return QColor(Qt::red);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case 0:
            return index.row() + 1;
        case 1:
            return toQString(row.target);
        case 2:
            return toQString(row.kind);
        case 3:
            return toQString(row.type);
        default:
            return toQString(row.operands[static_cast<std::size_t>(index.column() - 4)]);
    }
}

}  // namespace vartel

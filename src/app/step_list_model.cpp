#include "app/step_list_model.h"

#include <QStringList>

#include "app/qt_text.h"

namespace vartel {
namespace {

const QStringList kHeaders = {QStringLiteral("処理後のファイル名"), QStringLiteral("処理種類"),
                              QStringLiteral("詳細")};

}  // namespace

int StepListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(steps_.size());
}

int StepListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHeaders.size());
}

QVariant StepListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return kHeaders.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant StepListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const RecordedStep& step = steps_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case 0:
            return toQString(step.nameAfter);
        case 1:
            return toQString(step.kind);
        default:
            return toQString(step.detail);
    }
}

}  // namespace vartel

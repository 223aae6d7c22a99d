#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "macro/macro_line.h"

namespace vartel {

// The display rows of a macro's lines; comment lines in red.
class MacroLineModel : public QAbstractTableModel {
public:
    explicit MacroLineModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The lines shown; nothing shows no lines. The owner calls refresh after they change.
    void setLines(const std::vector<MacroLine>* lines);
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const std::vector<MacroLine>* lines_ = nullptr;
};

}  // namespace vartel

#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "macro/macro_line.h"

namespace vartel {

// The display rows of a macro's lines; comment lines in red.
class MacroLineModel : public QAbstractTableModel {
  public:
    MacroLineModel(const std::vector<MacroLine>& lines, QObject* parent)
        : QAbstractTableModel(parent), lines_(lines) {}

    // The owner calls this after the lines changed.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const std::vector<MacroLine>& lines_;
};

}  // namespace vartel

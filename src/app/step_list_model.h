#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "operations/recording_state.h"

namespace vartel {

// The recorded steps: the name after each step, its kind and what it did.
class StepListModel : public QAbstractTableModel {
  public:
    StepListModel(const std::vector<RecordedStep>& steps, QObject* parent)
        : QAbstractTableModel(parent), steps_(steps) {}

    void refresh() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const std::vector<RecordedStep>& steps_;
};

}  // namespace vartel

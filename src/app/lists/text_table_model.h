#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

#include "common/text.h"

namespace vartel {

// A read-through view of rows of texts that live elsewhere. The owner says how many rows there
// are and what each cell holds, and calls refresh() after the rows changed.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using RowCount = std::function<int()>;
    using Cell = std::function<Text(int row, int column)>;

    TextTableModel(QStringList headers, RowCount rows, Cell cell, QObject* parent = nullptr);

    // Rows for which this says yes are drawn in red.
    void setRed(std::function<bool(int row)> red) { red_ = std::move(red); }
    // The one column that can be edited in place, and where an edit goes.
    void setEditable(int column, std::function<void(int row, const Text& value)> edit) {
        editableColumn_ = column;
        edit_ = std::move(edit);
    }

    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    QStringList headers_;
    RowCount rows_;
    Cell cell_;
    std::function<bool(int row)> red_;
    int editableColumn_ = -1;
    std::function<void(int row, const Text& value)> edit_;
};

}  // namespace vartel

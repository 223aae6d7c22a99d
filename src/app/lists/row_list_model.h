#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFileIconProvider>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/qt/qt_text.h"
#include "workspace/rows/file_entry.h"

namespace vartel {

// A table of the rows of one of the workspace's lists, read straight from its vector. The rows
// carry their check and selection flags themselves; the view mirrors the selection.
class RowListModel : public QAbstractTableModel {
  public:
    RowListModel(QStringList headers, QObject* parent)
        : QAbstractTableModel(parent), headers_(std::move(headers)) {}

    virtual bool isSelected(int row) const = 0;
    virtual void setSelected(int row, bool selected) = 0;

    // While a long command runs the list changes under the view: the view keeps the row count
    // it had and draws nothing new. After thawing, one refresh shows the list as it is then.
    void freeze() {
        frozenRows_ = shownRows_;
        frozen_ = true;
    }
    void thaw() { frozen_ = false; }
    bool frozen() const { return frozen_; }
    void refresh() {
        beginResetModel();
        shownRows_ = rows();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        if (parent.isValid()) return 0;
        return frozen_ ? frozenRows_ : rows();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers_.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < headers_.size())
            return headers_[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (frozen_ || !index.isValid() || index.row() >= rows()) return {};
        switch (role) {
            case Qt::DisplayRole:
                return cell(index.row(), index.column());
            case Qt::CheckStateRole:
                if (index.column() == 0 && checkable())
                    return isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
                return {};
            case Qt::ForegroundRole:
                if (isRed(index.row())) return QColor(Qt::red);
                return {};
            case Qt::DecorationRole:
                if (index.column() == 0 && isFolder(index.row())) {
                    static const QIcon folderIcon =
                        QFileIconProvider().icon(QFileIconProvider::Folder);
                    return folderIcon;
                }
                return {};
            case Qt::BackgroundRole:
                if (isWarned(index.row())) return kWarningColour;
                return {};
            case Qt::ToolTipRole: {
                const QString tip = toolTip(index.row());
                return tip.isEmpty() ? QVariant() : QVariant(tip);
            }
            default:
                return {};
        }
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (frozen_ || role != Qt::CheckStateRole || index.column() != 0 || index.row() >= rows())
            return false;
        setChecked(index.row(), value.toInt() == Qt::Checked);
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) return Qt::NoItemFlags;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.column() == 0 && checkable()) flags |= Qt::ItemIsUserCheckable;
        return flags;
    }

  protected:
    virtual int rows() const = 0;
    virtual QString cell(int row, int column) const = 0;
    virtual bool checkable() const { return true; }
    virtual bool isChecked(int) const { return false; }
    virtual void setChecked(int, bool) {}
    virtual bool isRed(int) const { return false; }
    virtual bool isFolder(int) const { return false; }
    // A row that will fail as things stand: drawn on the warning colour.
    virtual bool isWarned(int) const { return false; }
    virtual QString toolTip(int) const { return {}; }

  private:
    static inline const QColor kWarningColour{255, 214, 150};
    QStringList headers_;
    bool frozen_ = false;
    int frozenRows_ = 0;
    int shownRows_ = 0;  // the row count the view was last told
};

// The model of one of the three lists: a vector of rows whose columns are texts of the row,
// mostly its fields.
template <typename Row>
class RowTableModel : public RowListModel {
  public:
    using Column = std::function<Text(const Row&)>;
    // What a row says beyond its columns: the tooltip, and whether it is drawn as failing.
    struct Hints {
        std::function<QString(const Row&)> toolTip;
        std::function<bool(const Row&)> warned;
    };
    RowTableModel(std::vector<Row>& rows, QStringList headers, std::vector<Column> columns,
                  QObject* parent, Hints hints = {})
        : RowListModel(std::move(headers), parent),
          rows_(rows),
          columns_(std::move(columns)),
          hints_(std::move(hints)) {}

    bool isSelected(int row) const override { return at(row).selected; }
    void setSelected(int row, bool selected) override {
        if (row < rows()) rows_[static_cast<std::size_t>(row)].selected = selected;
    }

  protected:
    int rows() const override { return static_cast<int>(rows_.size()); }
    QString cell(int row, int column) const override {
        return toQString(columns_[static_cast<std::size_t>(column)](at(row)));
    }
    bool isChecked(int row) const override { return at(row).checked; }
    void setChecked(int row, bool checked) override {
        rows_[static_cast<std::size_t>(row)].checked = checked;
    }
    bool isRed(int row) const override {
        if constexpr (requires(const Row& r) { r.failed; }) return at(row).failed;
        return false;
    }
    // A row that stands for a folder itself, not for a file.
    bool isFolder(int row) const override {
        if constexpr (requires(const Row& r) { r.facts; }) return at(row).facts.isFolder();
        return false;
    }
    bool isWarned(int row) const override { return hints_.warned && hints_.warned(at(row)); }
    QString toolTip(int row) const override {
        return hints_.toolTip ? hints_.toolTip(at(row)) : QString();
    }

  private:
    const Row& at(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    std::vector<Row>& rows_;
    std::vector<Column> columns_;
    Hints hints_;
};

}  // namespace vartel

#include "app/main/past_batches_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "common/integer_text.h"
#include "platform/clock.h"
#include "workspace/journal/past_batch.h"
#include "workspace/rows/modified_time.h"

namespace vartel {
namespace {

QString kindCaption(BatchKind kind) {
    switch (kind) {
        case BatchKind::Execute:
            return ui::kBatchExecute;
        case BatchKind::Undo:
            return ui::kBatchUndo;
        case BatchKind::SingleRename:
            return ui::kBatchSingleRename;
        case BatchKind::Recovery:
            return ui::kBatchRecovery;
    }
    return {};
}

// How a batch ended. One whose files did not all get their new names says how many did and
// how many failed: "完了" alone would claim them all.
QString stateCaption(const BatchSummary& batch) {
    switch (batch.state) {
        case BatchState::Unfinished:
            return ui::kBatchUnfinished;
        case BatchState::Finished:
            if (batch.renamedCount >= batch.rowCount) return ui::kBatchFinished;
            return ui::kBatchPartlyFailed.arg(
                toQString(formatInteger(static_cast<std::int64_t>(batch.renamedCount))),
                toQString(
                    formatInteger(static_cast<std::int64_t>(batch.rowCount - batch.renamedCount))));
        case BatchState::Undone:
            return ui::kBatchUndone;
    }
    return {};
}

}  // namespace

PastBatchesDialog::PastBatchesDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ui::kPastBatches);
    resize(640, 360);
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels(ui::kPastBatchColumns);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    for (const int column : {0, 1, 3, 4})
        list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    layout->addWidget(list_);
    auto* buttons = new QHBoxLayout;
    load_ = new QPushButton(ui::kLoadIntoHistory, this);
    auto* close = new QPushButton(ui::kClose, this);
    buttons->addStretch(1);
    buttons->addWidget(load_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { chosenChanged(); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { loadChosen(); });
    connect(load_, &QPushButton::clicked, this, [this] { loadChosen(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void PastBatchesDialog::showBatches(const std::vector<BatchSummary>& batches) {
    // Shown again while open, the batch chosen stays chosen.
    const int chosen = list_->indexOfTopLevelItem(list_->currentItem());
    const std::string chosenId = chosen >= 0 ? ids_[static_cast<std::size_t>(chosen)] : "";
    list_->clear();
    ids_.clear();
    loadable_.clear();
    QTreeWidgetItem* current = nullptr;
    for (auto batch = batches.rbegin(); batch != batches.rend(); ++batch) {
        // The count is of the batch's files; the state tells how many of them failed.
        auto* item = new QTreeWidgetItem(
            QStringList{toQString(modifiedText(localDateTimeOf(batch->seconds))),
                        toQString(formatInteger(static_cast<std::int64_t>(batch->rowCount))),
                        toQString(batch->folder), kindCaption(batch->kind), stateCaption(*batch)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(2, item->text(2));
        list_->addTopLevelItem(item);
        ids_.push_back(batch->id);
        loadable_.push_back(canLoadIntoHistory(*batch));
        if (!current || batch->id == chosenId) current = item;
    }
    if (current) list_->setCurrentItem(current);
    chosenChanged();
}

void PastBatchesDialog::chosenChanged() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    load_->setEnabled(row >= 0 && loadable_[static_cast<std::size_t>(row)]);
}

void PastBatchesDialog::loadChosen() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || !loadable_[static_cast<std::size_t>(row)]) return;
    emit loadRequested(ids_[static_cast<std::size_t>(row)]);
}

}  // namespace vartel

#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "workspace/journal/rename_journal.h"

class QPushButton;
class QTreeWidget;

namespace vartel {

// "過去の履歴": the batches of earlier sessions, newest first, with when they ran, how many
// files they renamed, where, what kind of batch and how it ended. A batch that ended and was
// not put back since can be loaded into the history list, to undo it.
class PastBatchesDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PastBatchesDialog(QWidget* parent = nullptr);

    void showBatches(const std::vector<BatchSummary>& batches);

    QTreeWidget* list() const { return list_; }
    QPushButton* loadButton() const { return load_; }

  signals:
    void loadRequested(const std::string& id);

  private:
    void chosenChanged();
    void loadChosen();

    QTreeWidget* list_;
    QPushButton* load_;
    std::vector<std::string> ids_;  // per row of the list
    std::vector<bool> loadable_;    // likewise
};

}  // namespace vartel

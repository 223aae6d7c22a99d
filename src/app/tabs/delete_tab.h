#pragma once

#include "app/tabs/operation_tab.h"
#include "operations/delete_operation.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace vartel {

// The editing tab "削除": characters counted from a place, a text, or a stretch between two
// texts taken out of the name.
class DeleteTab : public OperationTab {
    Q_OBJECT

  public:
    explicit DeleteTab(QWidget* parent = nullptr);

    DeleteSettings settings() const;
    OperationSettings operation() const override { return settings(); }

  private:
    QButtonGroup* mode_;
    QLineEdit* textA_;
    QLineEdit* textB_;
    QSpinBox* position_;
    QSpinBox* count_;
    QCheckBox* caseSensitive_;
};

}  // namespace vartel

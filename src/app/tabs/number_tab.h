#pragma once

#include "app/tabs/operation_tab.h"
#include "operations/numbering_operation.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace vartel {

// The editing tab "連番": numbers given to the checked files in list order.
class NumberTab : public OperationTab {
    Q_OBJECT

  public:
    explicit NumberTab(QWidget* parent = nullptr);

    NumberingSettings settings() const;
    OperationSettings operation() const override { return settings(); }

  private:
    QSpinBox* start_;
    QSpinBox* step_;
    QCheckBox* autoDigits_;
    QCheckBox* perFolder_;
    QButtonGroup* form_;
    QLineEdit* textA_;
    QLineEdit* textB_;
    QSpinBox* position_;
    QCheckBox* caseSensitive_;
};

}  // namespace vartel

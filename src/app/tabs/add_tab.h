#pragma once

#include "app/tabs/operation_tab.h"
#include "operations/add_text_operation.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace vartel {

// The editing tab "追加": a text put at the start, at the end, after a character or beside a
// text of the name.
class AddTab : public OperationTab {
    Q_OBJECT

  public:
    explicit AddTab(QWidget* parent = nullptr);

    AddTextSettings settings() const;
    OperationSettings operation() const override { return settings(); }

  private:
    QLineEdit* text_;
    QButtonGroup* mode_;
    QLineEdit* textA_;
    QSpinBox* position_;
    QCheckBox* caseSensitive_;
};

}  // namespace vartel

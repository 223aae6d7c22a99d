#pragma once

#include "app/tabs/operation_tab.h"
#include "operations/replace_operation.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace vartel {

// The editing tab "置換": a text replaced (literally or by a regular expression), or the letter
// case or the script of the letters changed, in a stretch of the name.
class ReplaceTab : public OperationTab {
    Q_OBJECT

  public:
    explicit ReplaceTab(QWidget* parent = nullptr);

    ReplaceSettings settings() const;
    OperationSettings operation() const override { return settings(); }

  private:
    QLineEdit* search_;
    QLineEdit* replacement_;
    QButtonGroup* range_;
    QButtonGroup* kind_;
    QSpinBox* position_;
    QSpinBox* count_;
    QCheckBox* caseSensitive_;
    QCheckBox* regex_;
};

}  // namespace vartel

#pragma once

#include "app/tabs/operation_tab.h"
#include "operations/extension_operation.h"

class QButtonGroup;
class QLineEdit;
class QSpinBox;

namespace vartel {

// The editing tab "拡張子": the extension made one, added to, or cut.
class ExtensionTab : public OperationTab {
    Q_OBJECT

  public:
    explicit ExtensionTab(QWidget* parent = nullptr);

    ExtensionSettings settings() const;
    OperationSettings operation() const override { return settings(); }

  private:
    QButtonGroup* mode_;
    QLineEdit* text_;
    QSpinBox* position_;
    QSpinBox* count_;
};

}  // namespace vartel

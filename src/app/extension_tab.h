#pragma once

#include <QWidget>

#include "app/form_parts.h"
#include "operations/extension_operation.h"

namespace vartel {

// The editing tab "拡張子": the extension made one, added to, or cut.
class ExtensionTab : public QWidget {
    Q_OBJECT

  public:
    explicit ExtensionTab(QWidget* parent = nullptr);

    // The settings as they stand on the tab.
    ExtensionSettings settings() const;

    QButtonGroup* mode;
    QLineEdit* a;
    QSpinBox* n;
    QSpinBox* c;
    QPushButton* preview;
};

}  // namespace vartel

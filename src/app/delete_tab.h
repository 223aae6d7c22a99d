#pragma once

#include <QWidget>

#include "app/form_parts.h"
#include "operations/delete_operation.h"

namespace vartel {

// The editing tab "削除": characters counted from a place, a text, or a stretch between two
// texts taken out of the name.
class DeleteTab : public QWidget {
    Q_OBJECT

  public:
    explicit DeleteTab(QWidget* parent = nullptr);

    // The settings as they stand on the tab.
    DeleteSettings settings() const;

    QButtonGroup* mode;
    QLineEdit* a;
    QLineEdit* b;
    QSpinBox* n;
    QSpinBox* c;
    QCheckBox* caseSensitive;
    QPushButton* preview;
};

}  // namespace vartel

#pragma once

#include <QWidget>

#include "app/form_parts.h"
#include "operations/add_text_operation.h"

namespace vartel {

// The editing tab "追加": a text put at the start, at the end, after a character or beside a
// text of the name.
class AddTab : public QWidget {
    Q_OBJECT

  public:
    explicit AddTab(QWidget* parent = nullptr);

    // The settings as they stand on the tab.
    AddTextSettings settings() const;

    QLineEdit* text;
    QButtonGroup* mode;
    QLineEdit* a;
    QSpinBox* n;
    QCheckBox* caseSensitive;
    QPushButton* preview;
};

}  // namespace vartel

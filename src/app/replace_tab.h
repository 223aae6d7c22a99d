#pragma once

#include <QWidget>

#include "app/form_parts.h"
#include "operations/replace_operation.h"

namespace vartel {

// The editing tab "置換": a text replaced, or the letter case changed, in a stretch of the name.
class ReplaceTab : public QWidget {
    Q_OBJECT

  public:
    explicit ReplaceTab(QWidget* parent = nullptr);

    // The settings as they stand on the tab.
    ReplaceSettings settings() const;

    QLineEdit* search;
    QLineEdit* replacement;
    QButtonGroup* range;
    QButtonGroup* kind;
    QSpinBox* n;
    QSpinBox* c;
    QCheckBox* caseSensitive;
    QPushButton* preview;
};

}  // namespace vartel

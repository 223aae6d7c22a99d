#pragma once

#include <QWidget>

#include "app/form_parts.h"

namespace vartel {

// The editing tab "置換": a text replaced, or the letter case changed, in a stretch of the name.
class ReplaceTab : public QWidget {
    Q_OBJECT

public:
    explicit ReplaceTab(QWidget* parent = nullptr);

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

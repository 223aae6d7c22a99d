#pragma once

#include <QWidget>

#include "app/form_parts.h"

namespace vartel {

// The editing tab "連番": numbers given to the checked files in list order.
class NumberTab : public QWidget {
    Q_OBJECT

public:
    explicit NumberTab(QWidget* parent = nullptr);

    QSpinBox* start;
    QSpinBox* step;
    QCheckBox* autoDigits;
    QButtonGroup* form;
    QLineEdit* a;
    QLineEdit* b;
    QSpinBox* n;
    QCheckBox* caseSensitive;
    QPushButton* preview;
};

}  // namespace vartel

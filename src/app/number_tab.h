#pragma once

#include <QWidget>

#include "app/form_parts.h"
#include "operations/numbering_operation.h"

namespace vartel {

// The editing tab "連番": numbers given to the checked files in list order.
class NumberTab : public QWidget {
    Q_OBJECT

  public:
    explicit NumberTab(QWidget* parent = nullptr);

    // The settings as they stand on the tab.
    NumberingSettings settings() const;

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

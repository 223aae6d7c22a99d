#pragma once

#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include "app/macro_line_model.h"

namespace vartel {

// The result tab "マクロ": the recorded macro as its lines or as its steps, one at a time.
class MacroResultPanel : public QWidget {
    Q_OBJECT

public:
    explicit MacroResultPanel(QWidget* parent = nullptr);

    // Shows the other of the two lists; the hidden one leaves the tab order.
    void switchView();
    bool showingLines() const { return !lines->isHidden(); }

    MacroLineModel* lineModel;
    QTableView* lines;
    QTableView* steps;
    QPushButton* switchButton;
    QPushButton* save;
    QPushButton* edit;
    QPushButton* run;
};

}  // namespace vartel

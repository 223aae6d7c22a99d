#pragma once

#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include "app/text_table_model.h"
#include "operations/recording_state.h"

namespace vartel {

// The result tab "マクロ": the recorded macro as its lines or as its steps, one at a time.
class MacroResultPanel : public QWidget {
    Q_OBJECT

  public:
    explicit MacroResultPanel(const RecordingState& recording, QWidget* parent = nullptr);

    // One of the two lists is shown; the hidden one leaves the tab order.
    void showLines(bool shown);
    bool showingLines() const { return !lines->isHidden(); }
    // Shows the recording as it is now.
    void refresh();

    TextTableModel* lineModel;
    TextTableModel* stepModel;
    QTableView* lines;
    QTableView* steps;
    QPushButton* switchButton;
    QPushButton* save;
    QPushButton* edit;
    QPushButton* run;
};

}  // namespace vartel

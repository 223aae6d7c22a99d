#pragma once

#include <QWidget>

#include "operations/recording_state.h"

class QTableView;

namespace vartel {

class ActionTable;
class TextTableModel;

// The result tab "マクロ": the recorded macro as its lines or as its steps, one at a time.
class MacroResultPanel : public QWidget {
    Q_OBJECT

  public:
    explicit MacroResultPanel(const RecordingState& recording, QWidget* parent = nullptr);

    void bindActions(ActionTable& actions);

    // One of the two lists is shown; the hidden one leaves the tab order.
    void showLines(bool shown);
    bool showingLines() const;
    const QTableView* shownList() const;
    // Shows the recording as it is now.
    void refresh();

  signals:
    void switchRequested();
    void saveRequested();
    void editRequested();
    void runRequested();

  private:
    TextTableModel* lineModel_;
    TextTableModel* stepModel_;
    QTableView* lines_;
    QTableView* steps_;
    QWidget* save_;
    QWidget* edit_;
    QWidget* run_;
};

}  // namespace vartel

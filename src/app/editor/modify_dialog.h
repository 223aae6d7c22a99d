#pragma once

#include <QDialog>

#include "common/dialogs.h"
#include "editor/line_entry.h"

namespace vartel {

class LineInputRow;

// The dialog "修正": the chosen line's kind, type and texts, put back in its place by the
// button "修正". It stays open while the typed line is refused.
class ModifyDialog : public QDialog {
    Q_OBJECT

  public:
    ModifyDialog(MacroEditor& editor, Dialogs& dialogs, QWidget* parent = nullptr);

    // Fills the dialog from the request and shows it modally; true when the line was replaced.
    bool modify(const ModifyRequest& request);

    LineInputRow* inputRow() const { return row_; }

  public slots:
    void apply();

  private:
    MacroEditor& editor_;
    Dialogs& dialogs_;
    LineInputRow* row_;
    int index_ = 0;
};

}  // namespace vartel

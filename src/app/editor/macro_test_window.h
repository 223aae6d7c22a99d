#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "common/dialogs.h"
#include "editor/macro_editor.h"
#include "macro/checked_file_count.h"
#include "macro/trace_row.h"
#include "platform/clock.h"

class QLineEdit;
class QTableView;

namespace vartel {

class CommandBoundary;
class TextTableModel;

// The window "テスト": runs the editor's macro on a typed sample and lists every executed line.
// No file is touched. The run goes through the command boundary: it resets the variables a
// running macro uses, so it waits for no one and is refused while another command runs.
class MacroTestWindow : public QWidget {
    Q_OBJECT

  public:
    MacroTestWindow(MacroEditor& editor, Dialogs& dialogs, const Clock& clock,
                    const CheckedFileCount& fileCount, CommandBoundary& boundary,
                    QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QLineEdit* extensionField() const { return extension_; }
    QLineEdit* pathField() const { return path_; }
    QLineEdit* resultField() const { return result_; }
    QTableView* traceList() const { return traceList_; }

  public slots:
    // The editor's "テスト": an empty trace, and the window shown beside the editor.
    void openTest();
    // The button "テスト".
    void runTest();

  private:
    MacroEditor& editor_;
    Dialogs& dialogs_;
    const Clock& clock_;
    const CheckedFileCount& fileCount_;
    CommandBoundary& boundary_;
    // Shared with the trace model, which the window's base class takes down after the members.
    std::shared_ptr<std::vector<TraceRow>> trace_ = std::make_shared<std::vector<TraceRow>>();
    TextTableModel* traceModel_;
    QLineEdit* name_;
    QLineEdit* extension_;
    QLineEdit* path_;
    QLineEdit* result_;
    QTableView* traceList_;
};

}  // namespace vartel

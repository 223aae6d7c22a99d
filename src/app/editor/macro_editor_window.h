#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/dialogs.h"
#include "editor/line_input.h"
#include "editor/macro_editor.h"

class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTableView;

namespace vartel {

class CommandBoundary;
class LineInputRow;
class ModifyDialog;
class MultiConditionTab;
class ShortcutTab;
class TextTableModel;

// The window "マクロ" in which the one macro is written line by line. It owns no data: it shows
// the MacroEditor and calls its commands at the command boundary, so none of them changes the
// macro while a macro runs. Closing it only hides it.
class MacroEditorWindow : public QMainWindow {
    Q_OBJECT

  public:
    MacroEditorWindow(MacroEditor& editor, Dialogs& dialogs, CommandBoundary& boundary,
                      QWidget* parent = nullptr);
    ~MacroEditorWindow() override;

    QTableView* lineList() const { return lineList_; }
    LineInputRow* inputRow() const { return inputRow_; }
    ShortcutTab* shortcutTab() const { return shortcuts_; }
    MultiConditionTab* multiConditionTab() const { return multiCondition_; }
    ModifyDialog* modifyDialog() const { return modifyDialog_; }
    QTableView* variableTable(int variableClass) const;
    QMenu* lineContextMenu() const { return lineMenu_; }
    // The reference box: name, signature and description.
    QLineEdit* referenceName() const { return referenceName_; }
    QLineEdit* referenceSignature() const { return referenceSignature_; }
    QPlainTextEdit* referenceDescription() const { return referenceDescription_; }

    // The selected lines, in list order.
    std::vector<int> selectedLines() const;

  public slots:
    // "マクロ編集", "編集": shows the window, not modally.
    void showEditor();
    // "閉じる": hides it; the macro stays.
    void closeEditor();
    // Shows the editor's data again after something outside changed it (a recording).
    void refresh();

    // "追加", "挿入", "修正".
    void addLine();
    void insertLine();
    void modifyLine();

    void newMacro();
    void openMacro();
    void saveMacro();
    void test();

    void cutLines();
    void copyLines();
    void pasteLines();
    void pasteLinesAtEnd();
    void deleteLines();
    void resetLines();
    void selectAllLines();

  signals:
    // "テスト": the test window is to empty its trace and show itself.
    void testRequested();
    // "使い方".
    void helpRequested();

  protected:
    // The macro may have changed while the window was hidden (a recording, a macro loaded from
    // the main window).
    void showEvent(QShowEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildVariableTables(QWidget* parent);
    QWidget* buildReferenceBox(QWidget* parent);
    void connectShortcuts();
    void showInput();
    void takeInputFromRow();
    void preparePasteEntries();
    // Runs an editing command at the boundary and shows the editor's data again.
    void command(const std::function<void()>& step);

    MacroEditor& editor_;
    Dialogs& dialogs_;
    CommandBoundary& boundary_;
    TextTableModel* lineModel_;
    QTableView* lineList_;
    LineInputRow* inputRow_;
    std::array<TextTableModel*, 4> variableModels_{};
    std::array<QTableView*, 4> variableTables_{};
    QLineEdit* referenceName_ = nullptr;
    QLineEdit* referenceSignature_ = nullptr;
    QPlainTextEdit* referenceDescription_ = nullptr;
    ShortcutTab* shortcuts_;
    MultiConditionTab* multiCondition_;
    ModifyDialog* modifyDialog_;
    QMenu* lineMenu_ = nullptr;
    QAction* menuPaste_ = nullptr;
    QAction* menuPasteAtEnd_ = nullptr;
    std::optional<InputField> focused_;
    QMetaObject::Connection focusTracking_;
};

}  // namespace vartel

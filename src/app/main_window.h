#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

#include "app/add_tab.h"
#include "app/adding_box.h"
#include "app/conversion_list_view.h"
#include "app/delete_tab.h"
#include "app/desktop_shell.h"
#include "app/extension_tab.h"
#include "app/folder_panes.h"
#include "app/macro_editor_window.h"
#include "app/macro_result_panel.h"
#include "app/macro_tab.h"
#include "app/number_tab.h"
#include "app/progress_box.h"
#include "app/qt_pump.h"
#include "app/recording_box.h"
#include "app/rename_dialog.h"
#include "app/replace_tab.h"
#include "app/result_list_panel.h"
#include "app/search_tab.h"
#include "editor/macro_editor.h"
#include "platform/clock.h"
#include "recording/macro_catalogue.h"
#include "recording/operation_run.h"
#include "recording/recorder.h"
#include "workspace/workspace.h"

namespace vartel {

// The main window: the folder panes, the conversion list, the editing tabs, the result tabs
// and the status bar around the workspace. Every command runs to its end on this thread; while
// a long one runs, the window shows its progress and lets only "中止" and harmless commands in.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(Workspace& workspace, MacroEditor& editor, Recorder& recorder, QtPump& pump,
               const Clock& clock, QWidget* parent = nullptr);

    // The macro editor's window, shown by "マクロ編集", hidden when recording starts or stops,
    // and shown afresh after the main window loaded a macro.
    void setMacroEditorWindow(MacroEditorWindow* window) { editorWindow_ = window; }

    // Files and folders handed over as a drop on the window does.
    void addPaths(const QStringList& paths);

    // Runs a command at the command boundary: failures become error boxes, and the window
    // shows the lists as the command left them. A command asked for while another runs is
    // refused, since the running one walks the lists.
    void run(const std::function<void()>& command);

    // The regions, for the tests and the screenshot.
    FolderPanes* folderPanes() const { return folderPanes_; }
    QPushButton* folderToggle() const { return folderToggle_; }
    QPushButton* editToggle() const { return editToggle_; }
    ConversionListView* conversionList() const { return conversionView_; }
    QTabWidget* editTabs() const { return editTabs_; }
    QTabWidget* resultTabs() const { return resultTabs_; }
    AddTab* addTab() const { return addTab_; }
    DeleteTab* deleteTab() const { return deleteTab_; }
    ReplaceTab* replaceTab() const { return replaceTab_; }
    NumberTab* numberTab() const { return numberTab_; }
    ExtensionTab* extensionTab() const { return extensionTab_; }
    MacroTab* macroTab() const { return macroTab_; }
    SearchTab* searchTab() const { return searchTab_; }
    ResultListPanel* previewPanel() const { return previewPanel_; }
    ResultListPanel* historyPanel() const { return historyPanel_; }
    MacroResultPanel* macroPanel() const { return macroPanel_; }
    AddingBox* addingBox() const { return addingBox_; }
    ProgressBox* progressBox() const { return progressBox_; }
    RecordingBox* recordingBox() const { return recordingBox_; }
    RenameDialog* renameDialog() const { return renameDialog_; }
    QLabel* statusPanel(int index) const { return status_[index]; }
    const QList<QPushButton*>& listButtons() const { return listButtons_; }

  public slots:
    // "使い方": the user guide beside the program, in the desktop's browser.
    void howToUse();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildRegions();
    void buildMenus();
    void buildContextMenus();
    void connectCommands();
    QAction* action(QMenu* menu, const QString& caption, const std::function<void()>& command,
                    const QKeySequence& shortcut = {});

    // A command of the core on the workspace, run at the command boundary.
    std::function<void()> listCommand(void (*command)(Workspace&));

    void toggleFolderTree();
    void toggleEditTabs();
    // The caption tells the state: the region is shown while the button reads shownCaption.
    void toggleRegion(QPushButton* toggle, QWidget* region, const QString& shownCaption,
                      const QString& hiddenCaption);
    void showMacroEditor();

    void renameSelected();
    void openSelected();
    void openFolderOfSelected();
    void propertiesOfSelected();
    void preview(const OperationSettings& operation);
    void startRecording();
    void recordWithThisFile();
    void stopRecording();
    void resetRecording();
    void switchMacroView();
    void chooseMacro(int index);
    void loadMacro();
    void saveMacro();
    // The editor window shows the macro the main window just loaded.
    void showMacroChange();
    void runMacro();

    // Every control that a recording turns off or on, by the command it belongs to.
    void bindToRecording(RecordingCommand command, QObject* control);
    // Enables what the busy state, the recording and the toggles leave usable.
    void updateEnabled();
    void showRecording();
    void showBusy();
    void leaveBusy();
    void refreshLists();
    void refreshStatus();
    void placeBoxes();
    QString firstSelectedPath() const;

    Workspace& workspace_;
    MacroEditor& editor_;
    Recorder& recorder_;
    const Clock& clock_;
    DesktopShell shell_;
    MacroCatalogue catalogue_;
    int depth_ = 0;  // commands running, the outermost included
    bool busyShown_ = false;
    MacroEditorWindow* editorWindow_ = nullptr;

    FolderPanes* folderPanes_ = nullptr;
    QPushButton* folderToggle_ = nullptr;
    QPushButton* editToggle_ = nullptr;
    QList<QPushButton*> listButtons_;
    ConversionListView* conversionView_ = nullptr;
    QTabWidget* editTabs_ = nullptr;
    AddTab* addTab_ = nullptr;
    DeleteTab* deleteTab_ = nullptr;
    ReplaceTab* replaceTab_ = nullptr;
    NumberTab* numberTab_ = nullptr;
    ExtensionTab* extensionTab_ = nullptr;
    MacroTab* macroTab_ = nullptr;
    SearchTab* searchTab_ = nullptr;
    QTabWidget* resultTabs_ = nullptr;
    ResultListPanel* previewPanel_ = nullptr;
    ResultListPanel* historyPanel_ = nullptr;
    MacroResultPanel* macroPanel_ = nullptr;
    QLabel* status_[3] = {};
    AddingBox* addingBox_ = nullptr;
    ProgressBox* progressBox_ = nullptr;
    RecordingBox* recordingBox_ = nullptr;
    RenameDialog* renameDialog_ = nullptr;
    std::vector<std::pair<RecordingCommand, QObject*>> recordingControls_;
    Text recordingStartName_;  // the sample name as the recording started or was reset
    QMenu* fileMenu_ = nullptr;
    QMenu* macroMenu_ = nullptr;
};

}  // namespace vartel

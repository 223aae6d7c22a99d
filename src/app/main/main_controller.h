#pragma once

#include <QObject>
#include <QStringList>

#include "app/main/action_table.h"
#include "app/main/command_boundary.h"
#include "app/shell/desktop_shell.h"
#include "editor/macro_catalogue.h"
#include "editor/macro_editor.h"
#include "platform/clock.h"
#include "platform/program_files.h"
#include "recording/recorder.h"
#include "runs/operation_run.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/lists/search.h"
#include "workspace/workspace.h"

namespace vartel {

// The lists the preview and history tabs show.
enum class ResultList { Preview, History };

// What the main window's commands do: each intent of the view runs at the command boundary on
// the workspace, the editor's macro or the recording, and the controller tells the view what to
// show again. It owns the busy display's state, the recording glue and the action table.
class MainController : public QObject {
    Q_OBJECT

  public:
    MainController(Workspace& workspace, MacroEditor& editor, Recorder& recorder, Dialogs& dialogs,
                   QtPump& pump, const Clock& clock, ProgramFiles files);

    CommandBoundary& boundary() { return boundary_; }
    ActionTable& actions() { return actions_; }
    // The lists the window's models show.
    Workspace& workspace() { return workspace_; }
    const Recorder& recorder() const { return recorder_; }
    // The sample name as the recording started or was reset.
    const Text& recordingStartName() const { return recordingStartName_; }
    QStringList macroTitles() const;
    const ProgramFiles& files() const { return files_; }

    // Turns every control of the action table on or off as the program's state says.
    void updateEnabled();
    void setRegionsShown(bool folderPanes, bool editTabs);

    // Files and folders handed over as a drop on the window does; during a command they wait.
    void addPaths(const QStringList& paths);
    void addFilesBelow(const QString& folder);
    void addFolderRows(const QString& folder, bool withSubfolders);
    void addToList(const QStringList& paths);

    // The conversion list.
    void runOnList(void (*command)(Workspace&));
    void sortBy(int column);
    // "撮影日時" or "カメラ機種" shows: rows without those values have them read, now and
    // after every command that adds rows, until the user stops a reading with "中止".
    void setPhotoColumnsShown(bool shown);
    void startRowDrag();
    void dropRows(int target);
    QString firstSelectedName() const;
    void renameFirstSelected(const QString& name);
    // Asked before the rename dialog opens: a batch a crash cut short and left for later is
    // asked about again; true when none stays open, after saying so otherwise.
    bool mayStartRenaming();
    void openFirstSelected();
    void openFolderOfFirstSelected();
    void showPropertiesOfFirstSelected();
    void openFolder(const QString& path);
    void openFile(const QString& path);

    // The preview and history tabs.
    void selectAllRows(ResultList list);
    void checkRows(ResultList list);
    void uncheckRows(ResultList list);
    void abort() { workspace_.abort(); }
    // The check box of a preview row was clicked: the rows that will fail may have changed.
    void replanPreviewRow(int row);
    // "変換実行" of the preview.
    void execute();
    // "元に戻す" and "クリア" of the history.
    void undoHistory();
    void clearHistory();
    // "順序を調整しない": each rename on its own from the bottom up, as the plan then shows.
    void setLiteralOrder(bool literal);
    // Whether execute takes each row's companion files along; refused while a command runs.
    void setWithCompanions(bool with);

    // The journal the workspace records its batches in: a batch cut short is settled first.
    void startJournal(RenameJournal& journal);
    // The batches of the journal, oldest first; damaged journals found are reported.
    std::vector<BatchSummary> pastBatches();
    // The history list becomes the renames of that batch.
    void loadPastBatch(const std::string& id);

    void preview(const OperationSettings& operation);
    // The tab "名前を直接編集": the checked rows' names in list order, and the preview of new
    // names the user typed or read from a list file; true when the preview was made.
    QStringList checkedNames() const;
    bool previewNames(const QStringList& lines);
    bool previewNamesFromFile();
    void textSearch(const TextSearch& search);
    void sizeSearch(const SizeSearch& search);

    // The macro commands.
    void startRecording(const QString& initialName);
    void recordWithThisFile();
    void stopRecording();
    void resetRecording();
    void switchMacroView();
    void chooseMacro(int index);
    void loadMacro();
    void saveMacro();
    void editMacro() { emit editorShowRequested(); }
    void runMacro();
    // "使い方": the guide in the browser.
    void howToUse();
    // Lists the macro folders again, after a macro was saved.
    void reloadMacros();

    // A command still running is stopped and the window stays; otherwise the list is offered
    // for saving, and a list that could not be saved keeps the window open.
    bool mayClose();

  signals:
    void busyChanged(bool busy);
    void progressed();
    void progressEnded();
    // The lists, the status and the recording are to be shown again.
    void commandEnded();
    void recordingChanged();
    void initialNameChanged(const QString& name);
    void macroResultTabRequested();
    void previewTabRequested();
    void editorShowRequested();
    void editorCloseRequested();
    // The editor's macro changed outside the editor.
    void macroChanged();
    void macroTitlesChanged(const QStringList& titles);
    // A command may have added a batch to the journal or changed how one ended.
    void batchesChanged();

  private:
    void onRows(ResultList list, void (*preview)(PreviewList&), void (*history)(HistoryList&));
    QString firstSelectedPath() const;
    // Reads the photo columns of the rows that have none; false when stopped.
    bool readPhotoColumns();
    bool photoColumnsUnread() const;
    // Inside a command that renames: false when a batch stays open, and nothing may start.
    bool batchesSettled();

    Workspace& workspace_;
    MacroEditor& editor_;
    Recorder& recorder_;
    Dialogs& dialogs_;
    const Clock& clock_;
    CommandBoundary boundary_;
    ActionTable actions_;
    DesktopShell shell_;
    ProgramFiles files_;
    MacroCatalogue catalogue_;
    Text recordingStartName_;
    std::vector<int> draggedRows_;
    RenameJournal* journal_ = nullptr;
    bool photoColumnsShown_ = false;
    bool photoReadingStopped_ = false;
    std::size_t damagedReported_ = 0;
    bool folderPanesShown_ = true;
    bool editTabsShown_ = true;
};

}  // namespace vartel

#include "app/main/main_controller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "app/qt/qt_paths.h"
#include "app/qt/qt_text.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "editor/macro_file_commands.h"
#include "macro/macro_file.h"
#include "platform/text_file.h"
#include "runs/macro_run.h"
#include "runs/new_names_run.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/single_rename.h"
#include "workspace/execution/undo.h"
#include "workspace/journal/journal_start.h"
#include "workspace/journal/past_batch.h"
#include "workspace/lists/list_editing.h"
#include "workspace/lists/list_files.h"
#include "workspace/lists/messages.h"
#include "workspace/lists/new_names.h"
#include "workspace/lists/photo_facts.h"
#include "workspace/rows/row_flags.h"

namespace vartel {

MainController::MainController(Workspace& workspace, MacroEditor& editor, Recorder& recorder,
                               Dialogs& dialogs, QtPump& pump, const Clock& clock,
                               ProgramFiles files)
    : workspace_(workspace),
      editor_(editor),
      recorder_(recorder),
      dialogs_(dialogs),
      clock_(clock),
      boundary_(workspace, dialogs, pump),
      shell_(dialogs),
      files_(std::move(files)) {
    recorder_.closeEditorWindow = [this] { emit editorCloseRequested(); };
    recorder_.showMacroResultTab = [this] { emit macroResultTabRequested(); };
    connect(&boundary_, &CommandBoundary::busyChanged, this, [this](bool busy) {
        updateEnabled();
        emit busyChanged(busy);
    });
    connect(&boundary_, &CommandBoundary::progressed, this, &MainController::progressed);
    connect(&boundary_, &CommandBoundary::progressEnded, this, &MainController::progressEnded);
    connect(&boundary_, &CommandBoundary::commandEnded, this, [this] {
        emit commandEnded();
        emit recordingChanged();
        updateEnabled();
        // Rows added while the photo columns show get their values after the command.
        if (photoColumnsUnread())
            QTimer::singleShot(0, this, [this] { boundary_.run([this] { readPhotoColumns(); }); });
    });
    catalogue_ = buildMacroCatalogue(files_.macroFolders, dialogs_);
}

QStringList MainController::macroTitles() const {
    QStringList titles;
    for (const Text& title : catalogue_.titles) titles << toQString(title);
    return titles;
}

void MainController::updateEnabled() {
    actions_.update({boundary_.busy(), &recorder_, folderPanesShown_, editTabsShown_});
}

void MainController::setRegionsShown(bool folderPanes, bool editTabs) {
    folderPanesShown_ = folderPanes;
    editTabsShown_ = editTabs;
    updateEnabled();
}

void MainController::addPaths(const QStringList& paths) {
    std::vector<Text> texts;
    texts.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) texts.push_back(pathText(QDir::cleanPath(path)));
    // The workspace decides: walked now, after the running walk, or after the running command.
    if (boundary_.depth() > 0)
        workspace_.drop(texts);
    else
        boundary_.run([this, &texts] { workspace_.drop(texts); });
}

void MainController::addFilesBelow(const QString& folder) {
    addToList({folder});
}

void MainController::addFolderRows(const QString& folder, bool withSubfolders) {
    const std::vector<Text> texts{pathText(QDir::cleanPath(folder))};
    boundary_.run(
        [this, &texts, withSubfolders] { workspace_.addFolderRows(texts, withSubfolders); });
}

void MainController::addToList(const QStringList& paths) {
    std::vector<Text> texts;
    for (const QString& path : paths) texts.push_back(pathText(QDir::cleanPath(path)));
    boundary_.run([this, &texts] { workspace_.addPaths(texts); });
}

void MainController::runOnList(void (*command)(Workspace&)) {
    boundary_.run([this, command] { command(workspace_); });
}

void MainController::sortBy(int column) {
    const auto sortColumn = static_cast<SortColumn>(column);
    const bool photo = sortColumn == SortColumn::DateTaken || sortColumn == SortColumn::CameraModel;
    boundary_.run([this, photo, sortColumn] {
        // A sort by a photo column needs every row's value; a stopped reading sorts nothing.
        if (photo && !readPhotoColumns()) return;
        sortByColumn(workspace_, sortColumn);
    });
}

void MainController::setPhotoColumnsShown(bool shown) {
    photoColumnsShown_ = shown;
    photoReadingStopped_ = false;
    if (shown) boundary_.run([this] { readPhotoColumns(); });
}

bool MainController::readPhotoColumns() {
    // Counted as stopped until it ends well: a reading that fails for good (the tag module
    // missing) then shows its error once, rather than again after every command.
    photoReadingStopped_ = true;
    photoReadingStopped_ = !readPhotoFacts(workspace_, fileMetadataReader());
    return !photoReadingStopped_;
}

bool MainController::photoColumnsUnread() const {
    if (!photoColumnsShown_ || photoReadingStopped_) return false;
    const auto& rows = workspace_.conversionList();
    return std::any_of(rows.begin(), rows.end(),
                       [](const FileEntry& row) { return !row.photoFacts; });
}

void MainController::startRowDrag() {
    draggedRows_ = dragRecord(workspace_.conversionList());
}

void MainController::dropRows(int target) {
    boundary_.run([this, target] { vartel::dropRows(workspace_, draggedRows_, target); });
}

QString MainController::firstSelectedName() const {
    const int index = firstSelectedRow(workspace_.conversionList());
    if (index < 0) return {};
    return toQString(workspace_.conversionList()[static_cast<std::size_t>(index)].name);
}

QString MainController::firstSelectedPath() const {
    const int index = firstSelectedRow(workspace_.conversionList());
    if (index < 0) return {};
    return pathQString(workspace_.conversionList()[static_cast<std::size_t>(index)].fullPath());
}

void MainController::renameFirstSelected(const QString& name) {
    if (boundary_.run([this, &name] { vartel::renameFirstSelected(workspace_, toText(name)); }))
        emit batchesChanged();
}

bool MainController::mayStartRenaming() {
    bool settled = false;
    if (boundary_.run([this, &settled] { settled = batchesSettled(); })) emit batchesChanged();
    return settled;
}

bool MainController::batchesSettled() {
    return !journal_ || settleBeforeRenaming(*journal_, dialogs_, damagedReported_);
}

void MainController::openFirstSelected() {
    const QString path = firstSelectedPath();
    if (!path.isEmpty()) shell_.open(path);
}

void MainController::openFolderOfFirstSelected() {
    const QString path = firstSelectedPath();
    if (!path.isEmpty()) shell_.openFolder(path);
}

void MainController::showPropertiesOfFirstSelected() {
    const QString path = firstSelectedPath();
    if (!path.isEmpty()) shell_.showProperties(path);
}

void MainController::openFolder(const QString& path) {
    shell_.openFolder(path);
}

void MainController::openFile(const QString& path) {
    shell_.open(path);
}

void MainController::onRows(ResultList list, void (*preview)(PreviewList&),
                            void (*history)(HistoryList&)) {
    boundary_.run([=, this] {
        if (workspace_.busy()) return;
        if (list == ResultList::Preview) {
            // Leaving the busy state plans the preview again, with the window live.
            BusyScope busy(workspace_);
            preview(workspace_.previewList());
        } else {
            history(workspace_.historyList());
        }
    });
}

void MainController::replanPreviewRow(int row) {
    boundary_.run([this, row] {
        if (!workspace_.busy()) workspace_.replanPreviewRow(static_cast<std::size_t>(row));
    });
}

void MainController::execute() {
    const bool ran = boundary_.run([this] {
        if (batchesSettled()) vartel::execute(workspace_);
    });
    if (ran) emit batchesChanged();
}

void MainController::undoHistory() {
    const bool ran = boundary_.run([this] {
        if (!batchesSettled()) return;
        vartel::undo(workspace_);
    });
    if (ran) emit batchesChanged();
}

void MainController::clearHistory() {
    boundary_.run([this] {
        if (workspace_.busy()) return;
        vartel::clearHistory(workspace_);
    });
}

void MainController::setLiteralOrder(bool literal) {
    boundary_.run([this, literal] {
        workspace_.setLiteralOrder(literal);
        BusyScope busy(workspace_);  // which plans the preview again on its way out
    });
}

void MainController::setWithCompanions(bool with) {
    boundary_.run([this, with] {
        workspace_.setWithCompanions(with);
        BusyScope busy(workspace_);  // which plans the preview again on its way out
    });
}

void MainController::startJournal(RenameJournal& journal) {
    journal_ = &journal;
    // An answer of "後で" leaves the batch open; the commands that rename ask again.
    boundary_.run([this] { recoverUnfinishedBatches(*journal_, dialogs_, damagedReported_); });
}

std::vector<BatchSummary> MainController::pastBatches() {
    if (!journal_) return {};
    std::vector<BatchSummary> batches = journal_->summaries();
    reportDamagedJournals(*journal_, dialogs_, damagedReported_);
    return batches;
}

void MainController::loadPastBatch(const std::string& id) {
    if (!journal_) return;
    boundary_.run([this, &id] {
        if (workspace_.busy() || !batchesSettled()) return;
        const auto batch = journal_->batch(id);
        reportDamagedJournals(*journal_, dialogs_, damagedReported_);
        if (!batch || !canLoadIntoHistory(*batch)) return;
        loadIntoHistory(workspace_, *batch);
    });
}

void MainController::selectAllRows(ResultList list) {
    onRows(list, vartel::selectAllRows<PreviewList>, vartel::selectAllRows<HistoryList>);
}

void MainController::checkRows(ResultList list) {
    onRows(list, checkSelectedRows<PreviewList>, checkSelectedRows<HistoryList>);
}

void MainController::uncheckRows(ResultList list) {
    onRows(list, uncheckSelectedRows<PreviewList>, uncheckSelectedRows<HistoryList>);
}

void MainController::preview(const OperationSettings& operation) {
    boundary_.run([this, &operation] {
        RecordingFrame frame = recorder_.frame();
        runOperation(workspace_, frame, operation);
    });
}

QStringList MainController::checkedNames() const {
    QStringList names;
    for (const auto& row : workspace_.conversionList()) {
        if (row.checked) names << toQString(row.name);
    }
    return names;
}

bool MainController::previewNames(const QStringList& lines) {
    bool made = false;
    boundary_.run([this, &lines, &made] {
        std::vector<Text> names;
        names.reserve(static_cast<std::size_t>(lines.size()));
        for (const QString& line : lines) names.push_back(toText(line));
        made = runNewNames(workspace_, namesFromLines(std::move(names)));
    });
    if (made) emit previewTabRequested();
    return made;
}

bool MainController::previewNamesFromFile() {
    bool made = false;
    boundary_.run([this, &made] {
        const auto path = dialogs_.openFile(kNamesFileFilter);
        if (!path) return;
        const bool csv = QFileInfo(QFile::decodeName(path->c_str()))
                             .suffix()
                             .compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
        const NamesList list = namesListOf(readTextFile(*path), csv);
        if (!list.byPairs) {
            made = runNewNames(workspace_, list.names);
            return;
        }
        if (const std::size_t unmatched = runNamePairs(workspace_, list.pairs))
            dialogs_.message(fillIn(kRowsWithoutPair, U"%s",
                                    formatInteger(static_cast<std::int64_t>(unmatched))));
        made = true;
    });
    if (made) emit previewTabRequested();
    return made;
}

void MainController::textSearch(const TextSearch& search) {
    boundary_.run([this, &search] { vartel::textSearch(workspace_, search); });
}

void MainController::sizeSearch(const SizeSearch& search) {
    boundary_.run([this, &search] { vartel::sizeSearch(workspace_, search); });
}

void MainController::startRecording(const QString& initialName) {
    boundary_.run([this, &initialName] {
        recorder_.initialFileName = toText(initialName);
        if (recorder_.start()) recordingStartName_ = recorder_.state().sampleName();
    });
}

void MainController::recordWithThisFile() {
    boundary_.run([this] {
        if (!recorder_.recordWithFile(workspace_.conversionList())) return;
        emit initialNameChanged(toQString(recorder_.initialFileName));
        recordingStartName_ = recorder_.state().sampleName();
    });
}

void MainController::stopRecording() {
    boundary_.run([this] { recorder_.stop(); });
}

void MainController::resetRecording() {
    boundary_.run([this] {
        recorder_.reset();
        recordingStartName_ = recorder_.state().sampleName();
    });
}

void MainController::switchMacroView() {
    recorder_.switchView();
    emit recordingChanged();
}

void MainController::chooseMacro(int index) {
    if (index < 0 || index >= static_cast<int>(catalogue_.paths.size())) return;
    if (boundary_.run([this, index] {
            loadMacroFile(editor_.program(), catalogue_.paths[static_cast<std::size_t>(index)],
                          dialogs_);
        }))
        emit macroChanged();
}

void MainController::loadMacro() {
    if (boundary_.run([this] { openMacro(editor_, dialogs_); })) emit macroChanged();
}

void MainController::saveMacro() {
    boundary_.run([this] { vartel::saveMacro(editor_, dialogs_); });
}

void MainController::runMacro() {
    // Its proposals are shown whichever result tab was in front.
    emit previewTabRequested();
    boundary_.run([this] { runMacroOverList(workspace_, editor_, clock_); });
}

void MainController::howToUse() {
    shell_.openGuide(QFile::decodeName(files_.guide.c_str()));
}

void MainController::reloadMacros() {
    catalogue_ = buildMacroCatalogue(files_.macroFolders, dialogs_);
    emit macroTitlesChanged(macroTitles());
}

bool MainController::mayClose() {
    if (boundary_.depth() > 0) {
        // A long command is on its way; stop it first, the window closes on the next request.
        workspace_.abort();
        return false;
    }
    bool mayClose = false;
    boundary_.run([this, &mayClose] { mayClose = closeRequested(workspace_); });
    return mayClose;
}

}  // namespace vartel

#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>

#include "app/lists/conversion_list_panel.h"
#include "app/lists/header_column_menu.h"
#include "app/lists/macro_result_panel.h"
#include "app/lists/name_text_panel.h"
#include "app/lists/result_list_panel.h"
#include "app/main/adding_box.h"
#include "app/main/main_window.h"
#include "app/main/past_batches_dialog.h"
#include "app/main/progress_box.h"
#include "app/main/recording_box.h"
#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/shell/folder_panes.h"
#include "app/tabs/add_tab.h"
#include "app/tabs/delete_tab.h"
#include "app/tabs/extension_tab.h"
#include "app/tabs/macro_tab.h"
#include "app/tabs/number_tab.h"
#include "app/tabs/replace_tab.h"
#include "app/tabs/search_tab.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"
#include "workspace/lists/list_editing.h"
#include "workspace/lists/list_files.h"

namespace vartel {

// How the regions of the window reach the controller, and the controller the window.
void MainWindow::connectRegions() {
    MainController& c = controller_;
    ActionTable& actions = controller_.actions();
    connect(folderToggle_, &QPushButton::clicked, this, [this] { toggleFolderTree(); });
    connect(editToggle_, &QPushButton::clicked, this, [this] { toggleEditTabs(); });
    actions.bind(ActionId::FolderPanes, folderPanes_);
    actions.bind(ActionId::EditTabs, editTabs_);
    actions.bind(ActionId::ResultTabs, resultTabs_);

    connectLists();
    connectTabsAndPanes();
    connect(addingBox_, &AddingBox::abortRequested, this, [&c] { c.abort(); });
    connect(progressBox_, &ProgressBox::abortRequested, this, [&c] { c.abort(); });
}

// The conversion list and the two result lists.
void MainWindow::connectLists() {
    MainController& c = controller_;
    ActionTable& actions = controller_.actions();
    listPanel_->bindActions(actions);
    connect(listPanel_, &ConversionListPanel::loadRequested, this, [&c] { c.runOnList(loadList); });
    connect(listPanel_, &ConversionListPanel::saveRequested, this, [&c] { c.runOnList(saveList); });
    connect(listPanel_, &ConversionListPanel::selectAllRequested, this,
            [&c] { c.runOnList(selectAll); });
    connect(listPanel_, &ConversionListPanel::moveUpRequested, this, [&c] { c.runOnList(moveUp); });
    connect(listPanel_, &ConversionListPanel::moveDownRequested, this,
            [&c] { c.runOnList(moveDown); });
    ConversionListView* list = listPanel_->view();
    connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [&c](int column) { c.sortBy(column); });
    connect(extraColumns_, &HeaderColumnMenu::columnsChanged, this,
            [this, &c] { c.setPhotoColumnsShown(photoColumnsShown()); });
    connect(list, &ConversionListView::dragStarted, this, [&c] { c.startRowDrag(); });
    connect(list, &ConversionListView::rowsDropped, this, [&c](int target) { c.dropRows(target); });
    connect(list, &ConversionListView::filesDropped, this,
            [&c](const QStringList& paths) { c.addPaths(paths); });

    for (ResultListPanel* panel : {previewPanel_, historyPanel_}) {
        const ResultList which = panel == previewPanel_ ? ResultList::Preview : ResultList::History;
        connect(panel, &ResultListPanel::selectAllRequested, this,
                [&c, which] { c.selectAllRows(which); });
        connect(panel, &ResultListPanel::checkRequested, this, [&c, which] { c.checkRows(which); });
        connect(panel, &ResultListPanel::uncheckRequested, this,
                [&c, which] { c.uncheckRows(which); });
    }
    connect(previewPanel_, &ResultListPanel::extraRequested, this,
            [&c] { c.runOnList(returnToConversionList); });
    connect(previewPanel_, &ResultListPanel::mainRequested, this, [&c] { c.execute(); });
    connect(historyPanel_, &ResultListPanel::extraRequested, this, [&c] { c.clearHistory(); });
    connect(historyPanel_, &ResultListPanel::mainRequested, this, [&c] { c.undoHistory(); });
}

// The folder panes, the editing and search tabs, and the macro's tab, panel and box.
void MainWindow::connectTabsAndPanes() {
    MainController& c = controller_;
    ActionTable& actions = controller_.actions();
    connect(folderPanes_, &FolderPanes::openFolderRequested, this,
            [&c](const QString& path) { c.openFolder(path); });
    connect(folderPanes_, &FolderPanes::addFilesBelowRequested, this,
            [&c](const QString& path) { c.addFilesBelow(path); });
    connect(
        folderPanes_, &FolderPanes::addFolderRowsRequested, this,
        [&c](const QString& path, bool withSubfolders) { c.addFolderRows(path, withSubfolders); });
    connect(folderPanes_, &FolderPanes::openRequested, this,
            [&c](const QString& path) { c.openFile(path); });
    connect(folderPanes_, &FolderPanes::openFileFolderRequested, this,
            [&c](const QString& path) { c.openFolder(path); });
    connect(folderPanes_, &FolderPanes::addToListRequested, this,
            [&c](const QStringList& paths) { c.addToList(paths); });

    for (const OperationTab* tab : std::initializer_list<const OperationTab*>{
             addTab_, deleteTab_, replaceTab_, numberTab_, extensionTab_})
        connect(tab, &OperationTab::previewRequested, this, [this, tab] { previewFrom(tab); });
    connect(searchTab_, &SearchTab::textSearchRequested, this, [this] {
        resultTabs_->setCurrentWidget(previewPanel_);
        controller_.textSearch(searchTab_->textSearch());
        listPanel_->view()->setFocus();
    });
    connect(searchTab_, &SearchTab::sizeSearchRequested, this, [this] {
        resultTabs_->setCurrentWidget(previewPanel_);
        controller_.sizeSearch(searchTab_->sizeSearch());
        listPanel_->view()->setFocus();
    });

    macroTab_->bindActions(actions);
    macroPanel_->bindActions(actions);
    recordingBox_->bindActions(actions);
    connect(macroTab_, &MacroTab::startRecordingRequested, this,
            [this] { controller_.startRecording(macroTab_->initialName()); });
    connect(macroTab_, &MacroTab::stopRecordingRequested, this, [&c] { c.stopRecording(); });
    connect(macroTab_, &MacroTab::saveRequested, this, [&c] { c.saveMacro(); });
    connect(macroTab_, &MacroTab::macroChosen, this, [&c](int index) { c.chooseMacro(index); });
    connect(macroTab_, &MacroTab::loadRequested, this, [&c] { c.loadMacro(); });
    connect(macroTab_, &MacroTab::editRequested, this, [&c] { c.editMacro(); });
    connect(macroTab_, &MacroTab::runRequested, this, [&c] { c.runMacro(); });
    connect(macroPanel_, &MacroResultPanel::switchRequested, this, [&c] { c.switchMacroView(); });
    connect(macroPanel_, &MacroResultPanel::saveRequested, this, [&c] { c.saveMacro(); });
    connect(macroPanel_, &MacroResultPanel::editRequested, this, [&c] { c.editMacro(); });
    connect(macroPanel_, &MacroResultPanel::runRequested, this, [&c] { c.runMacro(); });
    // Once its lines are in the preview, the text shows the rows left when it comes back.
    connect(nameTextPanel_, &NameTextPanel::previewRequested, this,
            [this, &c](const QStringList& lines) {
                if (c.previewNames(lines)) nameTextPanel_->fill(c.checkedNames());
            });
    connect(nameTextPanel_, &NameTextPanel::loadListRequested, this, [this, &c] {
        if (c.previewNamesFromFile()) nameTextPanel_->fill(c.checkedNames());
    });
    connect(nameTextPanel_, &NameTextPanel::refillRequested, this,
            [this, &c] { nameTextPanel_->fill(c.checkedNames()); });
    // The text shows the rows as they are when it comes to the front, unless the user has
    // typed into it since.
    connect(resultTabs_, &QTabWidget::currentChanged, this, [this, &c] {
        if (resultTabs_->currentWidget() == nameTextPanel_)
            nameTextPanel_->offerNames(c.checkedNames());
    });
    connect(recordingBox_, &RecordingBox::stopRequested, this, [&c] { c.stopRecording(); });
    connect(recordingBox_, &RecordingBox::resetRequested, this, [&c] { c.resetRecording(); });
}

void MainWindow::connectController() {
    connect(&controller_, &MainController::busyChanged, this, &MainWindow::showBusy);
    connect(&controller_, &MainController::progressed, this, &MainWindow::showProgress);
    // The box that tells how the command ended shows over a finished progress.
    connect(&controller_, &MainController::progressEnded, this, [this] {
        addingBox_->finish();
        progressBox_->finish();
    });
    connect(&controller_, &MainController::commandEnded, this, &MainWindow::refreshLists);
    // An open list of past batches follows the journal.
    connect(&controller_, &MainController::batchesChanged, this, [this] {
        if (pastBatchesDialog_->isVisible())
            pastBatchesDialog_->showBatches(controller_.pastBatches());
    });
    connect(&controller_, &MainController::recordingChanged, this, &MainWindow::showRecording);
    connect(&controller_, &MainController::initialNameChanged, macroTab_,
            &MacroTab::setInitialName);
    connect(&controller_, &MainController::macroResultTabRequested, this,
            [this] { resultTabs_->setCurrentWidget(macroPanel_); });
    connect(&controller_, &MainController::previewTabRequested, this,
            [this] { resultTabs_->setCurrentWidget(previewPanel_); });
}

}  // namespace vartel

#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/messages.h"
#include "app/qt_paths.h"
#include "app/qt_text.h"
#include "common/error.h"
#include "editor/macro_file_commands.h"
#include "macro/macro_file.h"
#include "recording/macro_run.h"
#include "workspace/execution.h"
#include "workspace/list_editing.h"
#include "workspace/list_files.h"
#include "workspace/row_flags.h"
#include "workspace/single_rename.h"

namespace vartel {
namespace {

// Sizes of the regions at the design size of the window.
constexpr int kLeftColumnWidth = 217;
constexpr int kEditTabsWidth = 225;
constexpr int kStatusPanelWidth = 128;

QAction* separator(QObject* parent) {
    auto* line = new QAction(parent);
    line->setSeparator(true);
    return line;
}

}  // namespace

MainWindow::MainWindow(Workspace& workspace, MacroEditor& editor, Recorder& recorder, QtPump& pump,
                       const Clock& clock, QWidget* parent)
    : QMainWindow(parent),
      workspace_(workspace),
      editor_(editor),
      recorder_(recorder),
      clock_(clock),
      shell_(workspace.dialogs()) {
    setWindowTitle(ui::kApplicationTitle);
    resize(792, 603);
    move(180, 33);
    setMinimumSize(731, 509);
    setAcceptDrops(true);
    buildRegions();
    buildMenus();
    buildContextMenus();
    connectCommands();
    // Files dropped on a text field are meant for the list, like anywhere else on the window.
    for (QLineEdit* field : findChildren<QLineEdit*>()) field->setAcceptDrops(false);
    renameDialog_ = new RenameDialog(this);
    pump.setBeforeEvents([this] { showBusy(); });
    recorder_.closeEditorWindow = [this] {
        if (editorWindow_) editorWindow_->closeEditor();
    };
    recorder_.showMacroResultTab = [this] { resultTabs_->setCurrentWidget(macroPanel_); };

    catalogue_ = buildMacroCatalogue(dataFolder(), workspace_.dialogs());
    for (const Text& title : catalogue_.titles) macroTab_->chooser->addItem(toQString(title));
    macroTab_->chooser->setCurrentIndex(-1);
    refreshLists();
    updateEnabled();
}

void MainWindow::buildRegions() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(3);

    folderPanes_ = new FolderPanes(central);
    folderPanes_->setFixedWidth(kLeftColumnWidth);
    grid->addWidget(folderPanes_, 0, 0, 2, 1);

    folderToggle_ = new QPushButton(ui::kHideLeft, central);
    folderToggle_->setFixedSize(12, 20);
    grid->addWidget(folderToggle_, 0, 1, 2, 1, Qt::AlignTop);

    auto* centre = new QWidget(central);
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(2);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(new QLabel(ui::kConversionListCaption, centre));
    const std::pair<QString, QString> captions[] = {{ui::kLoad, ui::kLoadListHint},
                                                    {ui::kSave, ui::kSaveListHint},
                                                    {ui::kSelectAll, ui::kSelectAllHint},
                                                    {ui::kMoveUp, ui::kMoveUpHint},
                                                    {ui::kMoveDown, ui::kMoveDownHint}};
    for (const auto& [caption, hint] : captions) {
        auto* listButton = button(caption, hint, centre);
        listButton->setFixedHeight(20);
        listButton->setMaximumWidth(caption.size() == 1 ? 26 : 42);
        buttons->addWidget(listButton);
        listButtons_ << listButton;
    }
    buttons->addStretch(1);
    centreLayout->addLayout(buttons);
    conversionView_ = new ConversionListView(centre);
    auto* conversionModel = new RowTableModel<FileEntry>(
        workspace_.conversionList(),
        {QStringLiteral("ファイル名"), QStringLiteral("拡張子"), QStringLiteral("サイズ"),
         QStringLiteral("更新日時"), QStringLiteral("フルパス")},
        {&FileEntry::name, &FileEntry::extension, &FileEntry::size, &FileEntry::modified,
         &FileEntry::fullPath},
        this);
    conversionView_->setRowModel(conversionModel, {128, 70, 70, 120, 200});
    centreLayout->addWidget(conversionView_, 1);
    grid->addWidget(centre, 0, 2);

    editToggle_ = new QPushButton(ui::kShowRight, central);
    editToggle_->setFixedSize(16, 20);
    grid->addWidget(editToggle_, 0, 3, Qt::AlignTop);

    editTabs_ = new QTabWidget(central);
    editTabs_->setFixedWidth(kEditTabsWidth);
    editTabs_->setUsesScrollButtons(true);
    addTab_ = new AddTab;
    deleteTab_ = new DeleteTab;
    replaceTab_ = new ReplaceTab;
    numberTab_ = new NumberTab;
    extensionTab_ = new ExtensionTab;
    macroTab_ = new MacroTab;
    searchTab_ = new SearchTab;
    // A tab taller than the room the window gives it scrolls instead of crushing its controls.
    const auto addPage = [this](QWidget* page, const QString& caption) {
        auto* scroller = new QScrollArea;
        scroller->setWidget(page);
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editTabs_->addTab(scroller, caption);
    };
    addPage(addTab_, ui::kAddTab);
    addPage(deleteTab_, ui::kDeleteTab);
    addPage(replaceTab_, ui::kReplaceTab);
    addPage(numberTab_, ui::kNumberTab);
    addPage(extensionTab_, ui::kExtensionTab);
    addPage(macroTab_, ui::kMacroTab);
    addPage(searchTab_, ui::kSearchTab);
    grid->addWidget(editTabs_, 0, 4);

    resultTabs_ = new QTabWidget(central);
    previewPanel_ = new ResultListPanel(ui::kReturnToList, ui::kExecute);
    previewPanel_->list->setRowModel(
        new RowTableModel<PreviewEntry>(
            workspace_.previewList(),
            {QStringLiteral("変換前"), QStringLiteral("変換後"), QStringLiteral("サイズ"),
             QStringLiteral("更新日時"), QStringLiteral("変更前のフルパス")},
            {&PreviewEntry::oldName, &PreviewEntry::newName, &PreviewEntry::size,
             &PreviewEntry::modified, &PreviewEntry::fullPathBefore},
            this),
        {128, 128, 80, 100});
    macroPanel_ = new MacroResultPanel(recorder_.state());
    historyPanel_ = new ResultListPanel(ui::kClear, ui::kUndo);
    historyPanel_->list->setRowModel(
        new RowTableModel<HistoryEntry>(
            workspace_.historyList(),
            {QStringLiteral("変換前"), QStringLiteral("変換後"), QStringLiteral("変換後のパス")},
            {&HistoryEntry::oldName, &HistoryEntry::newName, &HistoryEntry::pathAfter}, this),
        {128, 128});
    resultTabs_->addTab(previewPanel_, ui::kPreviewTab);
    resultTabs_->addTab(macroPanel_, ui::kMacroTab);
    resultTabs_->addTab(historyPanel_, ui::kHistoryTab);
    grid->addWidget(resultTabs_, 1, 2, 1, 3);

    grid->setColumnStretch(2, 1);
    grid->setRowStretch(0, 2);
    grid->setRowStretch(1, 1);
    setCentralWidget(central);

    for (auto*& panel : status_) {
        panel = new QLabel(this);
        panel->setMinimumWidth(kStatusPanelWidth);
        statusBar()->addWidget(panel);
    }

    addingBox_ = new AddingBox(central);
    progressBox_ = new ProgressBox(central);
    recordingBox_ = new RecordingBox(central);
}

QAction* MainWindow::action(QMenu* menu, const QString& caption,
                            const std::function<void()>& command, const QKeySequence& shortcut) {
    QAction* entry = menu->addAction(caption);
    if (!shortcut.isEmpty()) entry->setShortcut(shortcut);
    connect(entry, &QAction::triggered, this, [command] { command(); });
    return entry;
}

std::function<void()> MainWindow::listCommand(void (*command)(Workspace&)) {
    return [this, command] { run([this, command] { command(workspace_); }); };
}

void MainWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu(ui::kFileMenu);
    QMenu* listMenu = fileMenu_->addMenu(ui::kListMenu);
    action(listMenu, ui::kNew, listCommand(newList));
    action(listMenu, ui::kLoadList, listCommand(loadList));
    action(listMenu, ui::kSave, listCommand(saveList));
    action(fileMenu_, ui::kClose, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(ui::kEditMenu);
    action(edit, ui::kInvertSelection, listCommand(invertSelection),
           QKeySequence(Qt::CTRL | Qt::Key_I));
    action(edit, ui::kSelectAll, listCommand(selectAll), QKeySequence(Qt::CTRL | Qt::Key_A));
    edit->addSeparator();
    action(edit, ui::kCheck, listCommand(checkSelected), QKeySequence(Qt::CTRL | Qt::Key_C));
    action(edit, ui::kUncheck, listCommand(uncheckSelected), QKeySequence(Qt::CTRL | Qt::Key_D));
    action(edit, ui::kInvertCheck, listCommand(invertCheck), QKeySequence(Qt::CTRL | Qt::Key_E));
    edit->addSeparator();
    action(edit, ui::kExclude, listCommand(exclude));
    action(edit, ui::kCut, listCommand(cut));
    action(edit, ui::kPaste, listCommand(paste));
    action(edit, ui::kRename, [this] { renameSelected(); });

    QMenu* view = menuBar()->addMenu(ui::kViewMenu);
    action(view, ui::kFolderTree, [this] { toggleFolderTree(); });
    action(view, ui::kEditTabs, [this] { toggleEditTabs(); });
    bindToRecording(RecordingCommand::EditMacro,
                    action(view, ui::kEditMacro, [this] { showMacroEditor(); }));

    macroMenu_ = menuBar()->addMenu(ui::kMacroMenu);
    bindToRecording(RecordingCommand::RecordWithThisFile,
                    action(macroMenu_, ui::kRecordWithThisFile, [this] { recordWithThisFile(); }));
    bindToRecording(RecordingCommand::StopRecording,
                    action(macroMenu_, ui::kStopRecording, [this] { stopRecording(); }));
    bindToRecording(RecordingCommand::EditMacro,
                    action(macroMenu_, ui::kEdit, [this] { showMacroEditor(); }));
    bindToRecording(RecordingCommand::SaveMacro,
                    action(macroMenu_, ui::kSave, [this] { saveMacro(); }));
    bindToRecording(RecordingCommand::MacroChooser,
                    action(macroMenu_, ui::kLoad, [this] { loadMacro(); }));
    bindToRecording(RecordingCommand::RunMacro,
                    action(macroMenu_, ui::kRun, [this] { runMacro(); }));

    QMenu* help = menuBar()->addMenu(ui::kHelpMenu);
    action(help, ui::kHowToUse, [this] { howToUse(); });
}

void MainWindow::buildContextMenus() {
    const auto entry = [this](QWidget* list, const QString& caption,
                              const std::function<void()>& command) {
        auto* item = new QAction(caption, list);
        connect(item, &QAction::triggered, this, [command] { command(); });
        list->addAction(item);
    };
    entry(conversionView_, ui::kOpen, [this] { openSelected(); });
    entry(conversionView_, ui::kOpenFolder, [this] { openFolderOfSelected(); });
    entry(conversionView_, ui::kRename, [this] { renameSelected(); });
    entry(conversionView_, ui::kCheck, listCommand(checkSelected));
    entry(conversionView_, ui::kUncheck, listCommand(uncheckSelected));
    entry(conversionView_, ui::kRecordWithThisFile, [this] { recordWithThisFile(); });
    bindToRecording(RecordingCommand::RecordWithThisFile, conversionView_->actions().back());
    conversionView_->addAction(separator(conversionView_));
    entry(conversionView_, ui::kCut, listCommand(cut));
    entry(conversionView_, ui::kPaste, listCommand(paste));
    entry(conversionView_, ui::kExclude, listCommand(exclude));
    conversionView_->addAction(separator(conversionView_));
    entry(conversionView_, ui::kProperties, [this] { propertiesOfSelected(); });
}

void MainWindow::connectCommands() {
    const auto on = [this](QAbstractButton* source, const std::function<void()>& command) {
        connect(source, &QAbstractButton::clicked, this, [command] { command(); });
    };
    const auto onAction = [this](QAction* source, const std::function<void()>& command) {
        connect(source, &QAction::triggered, this, [command] { command(); });
    };

    on(folderToggle_, [this] { toggleFolderTree(); });
    on(editToggle_, [this] { toggleEditTabs(); });
    on(listButtons_[0], listCommand(loadList));
    on(listButtons_[1], listCommand(saveList));
    on(listButtons_[2], [this] {
        run([this] { selectAll(workspace_); });
        conversionView_->setFocus();
    });
    on(listButtons_[3], listCommand(moveUp));
    on(listButtons_[4], listCommand(moveDown));

    connect(conversionView_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) {
                run([this, column] { sortByColumn(workspace_, static_cast<SortColumn>(column)); });
            });
    auto dragged = std::make_shared<std::vector<int>>();
    connect(conversionView_, &ConversionListView::dragStarted, this,
            [this, dragged] { *dragged = dragRecord(workspace_.conversionList()); });
    connect(conversionView_, &ConversionListView::rowsDropped, this, [this, dragged](int target) {
        run([this, dragged, target] { dropRows(workspace_, *dragged, target); });
    });
    connect(conversionView_, &ConversionListView::filesDropped, this, &MainWindow::addPaths);

    // The preview and the history share their selection and check buttons.
    for (ResultListPanel* panel : {previewPanel_, historyPanel_}) {
        const bool preview = panel == previewPanel_;
        const auto onRows = [this, preview](void (*previewCommand)(PreviewList&),
                                            void (*historyCommand)(HistoryList&)) {
            return [this, preview, previewCommand, historyCommand] {
                run([=, this] {
                    if (workspace_.busy()) return;
                    if (preview)
                        previewCommand(workspace_.previewList());
                    else
                        historyCommand(workspace_.historyList());
                });
            };
        };
        on(panel->selectAll, onRows(selectAllRows<PreviewList>, selectAllRows<HistoryList>));
        const auto check = onRows(checkSelectedRows<PreviewList>, checkSelectedRows<HistoryList>);
        const auto uncheck =
            onRows(uncheckSelectedRows<PreviewList>, uncheckSelectedRows<HistoryList>);
        on(panel->check, check);
        on(panel->uncheck, uncheck);
        onAction(panel->checkAction, check);
        onAction(panel->uncheckAction, uncheck);
    }
    on(previewPanel_->extra, listCommand(returnToConversionList));
    on(previewPanel_->main, listCommand(execute));
    on(historyPanel_->extra, listCommand(clearHistory));
    on(historyPanel_->main, listCommand(undo));

    for (QPushButton* abort : {addingBox_->abort, progressBox_->abort})
        on(abort, [this] { workspace_.abort(); });

    connect(folderPanes_, &FolderPanes::openFolderRequested, this,
            [this](const QString& path) { shell_.openFolder(path); });
    connect(folderPanes_, &FolderPanes::addFilesBelowRequested, this,
            [this](const QString& path) { addPaths({path}); });
    connect(folderPanes_, &FolderPanes::openRequested, this, [this](const QStringList& paths) {
        for (const QString& path : paths) shell_.open(path);
    });
    connect(folderPanes_, &FolderPanes::openFileFolderRequested, this,
            [this](const QStringList& paths) {
                if (!paths.isEmpty()) shell_.openFolder(paths.first());
            });
    connect(folderPanes_, &FolderPanes::addToListRequested, this, &MainWindow::addPaths);

    on(addTab_->preview, [this] { preview(addTab_->settings()); });
    on(deleteTab_->preview, [this] { preview(deleteTab_->settings()); });
    on(replaceTab_->preview, [this] { preview(replaceTab_->settings()); });
    on(numberTab_->preview, [this] { preview(numberTab_->settings()); });
    on(extensionTab_->preview, [this] { preview(extensionTab_->settings()); });

    on(macroTab_->startRecording, [this] { startRecording(); });
    on(macroTab_->stopRecording, [this] { stopRecording(); });
    on(recordingBox_->stop, [this] { stopRecording(); });
    on(recordingBox_->reset, [this] { resetRecording(); });
    on(macroPanel_->switchButton, [this] { switchMacroView(); });
    bindToRecording(RecordingCommand::InitialFileName, macroTab_->initialName);
    bindToRecording(RecordingCommand::StartRecording, macroTab_->startRecording);
    bindToRecording(RecordingCommand::StopRecording, macroTab_->stopRecording);
    bindToRecording(RecordingCommand::StopRecording, recordingBox_->stop);
    bindToRecording(RecordingCommand::RecordingBox, recordingBox_);
    for (QObject* save : {macroTab_->save, macroPanel_->save})
        bindToRecording(RecordingCommand::SaveMacro, save);
    for (QObject* chooser :
         {static_cast<QObject*>(macroTab_->chooser), static_cast<QObject*>(macroTab_->load)})
        bindToRecording(RecordingCommand::MacroChooser, chooser);
    for (QObject* edit : {macroTab_->edit, macroPanel_->edit})
        bindToRecording(RecordingCommand::EditMacro, edit);
    for (QObject* run : {macroTab_->run, macroPanel_->run})
        bindToRecording(RecordingCommand::RunMacro, run);

    on(macroTab_->load, [this] { loadMacro(); });
    on(macroTab_->save, [this] { saveMacro(); });
    on(macroTab_->edit, [this] { showMacroEditor(); });
    on(macroTab_->run, [this] { runMacro(); });
    connect(macroTab_->chooser, &QComboBox::activated, this, &MainWindow::chooseMacro);
    on(macroPanel_->save, [this] { saveMacro(); });
    on(macroPanel_->edit, [this] { showMacroEditor(); });
    on(macroPanel_->run, [this] { runMacro(); });

    on(searchTab_->searchText,
       [this] { run([this] { textSearch(workspace_, searchTab_->textSearch()); }); });
    on(searchTab_->searchSize,
       [this] { run([this] { sizeSearch(workspace_, searchTab_->sizeSearch()); }); });
}

void MainWindow::run(const std::function<void()>& command) {
    if (depth_ > 0) return;
    ++depth_;
    const auto guarded = [this](const std::function<void()>& step) {
        try {
            step();
        } catch (const VartelError& failure) {
            workspace_.dialogs().error(failure.message());
        } catch (const std::exception& failure) {
            workspace_.dialogs().error(textFromBytes(failure.what()));
        }
    };
    guarded(command);
    // Files dropped while the command ran waited for it.
    while (!workspace_.pendingPaths().empty()) guarded([this] { workspace_.walkPendingPaths(); });
    --depth_;
    // After a long command the lists are shown again in one reset each.
    if (busyShown_)
        leaveBusy();
    else
        refreshLists();
    showRecording();
}

void MainWindow::addPaths(const QStringList& paths) {
    std::vector<Text> texts;
    texts.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) texts.push_back(pathText(QDir::cleanPath(path)));
    if (depth_ > 0) {
        // The running command owns the lists; a running walk takes these up itself, any other
        // command leaves them for when it ends.
        workspace_.pendingPaths().insert(workspace_.pendingPaths().end(), texts.begin(),
                                         texts.end());
        return;
    }
    run([this, &texts] { workspace_.drop(texts); });
}

void MainWindow::showBusy() {
    const BusyState& state = workspace_.busyState();
    if (!state.busy) return;
    if (!busyShown_) {
        busyShown_ = true;
        updateEnabled();
        for (RowListView* view :
             {static_cast<RowListView*>(conversionView_), previewPanel_->list, historyPanel_->list})
            view->freeze();
    }
    // A walk shows its counter, every other command its progress; files dropped during a
    // command are walked right after it, so one busy period may show both in turn.
    QWidget* const box = state.adding ? static_cast<QWidget*>(addingBox_) : progressBox_;
    if (box->isHidden()) {
        (state.adding ? static_cast<QWidget*>(progressBox_) : addingBox_)->hide();
        box->show();
        placeBoxes();
        box->raise();
        if (!state.adding) progressBox_->bar->setFocus();
    }
    addingBox_->setCount(state.walkCounter);
    progressBox_->setProgress(state.progressPosition, state.progressMaximum);
}

void MainWindow::leaveBusy() {
    busyShown_ = false;
    addingBox_->hide();
    progressBox_->hide();
    progressBox_->setProgress(0, 0);
    updateEnabled();
    for (RowListView* view :
         {static_cast<RowListView*>(conversionView_), previewPanel_->list, historyPanel_->list})
        view->thaw();
    refreshStatus();
}

void MainWindow::bindToRecording(RecordingCommand command, QObject* control) {
    recordingControls_.emplace_back(command, control);
}

void MainWindow::updateEnabled() {
    const bool idle = !busyShown_;
    for (QWidget* control :
         std::initializer_list<QWidget*>{resultTabs_, listButtons_[0], listButtons_[1],
                                         listButtons_[2], listButtons_[3], listButtons_[4]})
        control->setEnabled(idle);
    // What a toggle hid stays disabled.
    folderPanes_->setEnabled(idle && !folderPanes_->isHidden());
    editTabs_->setEnabled(idle && !editTabs_->isHidden());
    conversionView_->setEnabled(idle && recorder_.enabled(RecordingCommand::ConversionList));
    fileMenu_->menuAction()->setEnabled(idle);
    macroMenu_->menuAction()->setEnabled(idle);
    for (const auto& [command, control] : recordingControls_) {
        const bool enabled = recorder_.enabled(command);
        if (auto* entry = qobject_cast<QAction*>(control))
            entry->setEnabled(enabled);
        else
            static_cast<QWidget*>(control)->setEnabled(enabled);
    }
}

void MainWindow::showRecording() {
    const RecordingState& state = recorder_.state();
    recordingBox_->initialName->setText(toQString(recordingStartName_));
    recordingBox_->currentName->setText(toQString(state.sampleName()));
    recordingBox_->setVisible(recorder_.recording());
    if (recorder_.recording()) {
        placeBoxes();
        recordingBox_->raise();
    }
    macroPanel_->showLines(recorder_.view() == RecordingView::Lines);
    macroPanel_->refresh();
    updateEnabled();
}

void MainWindow::refreshLists() {
    conversionView_->refresh();
    previewPanel_->list->refresh();
    historyPanel_->list->refresh();
    refreshStatus();
}

void MainWindow::refreshStatus() {
    addingBox_->setCount(workspace_.busyState().walkCounter);
    const StatusTexts& texts = workspace_.status();
    status_[0]->setText(toQString(texts.hits));
    status_[1]->setText(toQString(texts.previewCount));
    status_[2]->setText(toQString(texts.listCount));
}

void MainWindow::placeBoxes() {
    const QRect list(conversionView_->mapTo(centralWidget(), QPoint(0, 0)),
                     conversionView_->size());
    for (QWidget* box : std::initializer_list<QWidget*>{addingBox_, progressBox_, recordingBox_}) {
        QSize size = box->sizeHint().expandedTo(QSize(qMin(list.width() - 8, 300), 0));
        size.setWidth(qMin(size.width(), list.width()));
        box->setGeometry(QRect(QPoint(0, 0), size)
                             .translated(list.center() - QRect(QPoint(0, 0), size).center()));
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeBoxes();
}

void MainWindow::toggleFolderTree() {
    toggleRegion(folderToggle_, folderPanes_, ui::kHideLeft, ui::kShowRight);
}

void MainWindow::toggleEditTabs() {
    toggleRegion(editToggle_, editTabs_, ui::kShowRight, ui::kHideLeft);
}

void MainWindow::toggleRegion(QPushButton* toggle, QWidget* region, const QString& shownCaption,
                              const QString& hiddenCaption) {
    const bool hiding = toggle->text() == shownCaption;
    region->setVisible(!hiding);
    region->setEnabled(!hiding && !busyShown_);
    toggle->setText(hiding ? hiddenCaption : shownCaption);
    // The freed width goes to the lists now, not at the next layout pass.
    centralWidget()->layout()->activate();
}

void MainWindow::showMacroEditor() {
    if (editorWindow_) editorWindow_->showEditor();
}

void MainWindow::howToUse() {
    // A help file that cannot be opened is not worth a message.
    QDesktopServices::openUrl(QUrl::fromLocalFile(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ReadMe.html"))));
}

QString MainWindow::firstSelectedPath() const {
    const int index = firstSelectedRow(workspace_.conversionList());
    if (index < 0) return {};
    return pathQString(workspace_.conversionList()[static_cast<std::size_t>(index)].fullPath);
}

void MainWindow::renameSelected() {
    if (depth_ > 0 || workspace_.busy()) return;
    const int index = firstSelectedRow(workspace_.conversionList());
    if (index < 0) return;
    const auto name = renameDialog_->ask(
        toQString(workspace_.conversionList()[static_cast<std::size_t>(index)].name));
    if (!name) return;
    run([this, &name] { renameFirstSelected(workspace_, toText(*name)); });
}

void MainWindow::openSelected() {
    const QString path = firstSelectedPath();
    if (!path.isEmpty()) shell_.open(path);
}

void MainWindow::openFolderOfSelected() {
    const QString path = firstSelectedPath();
    if (!path.isEmpty()) shell_.openFolder(path);
}

void MainWindow::propertiesOfSelected() {
    const QString path = firstSelectedPath();
    if (!path.isEmpty()) shell_.showProperties(path);
}

void MainWindow::preview(const OperationSettings& operation) {
    run([this, &operation] {
        RecordingFrame frame = recorder_.frame();
        runOperation(workspace_, frame, operation);
    });
}

void MainWindow::startRecording() {
    run([this] {
        recorder_.initialFileName = toText(macroTab_->initialName->text());
        if (recorder_.start()) recordingStartName_ = recorder_.state().sampleName();
    });
}

void MainWindow::recordWithThisFile() {
    run([this] {
        if (!recorder_.recordWithFile(workspace_.conversionList())) return;
        macroTab_->initialName->setText(toQString(recorder_.initialFileName));
        recordingStartName_ = recorder_.state().sampleName();
    });
}

void MainWindow::stopRecording() {
    run([this] { recorder_.stop(); });
}

void MainWindow::resetRecording() {
    run([this] {
        recorder_.reset();
        recordingStartName_ = recorder_.state().sampleName();
    });
}

void MainWindow::switchMacroView() {
    recorder_.switchView();
    showRecording();
}

void MainWindow::chooseMacro(int index) {
    if (index < 0 || index >= static_cast<int>(catalogue_.paths.size())) return;
    run([this, index] {
        loadMacroFile(editor_.program(), catalogue_.paths[static_cast<std::size_t>(index)],
                      workspace_.dialogs());
    });
    showMacroChange();
}

void MainWindow::loadMacro() {
    run([this] { openMacro(editor_, workspace_.dialogs()); });
    showMacroChange();
}

void MainWindow::saveMacro() {
    run([this] { vartel::saveMacro(editor_, workspace_.dialogs()); });
}

void MainWindow::showMacroChange() {
    if (editorWindow_) editorWindow_->refresh();
}

void MainWindow::runMacro() {
    run([this] { runMacroOverList(workspace_, editor_, clock_); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (depth_ > 0) {
        // A long command is on its way; stop it first, the window closes on the next request.
        workspace_.abort();
        event->ignore();
        return;
    }
    // A list that could not be saved keeps the window open.
    bool mayClose = false;
    run([this, &mayClose] { mayClose = closeRequested(workspace_); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedPaths(event->mimeData());
    event->acceptProposedAction();
    addPaths(paths);
}

}  // namespace vartel

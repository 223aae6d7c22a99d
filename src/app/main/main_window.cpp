#include "app/main/main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include "app/lists/column_layout.h"
#include "app/lists/conversion_list_panel.h"
#include "app/lists/header_column_menu.h"
#include "app/lists/macro_result_panel.h"
#include "app/lists/name_text_panel.h"
#include "app/lists/result_list_panel.h"
#include "app/lists/result_row_models.h"
#include "app/main/adding_box.h"
#include "app/main/main_menus.h"
#include "app/main/past_batches_dialog.h"
#include "app/main/progress_box.h"
#include "app/main/recording_box.h"
#include "app/main/window_state.h"
#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/shell/folder_panes.h"
#include "app/shell/rename_dialog.h"
#include "app/tabs/add_tab.h"
#include "app/tabs/compact_tab_style.h"
#include "app/tabs/delete_tab.h"
#include "app/tabs/extension_tab.h"
#include "app/tabs/macro_tab.h"
#include "app/tabs/number_tab.h"
#include "app/tabs/replace_tab.h"
#include "app/tabs/search_tab.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/lists/list_editing.h"

namespace vartel {
namespace {

// Sizes of the regions at the design size of the window. The editing tabs grow where their
// widest page or their captions need more, and the window's width grows with them. The window
// is tall enough to show every control of every editing tab without scrolling, and still fits
// a screen 768 pixels high with a panel.
constexpr int kLeftColumnWidth = 217;
constexpr int kEditTabsWidth = 225;
constexpr int kStatusPanelWidth = 128;
constexpr QSize kDesignSize(792, 650);
constexpr QSize kMinimumSize(731, 509);

}  // namespace

MainWindow::MainWindow(MainController& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller) {
    setWindowTitle(ui::kApplicationTitle);
    move(180, 33);
    setAcceptDrops(true);
    buildRegions();
    const QSize growth(editTabs_->width() - kEditTabsWidth, 0);
    resize(kDesignSize + growth);
    setMinimumSize(kMinimumSize + growth);
    const WindowCommands commands{[this] { close(); }, [this] { renameSelected(); },
                                  [this] { toggleFolderTree(); }, [this] { toggleEditTabs(); },
                                  [this] { showPastBatches(); }};
    const ProfileFile state = readWindowState(controller_.files().windowState);
    controller_.setWithCompanions(state.value(kViewSection, kCompanionsKey) == Text(U"1"));
    const ListActions listActions = buildListActions(listPanel_, controller_, commands);
    buildMainMenus(menuBar(), controller_, commands, listActions);
    buildListContextMenu(listPanel_->view(), controller_, listActions);
    connectRegions();
    connectController();
    restoreColumns(state, keptColumns());
    if (photoColumnsShown()) controller_.setPhotoColumnsShown(true);
    // Files dropped on a text field are meant for the list, like anywhere else on the window.
    for (QLineEdit* field : findChildren<QLineEdit*>()) field->setAcceptDrops(false);
    renameDialog_ = new RenameDialog(this);
    pastBatchesDialog_ = new PastBatchesDialog(this);
    connect(pastBatchesDialog_, &PastBatchesDialog::loadRequested, this,
            [this](const std::string& id) { loadPastBatch(id); });
    macroTab_->setMacroTitles(controller_.macroTitles());
    connect(&controller_, &MainController::macroTitlesChanged, macroTab_,
            &MacroTab::setMacroTitles);
    refreshLists();
    controller_.updateEnabled();
}

ConversionListView* MainWindow::conversionList() const {
    return listPanel_->view();
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

    listPanel_ = new ConversionListPanel(central);
    // The models show the workspace's lists, which outlive the window.
    listPanel_->view()->setRowModel(
        makeConversionModel(controller_.workspace().conversionList(), this),
        {128, 70, 70, 120, 200, 120, 120, 128});
    extraColumns_ =
        new HeaderColumnMenu(listPanel_->view(), {static_cast<int>(SortColumn::Reading),
                                                  static_cast<int>(SortColumn::DateTaken),
                                                  static_cast<int>(SortColumn::CameraModel)});
    // Shown, the photo columns are seen beside the modified time, not past the wide full path,
    // and the reading beside the name it reads.
    QHeaderView* header = listPanel_->view()->horizontalHeader();
    for (const SortColumn photo : {SortColumn::DateTaken, SortColumn::CameraModel})
        header->moveSection(header->visualIndex(static_cast<int>(photo)),
                            header->visualIndex(static_cast<int>(SortColumn::FullPath)));
    header->moveSection(header->visualIndex(static_cast<int>(SortColumn::Reading)),
                        header->visualIndex(static_cast<int>(SortColumn::Extension)));
    grid->addWidget(listPanel_, 0, 2);

    editToggle_ = new QPushButton(ui::kShowRight, central);
    editToggle_->setFixedSize(16, 20);
    grid->addWidget(editToggle_, 0, 3, Qt::AlignTop);
    grid->addWidget(buildEditTabs(central), 0, 4);
    grid->addWidget(buildResultTabs(central), 1, 2, 1, 3);

    grid->setColumnStretch(2, 1);
    grid->setRowStretch(0, 2);
    grid->setRowStretch(1, 1);
    setCentralWidget(central);

    for (QLabel** panel : {&hitsPanel_, &previewCountPanel_, &listCountPanel_}) {
        *panel = new QLabel(this);
        (*panel)->setMinimumWidth(kStatusPanelWidth);
        statusBar()->addWidget(*panel);
    }
    // Beside the count of proposed renames: how many of them would fail.
    conflictPanel_ = new QLabel(this);
    conflictPanel_->setMinimumWidth(kStatusPanelWidth / 2);
    statusBar()->insertWidget(2, conflictPanel_);

    addingBox_ = new AddingBox(central);
    progressBox_ = new ProgressBox(central);
    recordingBox_ = new RecordingBox(central);
}

QWidget* MainWindow::buildEditTabs(QWidget* parent) {
    editTabs_ = new QTabWidget(parent);
    // Every caption in full: hidden behind scroll arrows, tabs are never found.
    editTabs_->setUsesScrollButtons(false);
    editTabs_->setElideMode(Qt::ElideNone);
    // Owned by the tab widget, so it outlives the tab bar that draws with it.
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(editTabs_);
    editTabs_->tabBar()->setStyle(tabStyle);
    addTab_ = new AddTab;
    deleteTab_ = new DeleteTab;
    replaceTab_ = new ReplaceTab;
    numberTab_ = new NumberTab;
    extensionTab_ = new ExtensionTab;
    macroTab_ = new MacroTab;
    searchTab_ = new SearchTab;
    // A tab taller than the room the window gives it scrolls instead of crushing its controls;
    // its width leaves room for the scroll bar, so nothing is cut on the right either.
    const auto addPage = [this](QWidget* page, const QString& caption) {
        auto* scroller = new QScrollArea;
        scroller->setWidget(page);
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroller->setMinimumWidth(page->minimumSizeHint().width() +
                                  scroller->verticalScrollBar()->sizeHint().width());
        editTabs_->addTab(scroller, caption);
    };
    addPage(addTab_, ui::kAddTab);
    addPage(deleteTab_, ui::kDeleteTab);
    addPage(replaceTab_, ui::kReplaceTab);
    addPage(numberTab_, ui::kNumberTab);
    addPage(extensionTab_, ui::kExtensionTab);
    addPage(macroTab_, ui::kMacroTab);
    addPage(searchTab_, ui::kSearchTab);
    editTabs_->setFixedWidth(qMax(kEditTabsWidth, editTabs_->minimumSizeHint().width()));
    return editTabs_;
}

QWidget* MainWindow::buildResultTabs(QWidget* parent) {
    Workspace& workspace = controller_.workspace();
    resultTabs_ = new QTabWidget(parent);
    previewPanel_ = new ResultListPanel(ui::kReturnToList, ui::kExecute);
    RowListModel* previewRows = makePreviewModel(workspace, this);
    previewPanel_->list()->setRowModel(previewRows, {128, 128, 150, 80, 100});
    // Every status of a planned rename whole; a failure's longer reason is whole in its tooltip.
    QStringList statuses;
    for (const PlanStatusRow& status : kPlanStatuses) statuses << toQString(Text(status.text));
    previewPanel_->list()->fitColumnTo(ui::kPreviewColumns.indexOf(ui::kStatusColumn), statuses);
    // A row checked or unchecked joins or leaves the batch, which may make or end a clash.
    connect(previewRows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& row, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(Qt::CheckStateRole)) controller_.replanPreviewRow(row.row());
            });
    macroPanel_ = new MacroResultPanel(controller_.recorder().state());
    historyPanel_ = new ResultListPanel(ui::kClear, ui::kUndo);
    historyPanel_->list()->setRowModel(makeHistoryModel(workspace.historyList(), this), {128, 128});
    nameTextPanel_ = new NameTextPanel;
    resultTabs_->addTab(previewPanel_, ui::kPreviewTab);
    resultTabs_->addTab(nameTextPanel_, ui::kNameTextTab);
    resultTabs_->addTab(macroPanel_, ui::kMacroTab);
    resultTabs_->addTab(historyPanel_, ui::kHistoryTab);
    return resultTabs_;
}

void MainWindow::previewFrom(const OperationTab* tab) {
    // A recording shows its own tab instead, when the step is recorded.
    resultTabs_->setCurrentWidget(previewPanel_);
    controller_.preview(tab->operation());
}

void MainWindow::renameSelected() {
    if (controller_.boundary().depth() > 0) return;
    const QString name = controller_.firstSelectedName();
    if (name.isEmpty() || !controller_.mayStartRenaming()) return;
    if (const auto after = renameDialog_->ask(name)) controller_.renameFirstSelected(*after);
}

// The end of a command refreshes the lists right after this.
void MainWindow::showBusy(bool busy) {
    for (RowListView* view : {static_cast<RowListView*>(listPanel_->view()), previewPanel_->list(),
                              historyPanel_->list()}) {
        if (busy)
            view->freeze();
        else
            view->thaw();
    }
    if (!busy) {
        addingBox_->hide();
        progressBox_->hide();
        progressBox_->setProgress(0, 0);
    }
}

void MainWindow::showProgress() {
    const BusyState& state = controller_.workspace().busyState();
    // A walk shows its counter, every other command its progress; files dropped during a
    // command are walked right after it, so one busy period may show both in turn.
    QWidget* const box = state.adding ? static_cast<QWidget*>(addingBox_) : progressBox_;
    if (box->isHidden()) {
        (state.adding ? static_cast<QWidget*>(progressBox_) : addingBox_)->hide();
        box->show();
        placeBoxes();
        box->raise();
        if (!state.adding) progressBox_->takeFocus();
    }
    addingBox_->setCount(state.walkCounter);
    progressBox_->setProgress(state.progressPosition, state.progressMaximum);
}

void MainWindow::showRecording() {
    const Recorder& recorder = controller_.recorder();
    recordingBox_->showNames(toQString(controller_.recordingStartName()),
                             toQString(recorder.state().sampleName()));
    recordingBox_->setVisible(recorder.recording());
    if (recorder.recording()) {
        placeBoxes();
        recordingBox_->raise();
    }
    macroPanel_->showLines(recorder.view() == RecordingView::Lines);
    macroPanel_->refresh();
}

void MainWindow::refreshLists() {
    listPanel_->view()->refresh();
    previewPanel_->list()->refresh();
    historyPanel_->list()->refresh();
    refreshStatus();
}

void MainWindow::refreshStatus() {
    addingBox_->setCount(controller_.workspace().busyState().walkCounter);
    const StatusTexts& texts = controller_.workspace().status();
    hitsPanel_->setText(toQString(texts.hits));
    previewCountPanel_->setText(toQString(texts.previewCount));
    conflictPanel_->setText(toQString(texts.conflicts));
    listCountPanel_->setText(toQString(texts.listCount));
}

void MainWindow::showPastBatches() {
    pastBatchesDialog_->showBatches(controller_.pastBatches());
    pastBatchesDialog_->show();
    pastBatchesDialog_->raise();
    pastBatchesDialog_->activateWindow();
}

void MainWindow::loadPastBatch(const std::string& id) {
    controller_.loadPastBatch(id);
    pastBatchesDialog_->hide();
    resultTabs_->setCurrentWidget(historyPanel_);
}

void MainWindow::placeBoxes() {
    QWidget* list = listPanel_->view();
    const QRect area(list->mapTo(centralWidget(), QPoint(0, 0)), list->size());
    for (QWidget* box : std::initializer_list<QWidget*>{addingBox_, progressBox_, recordingBox_}) {
        QSize size = box->sizeHint().expandedTo(QSize(qMin(area.width() - 8, 300), 0));
        size.setWidth(qMin(size.width(), area.width()));
        box->setGeometry(QRect(QPoint(0, 0), size)
                             .translated(area.center() - QRect(QPoint(0, 0), size).center()));
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
    toggle->setText(hiding ? hiddenCaption : shownCaption);
    controller_.setRegionsShown(!folderPanes_->isHidden(), !editTabs_->isHidden());
    // The freed width goes to the lists now, not at the next layout pass.
    centralWidget()->layout()->activate();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!controller_.mayClose()) {
        event->ignore();
        return;
    }
    ProfileFile state;
    keepColumns(state, keptColumns());
    state.append(kViewSection, kCompanionsKey,
                 controller_.workspace().withCompanions() ? U"1" : U"0");
    writeWindowState(controller_.files().windowState, state);
    event->accept();
}

bool MainWindow::photoColumnsShown() const {
    return extraColumns_->anyShown(
        {static_cast<int>(SortColumn::DateTaken), static_cast<int>(SortColumn::CameraModel)});
}

std::vector<KeptColumns> MainWindow::keptColumns() const {
    return {{U"ConversionList", listPanel_->view()->horizontalHeader()},
            {U"PreviewList", previewPanel_->list()->horizontalHeader()},
            {U"HistoryList", historyPanel_->list()->horizontalHeader()}};
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedPaths(event->mimeData());
    event->acceptProposedAction();
    controller_.addPaths(paths);
}

}  // namespace vartel

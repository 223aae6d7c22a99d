#include "app/editor/macro_editor_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/editor/editor_captions.h"
#include "app/editor/line_input_row.h"
#include "app/editor/macro_line_cells.h"
#include "app/editor/modify_dialog.h"
#include "app/editor/multi_condition_tab.h"
#include "app/editor/shortcut_tab.h"
#include "app/lists/one_line_rows.h"
#include "app/lists/text_table_model.h"
#include "app/main/command_boundary.h"
#include "app/qt/qt_text.h"
#include "editor/initial_value_entry.h"
#include "editor/line_commands.h"
#include "editor/line_entry.h"
#include "editor/macro_file_commands.h"
#include "macro/instruction_catalogue.h"
#include "macro/macro_file.h"

namespace vartel {
namespace {

constexpr int kLineColumnWidths[] = {32, 100, 90, 90, 100, 100, 100};

QTableView* listView(QAbstractItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setShowGrid(true);
    view->setSortingEnabled(false);
    view->verticalHeader()->hide();
    showOneTextLinePerRow(view);
    return view;
}

}  // namespace

MacroEditorWindow::MacroEditorWindow(MacroEditor& editor, Dialogs& dialogs,
                                     CommandBoundary& boundary, QWidget* parent)
    : QMainWindow(parent), editor_(editor), dialogs_(dialogs), boundary_(boundary) {
    using namespace editor_captions;
    setWindowTitle(kEditorTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(886, 523);

    auto* central = new QWidget(this);
    // The models read the editor, which outlives this window and its views.
    MacroEditor& shown = editor_;
    lineModel_ = new TextTableModel(
        kLineColumns, [&shown] { return shown.program().lineCount(); },
        [&shown](int row, int column) {
            return macroLineCell(shown.program().line(row), row, column);
        },
        this);
    lineModel_->setRed([&shown](int row) { return isCommentLine(shown.program().line(row)); });
    lineList_ = listView(lineModel_, central);
    lineList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lineList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lineList_->setFixedSize(621, 197);
    for (int column = 0; column < 7; ++column)
        lineList_->setColumnWidth(column, kLineColumnWidths[column]);
    lineList_->horizontalHeader()->setSectionsClickable(false);
    lineList_->setContextMenuPolicy(Qt::CustomContextMenu);

    inputRow_ = new LineInputRow(central);
    auto* add = new QPushButton(kAdd, central);
    auto* insert = new QPushButton(kInsert, central);
    connect(add, &QPushButton::clicked, this, &MacroEditorWindow::addLine);
    connect(insert, &QPushButton::clicked, this, &MacroEditorWindow::insertLine);
    auto* inputLine = new QHBoxLayout;
    inputLine->addWidget(inputRow_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(insert);
    inputLine->addLayout(buttons);

    auto* tabs = new QTabWidget(central);
    shortcuts_ = new ShortcutTab(tabs);
    multiCondition_ = new MultiConditionTab(editor_.table(), dialogs_, boundary_, tabs);
    tabs->addTab(shortcuts_, kShortcutTab);
    tabs->addTab(multiCondition_, kMultiConditionTab);

    // The left column is as wide as the line list; the tabs take the rest.
    auto* leftColumn = new QWidget(central);
    leftColumn->setFixedWidth(621);
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(2);
    left->addWidget(lineList_);
    left->addLayout(inputLine);
    left->addWidget(buildReferenceBox(leftColumn));
    left->addWidget(buildVariableTables(leftColumn), 1);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(leftColumn);
    layout->addWidget(tabs, 1);
    setCentralWidget(central);

    modifyDialog_ = new ModifyDialog(editor_, dialogs_, this);
    buildMenus();
    connectShortcuts();
    showInput();
}

// The focus moves while the child widgets are taken down; by then this window is gone.
MacroEditorWindow::~MacroEditorWindow() {
    disconnect(focusTracking_);
}

QWidget* MacroEditorWindow::buildReferenceBox(QWidget* parent) {
    auto* box = new QGroupBox(editor_captions::kReference, parent);
    referenceName_ = new QLineEdit(box);
    referenceSignature_ = new QLineEdit(box);
    referenceDescription_ = new QPlainTextEdit(box);
    referenceName_->setReadOnly(true);
    referenceName_->setFixedWidth(130);
    referenceSignature_->setReadOnly(true);
    referenceDescription_->setReadOnly(true);
    referenceDescription_->setFixedHeight(48);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(referenceName_, 0, 0);
    grid->addWidget(referenceSignature_, 0, 1);
    grid->addWidget(referenceDescription_, 1, 0, 1, 2);
    return box;
}

QWidget* MacroEditorWindow::buildVariableTables(QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t c = 0; c < 4; ++c) {
        const auto cls = static_cast<int>(c);
        variableModels_[c] = new TextTableModel(
            editor_captions::kVariableColumns, [] { return 16; },
            [&shown = editor_, c](int entry, int column) {
                const auto& e =
                    shown.program().tables()[c].entries[static_cast<std::size_t>(entry)];
                return column == 0 ? e.name : e.value;
            },
            this);
        // Values can be edited, names cannot.
        variableModels_[c]->setEditable(1, [this, cls](int entry, const Text& value) {
            enterInitialValue(editor_, cls * 16 + entry + 1, value, dialogs_);
        });
        auto* view = listView(variableModels_[c], holder);
        view->setColumnWidth(0, 80);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->horizontalHeader()->setStretchLastSection(true);
        variableTables_[c] = view;
        row->addWidget(view);
    }
    return holder;
}

QTableView* MacroEditorWindow::variableTable(int variableClass) const {
    return variableTables_[static_cast<std::size_t>(variableClass)];
}

void MacroEditorWindow::buildMenus() {
    using namespace editor_captions;
    QMenu* file = menuBar()->addMenu(kMenu);
    file->addAction(kNew, this, &MacroEditorWindow::newMacro)->setShortcut(Qt::CTRL | Qt::Key_N);
    file->addAction(kOpen, this, &MacroEditorWindow::openMacro)->setShortcut(Qt::CTRL | Qt::Key_O);
    file->addAction(kSave, this, &MacroEditorWindow::saveMacro)->setShortcut(Qt::CTRL | Qt::Key_S);
    file->addAction(kTest, this, &MacroEditorWindow::test);
    file->addAction(kClose, this, &MacroEditorWindow::closeEditor);
    QMenu* edit = menuBar()->addMenu(kEdit);
    edit->addAction(kCut, this, &MacroEditorWindow::cutLines);
    edit->addAction(kCopy, this, &MacroEditorWindow::copyLines);
    edit->addAction(kPaste, this, &MacroEditorWindow::pasteLines);
    edit->addAction(kPasteAtEnd, this, &MacroEditorWindow::pasteLinesAtEnd);
    edit->addAction(kDelete, this, &MacroEditorWindow::deleteLines);
    edit->addAction(kReset, this, &MacroEditorWindow::resetLines);
    // Ctrl+A selects the lines only from the line list; a field selects its own text.
    QAction* selectAll = edit->addAction(kSelectAll, this, &MacroEditorWindow::selectAllLines);
    selectAll->setShortcut(Qt::CTRL | Qt::Key_A);
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    lineList_->addAction(selectAll);
    QMenu* help = menuBar()->addMenu(kHelp);
    help->addAction(kHowToUse, this, &MacroEditorWindow::helpRequested)
        ->setShortcut(QKeySequence(Qt::Key_F1));

    // The context menu runs the same commands; only its two pastes are enabled by a rule.
    lineMenu_ = new QMenu(this);
    lineMenu_->addAction(kCopy, this, &MacroEditorWindow::copyLines);
    lineMenu_->addAction(kCut, this, &MacroEditorWindow::cutLines);
    menuPaste_ = lineMenu_->addAction(kPaste, this, &MacroEditorWindow::pasteLines);
    menuPasteAtEnd_ = lineMenu_->addAction(kPasteAtEnd, this, &MacroEditorWindow::pasteLinesAtEnd);
    lineMenu_->addSeparator();
    lineMenu_->addAction(kModify, this, &MacroEditorWindow::modifyLine);
    lineMenu_->addAction(kDelete, this, &MacroEditorWindow::deleteLines);
    connect(lineMenu_, &QMenu::aboutToShow, this, &MacroEditorWindow::preparePasteEntries);
    connect(lineList_, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& at) { lineMenu_->popup(lineList_->viewport()->mapToGlobal(at)); });
}

void MacroEditorWindow::preparePasteEntries() {
    const bool enabled = pasteEnabled(editor_.clipboard(), selectedLines().size());
    menuPaste_->setEnabled(enabled);
    menuPasteAtEnd_->setEnabled(enabled);
}

void MacroEditorWindow::connectShortcuts() {
    connect(inputRow_, &LineInputRow::edited, this, &MacroEditorWindow::takeInputFromRow);
    connect(inputRow_, &LineInputRow::kindChosen, this, [this](int kind) {
        takeInputFromRow();
        chooseKind(editor_.input(), kind);
        showInput();
    });
    connect(inputRow_, &LineInputRow::typeChosen, this, [this](int type) {
        takeInputFromRow();
        chooseType(editor_.input(), type);
        showInput();
    });
    // The shortcut buttons fill the field that had the focus last.
    focusTracking_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            const auto& fields = inputRow_->fields();
            const auto at = std::find(fields.begin(), fields.end(), now);
            if (at != fields.end()) focused_ = static_cast<InputField>(at - fields.begin());
        });
    connect(shortcuts_, &ShortcutTab::textChosen, this, [this](const QString& text) {
        putShortcutText(editor_.input(), focused_, toText(text));
        showInput();
    });
    connect(shortcuts_, &ShortcutTab::digitPressed, this, [this](int digit) {
        appendDigit(editor_.input(), focused_, digit, shortcuts_->digitWidth());
        showInput();
    });
    connect(shortcuts_, &ShortcutTab::kindChosen, this, [this](int kind) {
        chooseKind(editor_.input(), kind);
        showInput();
    });
    connect(shortcuts_, &ShortcutTab::typeChosen, this, [this](int kind, int type) {
        chooseKind(editor_.input(), kind);
        chooseType(editor_.input(), type);
        showInput();
    });
}

void MacroEditorWindow::takeInputFromRow() {
    editor_.input() = inputRow_->input();
}

void MacroEditorWindow::showInput() {
    inputRow_->show(editor_.input());
    const ReferenceEntry* entry = referenceOf(editor_.input());
    referenceName_->setText(entry ? toQString(entry->name) : QString());
    referenceSignature_->setText(entry ? toQString(entry->signature) : QString());
    // A long signature is read from its start, not from where a typing cursor would stand.
    referenceName_->home(false);
    referenceSignature_->home(false);
    QStringList description;
    if (entry)
        for (const auto& line : entry->description) description << toQString(line);
    referenceDescription_->setPlainText(description.join(QLatin1Char('\n')));
}

std::vector<int> MacroEditorWindow::selectedLines() const {
    std::vector<int> lines;
    for (const QModelIndex& index : lineList_->selectionModel()->selectedRows())
        lines.push_back(index.row());
    std::sort(lines.begin(), lines.end());
    return lines;
}

void MacroEditorWindow::showEditor() {
    show();
    raise();
    activateWindow();
}

void MacroEditorWindow::closeEditor() {
    hide();
}

void MacroEditorWindow::showEvent(QShowEvent* event) {
    refresh();
    QMainWindow::showEvent(event);
}

void MacroEditorWindow::refresh() {
    lineModel_->refresh();
    for (auto* model : variableModels_) model->refresh();
    multiCondition_->refresh();
    showInput();
}

void MacroEditorWindow::command(const std::function<void()>& step) {
    boundary_.run(step);
    refresh();
}

// The new line is shown, however long the macro has grown.
void MacroEditorWindow::addLine() {
    bool added = false;
    command([this, &added] { added = vartel::addLine(editor_, dialogs_); });
    if (added) lineList_->scrollToBottom();
}

void MacroEditorWindow::insertLine() {
    const std::vector<int> selected = selectedLines();
    bool inserted = false;
    command([this, &selected, &inserted] {
        inserted = vartel::insertLine(editor_, selected, dialogs_);
    });
    if (inserted) lineList_->scrollTo(lineModel_->index(selected.front(), 0));
}

void MacroEditorWindow::modifyLine() {
    command([this] {
        const auto request = beginModify(editor_, selectedLines(), dialogs_);
        if (!request) return;
        showInput();
        modifyDialog_->modify(*request);
    });
}

void MacroEditorWindow::newMacro() {
    command([this] { vartel::newMacro(editor_, dialogs_); });
}

void MacroEditorWindow::openMacro() {
    command([this] { vartel::openMacro(editor_, dialogs_); });
}

void MacroEditorWindow::saveMacro() {
    boundary_.run([this] { vartel::saveMacro(editor_, dialogs_); });
}

void MacroEditorWindow::test() {
    if (boundary_.depth() == 0) emit testRequested();
}

void MacroEditorWindow::cutLines() {
    command([this] { vartel::cutLines(editor_, selectedLines()); });
}

void MacroEditorWindow::copyLines() {
    boundary_.run([this] { vartel::copyLines(editor_, selectedLines()); });
    lineList_->clearSelection();
}

void MacroEditorWindow::pasteLines() {
    command([this] { vartel::pasteLines(editor_, selectedLines()); });
}

void MacroEditorWindow::pasteLinesAtEnd() {
    command([this] { vartel::pasteLinesAtEnd(editor_); });
}

void MacroEditorWindow::deleteLines() {
    command([this] { vartel::deleteLines(editor_, selectedLines()); });
}

void MacroEditorWindow::resetLines() {
    command([this] { vartel::resetLines(editor_); });
}

void MacroEditorWindow::selectAllLines() {
    lineList_->selectAll();
}

}  // namespace vartel

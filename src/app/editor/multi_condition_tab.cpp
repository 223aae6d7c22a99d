#include "app/editor/multi_condition_tab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/editor/editor_captions.h"
#include "app/lists/one_line_rows.h"
#include "app/lists/text_table_model.h"
#include "app/main/command_boundary.h"
#include "app/qt/qt_text.h"
#include "editor/multi_condition_commands.h"

namespace vartel {

MultiConditionTab::MultiConditionTab(MultiConditionTable& table, Dialogs& dialogs,
                                     CommandBoundary& boundary, QWidget* parent)
    : QWidget(parent), table_(table), dialogs_(dialogs), boundary_(boundary) {
    using namespace editor_captions;
    model_ = new TextTableModel(
        {kSearchString, kOutputString},
        [&shown = table_] { return static_cast<int>(shown.rows.size()); },
        [&shown = table_](int row, int column) {
            const auto& pair = shown.rows[static_cast<std::size_t>(row)];
            return column == 0 ? pair.search : pair.output;
        },
        this);

    auto* group = new QGroupBox(kMultiConditionGroup, this);
    auto* grid = new QGridLayout(group);
    auto* load = new QPushButton(kLoadTable, group);
    auto* addFile = new QPushButton(kAdd, group);
    auto* save = new QPushButton(kSave, group);
    // The tab is narrow: the file buttons share its width.
    for (auto* button : {load, addFile, save})
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    grid->addWidget(load, 0, 0);
    grid->addWidget(addFile, 0, 1);
    grid->addWidget(save, 0, 2);

    list_ = new QTableView(group);
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(true);
    list_->verticalHeader()->hide();
    showOneTextLinePerRow(list_);
    list_->setColumnWidth(0, 100);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->addWidget(list_, 1, 0, 1, 3);

    search_ = new QLineEdit(group);
    output_ = new QLineEdit(group);
    grid->addWidget(new QLabel(kSearchString, group), 2, 0);
    grid->addWidget(search_, 2, 1, 1, 2);
    grid->addWidget(new QLabel(kOutputString, group), 3, 0);
    grid->addWidget(output_, 3, 1, 1, 2);
    auto* add = new QPushButton(kAdd, group);
    add->setObjectName(QStringLiteral("addPair"));
    grid->addWidget(add, 4, 2);

    menu_ = new QMenu(this);
    menu_->addAction(kDelete, this, &MultiConditionTab::deleteSelected);
    connect(list_, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(list_->viewport()->mapToGlobal(at)); });

    connect(load, &QPushButton::clicked, this, &MultiConditionTab::loadTable);
    connect(addFile, &QPushButton::clicked, this, &MultiConditionTab::addFromFile);
    connect(save, &QPushButton::clicked, this, &MultiConditionTab::saveTable);
    connect(add, &QPushButton::clicked, this, &MultiConditionTab::addPair);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void MultiConditionTab::loadFile(bool replace) {
    boundary_.run([&] { loadMultiConditionTable(table_, replace, dialogs_); });
    refresh();
}

void MultiConditionTab::loadTable() {
    loadFile(true);
}

void MultiConditionTab::addFromFile() {
    loadFile(false);
}

void MultiConditionTab::saveTable() {
    boundary_.run([&] { vartel::saveTable(table_, dialogs_); });
}

void MultiConditionTab::addPair() {
    boundary_.run([this] {
        if (!vartel::addPair(table_, toText(search_->text()), toText(output_->text()), dialogs_))
            return;
        search_->clear();
        output_->clear();
    });
    refresh();
}

void MultiConditionTab::deleteSelected() {
    std::vector<int> selected;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        selected.push_back(index.row());
    boundary_.run([this, &selected] { deletePairs(table_, selected); });
    refresh();
}

void MultiConditionTab::refresh() {
    model_->refresh();
}

}  // namespace vartel

#include "app/macro_result_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "app/messages.h"

namespace vartel {
namespace {

void styleList(QTableView* view) {
    view->setShowGrid(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace

MacroResultPanel::MacroResultPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    lineModel = new MacroLineModel(this);
    lines = new QTableView(this);
    lines->setModel(lineModel);
    styleList(lines);
    steps = new QTableView(this);
    auto* stepModel = new QStandardItemModel(0, 3, steps);
    stepModel->setHorizontalHeaderLabels(
        {QStringLiteral("処理後のファイル名"), QStringLiteral("処理種類"), QStringLiteral("詳細")});
    steps->setModel(stepModel);
    styleList(steps);
    layout->addWidget(lines, 1);
    layout->addWidget(steps, 1);
    // The steps are what is shown first.
    lines->hide();

    auto* buttons = new QHBoxLayout;
    switchButton = new QPushButton(ui::kSwitchView, this);
    switchButton->setToolTip(ui::kSwitchViewHint);
    save = new QPushButton(ui::kSave, this);
    edit = new QPushButton(ui::kEdit, this);
    run = new QPushButton(ui::kRunMacro, this);
    buttons->addWidget(switchButton);
    buttons->addStretch(1);
    for (auto* command : {save, edit, run}) buttons->addWidget(command);
    layout->addLayout(buttons);
    connect(switchButton, &QPushButton::clicked, this, &MacroResultPanel::switchView);
}

void MacroResultPanel::switchView() {
    const bool toLines = lines->isHidden();
    lines->setVisible(toLines);
    steps->setVisible(!toLines);
}

}  // namespace vartel

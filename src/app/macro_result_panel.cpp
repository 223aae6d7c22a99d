#include "app/macro_result_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
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

MacroResultPanel::MacroResultPanel(const RecordingState& recording, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    lineModel = new MacroLineModel(recording.macro, this);
    lines = new QTableView(this);
    lines->setModel(lineModel);
    styleList(lines);
    steps = new QTableView(this);
    stepModel = new StepListModel(recording.steps, this);
    steps->setModel(stepModel);
    styleList(steps);
    layout->addWidget(lines, 1);
    layout->addWidget(steps, 1);
    showLines(false);

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
}

void MacroResultPanel::showLines(bool shown) {
    lines->setVisible(shown);
    steps->setVisible(!shown);
}

void MacroResultPanel::refresh() {
    lineModel->refresh();
    stepModel->refresh();
}

}  // namespace vartel

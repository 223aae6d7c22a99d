#include "app/macro_result_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/editor_captions.h"
#include "app/macro_line_cells.h"
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
    // The models read the recording, which outlives this panel.
    lineModel = new TextTableModel(
        editor_captions::kLineColumns,
        [&macro = recording.macro] { return static_cast<int>(macro.size()); },
        [&macro = recording.macro](int row, int column) {
            return macroLineCell(macro[static_cast<std::size_t>(row)], row, column);
        },
        this);
    lineModel->setRed([&macro = recording.macro](int row) {
        return isCommentLine(macro[static_cast<std::size_t>(row)]);
    });
    lines = new QTableView(this);
    lines->setModel(lineModel);
    styleList(lines);
    steps = new QTableView(this);
    stepModel = new TextTableModel(
        {QStringLiteral("処理後のファイル名"), QStringLiteral("処理種類"), QStringLiteral("詳細")},
        [&recorded = recording.steps] { return static_cast<int>(recorded.size()); },
        [&recorded = recording.steps](int row, int column) {
            const RecordedStep& step = recorded[static_cast<std::size_t>(row)];
            return column == 0 ? step.nameAfter : column == 1 ? step.kind : step.detail;
        },
        this);
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

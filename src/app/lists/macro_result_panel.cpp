#include "app/lists/macro_result_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/editor/editor_captions.h"
#include "app/editor/macro_line_cells.h"
#include "app/lists/one_line_rows.h"
#include "app/lists/text_table_model.h"
#include "app/main/action_table.h"
#include "app/messages.h"

namespace vartel {
namespace {

QTableView* listOf(TextTableModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setShowGrid(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    showOneTextLinePerRow(view);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

}  // namespace

MacroResultPanel::MacroResultPanel(const RecordingState& recording, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    // The models read the recording, which outlives this panel.
    lineModel_ = new TextTableModel(
        editor_captions::kLineColumns,
        [&macro = recording.macro] { return static_cast<int>(macro.size()); },
        [&macro = recording.macro](int row, int column) {
            return macroLineCell(macro[static_cast<std::size_t>(row)], row, column);
        },
        this);
    lineModel_->setRed([&macro = recording.macro](int row) {
        return isCommentLine(macro[static_cast<std::size_t>(row)]);
    });
    lines_ = listOf(lineModel_, this);
    stepModel_ = new TextTableModel(
        ui::kStepColumns,
        [&recorded = recording.steps] { return static_cast<int>(recorded.size()); },
        [&recorded = recording.steps](int row, int column) {
            const RecordedStep& step = recorded[static_cast<std::size_t>(row)];
            return column == 0 ? step.nameAfter : column == 1 ? step.kind : step.detail;
        },
        this);
    steps_ = listOf(stepModel_, this);
    layout->addWidget(lines_, 1);
    layout->addWidget(steps_, 1);
    showLines(false);

    auto* buttons = new QHBoxLayout;
    const auto add = [this, buttons](const QString& caption, void (MacroResultPanel::*intent)()) {
        auto* command = new QPushButton(caption, this);
        connect(command, &QPushButton::clicked, this, intent);
        buttons->addWidget(command);
        return command;
    };
    add(ui::kSwitchView, &MacroResultPanel::switchRequested)->setToolTip(ui::kSwitchViewHint);
    buttons->addStretch(1);
    save_ = add(ui::kSave, &MacroResultPanel::saveRequested);
    edit_ = add(ui::kEdit, &MacroResultPanel::editRequested);
    run_ = add(ui::kRunMacro, &MacroResultPanel::runRequested);
    layout->addLayout(buttons);
}

void MacroResultPanel::bindActions(ActionTable& actions) {
    actions.bind(ActionId::SaveMacro, save_);
    actions.bind(ActionId::EditMacro, edit_);
    actions.bind(ActionId::RunMacro, run_);
}

void MacroResultPanel::showLines(bool shown) {
    lines_->setVisible(shown);
    steps_->setVisible(!shown);
}

bool MacroResultPanel::showingLines() const {
    return !lines_->isHidden();
}

const QTableView* MacroResultPanel::shownList() const {
    return showingLines() ? lines_ : steps_;
}

void MacroResultPanel::refresh() {
    lineModel_->refresh();
    stepModel_->refresh();
}

}  // namespace vartel

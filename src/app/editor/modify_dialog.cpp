#include "app/editor/modify_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor/editor_captions.h"
#include "app/editor/line_input_row.h"
#include "editor/line_input.h"

namespace vartel {

ModifyDialog::ModifyDialog(MacroEditor& editor, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), editor_(editor), dialogs_(dialogs) {
    using namespace editor_captions;
    setWindowTitle(kModify);
    setFixedSize(651, 148);
    row_ = new LineInputRow(this);
    // A new kind offers its types with the first one chosen.
    connect(row_, &LineInputRow::kindChosen, this, [this](int kind) {
        LineInput input = row_->input();
        chooseKind(input, kind);
        row_->show(input);
    });
    auto* button = new QPushButton(kModify, this);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &ModifyDialog::apply);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(row_);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

bool ModifyDialog::modify(const ModifyRequest& request) {
    index_ = request.index;
    row_->show(request.input);
    return exec() == QDialog::Accepted;
}

void ModifyDialog::apply() {
    if (modifyLine(editor_, index_, row_->input(), dialogs_)) accept();
}

}  // namespace vartel

#include "app/lists/conversion_list_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main/action_table.h"
#include "app/messages.h"

namespace vartel {

ConversionListPanel::ConversionListPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(new QLabel(ui::kConversionListCaption, this));
    view_ = new ConversionListView(this);
    const auto add = [this, buttons](const QString& caption, const QString& hint,
                                     const std::function<void()>& intent) {
        auto* command = new QPushButton(caption, this);
        command->setToolTip(hint);
        command->setFixedHeight(20);
        command->setMaximumWidth(caption.size() == 1 ? 26 : 42);
        connect(command, &QPushButton::clicked, this, intent);
        buttons->addWidget(command);
        buttons_ << command;
    };
    add(ui::kLoad, ui::kLoadListHint, [this] { emit loadRequested(); });
    add(ui::kSave, ui::kSaveListHint, [this] { emit saveRequested(); });
    add(ui::kSelectAll, ui::kSelectAllHint, [this] {
        emit selectAllRequested();
        view_->setFocus();
    });
    add(ui::kMoveUp, ui::kMoveUpHint, [this] { emit moveUpRequested(); });
    add(ui::kMoveDown, ui::kMoveDownHint, [this] { emit moveDownRequested(); });
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(view_, 1);
}

void ConversionListPanel::bindActions(ActionTable& actions) {
    for (QWidget* command : buttons_) actions.bind(ActionId::ListButtons, command);
    actions.bind(ActionId::ConversionList, view_);
}

}  // namespace vartel

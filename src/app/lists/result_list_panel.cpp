#include "app/lists/result_list_panel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/messages.h"

namespace vartel {

ResultListPanel::ResultListPanel(const QString& extraCaption, const QString& mainCaption,
                                 QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    list_ = new RowListView(this);
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    const auto add = [this, buttons](const QString& caption, const std::function<void()>& run) {
        auto* command = new QPushButton(caption, this);
        connect(command, &QPushButton::clicked, this, run);
        buttons->addWidget(command);
    };
    add(ui::kSelectAll, [this] { onList(&ResultListPanel::selectAllRequested); });
    add(ui::kCheck, [this] { onList(&ResultListPanel::checkRequested); });
    add(ui::kUncheckButton, [this] { onList(&ResultListPanel::uncheckRequested); });
    add(extraCaption, [this] { emit extraRequested(); });
    buttons->addStretch(1);
    add(mainCaption, [this] { emit mainRequested(); });
    layout->addLayout(buttons);

    // The keys of the conversion list's commands, for this list while it has the keyboard.
    const auto entry = [this](const QString& caption, const QKeySequence& keys,
                              void (ResultListPanel::*intent)()) {
        auto* item = new QAction(caption, list_);
        item->setShortcut(keys);
        item->setShortcutContext(Qt::WidgetShortcut);
        connect(item, &QAction::triggered, this, [this, intent] { onList(intent); });
        list_->addAction(item);
    };
    entry(ui::kCheck, Qt::CTRL | Qt::Key_C, &ResultListPanel::checkRequested);
    entry(ui::kUncheck, Qt::CTRL | Qt::Key_D, &ResultListPanel::uncheckRequested);
}

void ResultListPanel::onList(void (ResultListPanel::*intent)()) {
    emit(this->*intent)();
    list_->setFocus();
}

}  // namespace vartel

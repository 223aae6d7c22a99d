#include "app/lists/name_text_panel.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/messages.h"

namespace vartel {

NameTextPanel::NameTextPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    editor_ = new QPlainTextEdit(this);
    // A name is one line: wrapping would make a long name look like two.
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setAccessibleName(ui::kNameTextTab);
    layout->addWidget(editor_, 1);
    auto* buttons = new QHBoxLayout;
    const auto add = [this, buttons](const QString& caption, const QString& hint) {
        auto* command = new QPushButton(caption, this);
        command->setToolTip(hint);
        buttons->addWidget(command);
        return command;
    };
    connect(add(ui::kRefillNames, ui::kRefillNamesHint), &QPushButton::clicked, this,
            &NameTextPanel::refillRequested);
    connect(add(ui::kLoadNamesList, ui::kLoadNamesListHint), &QPushButton::clicked, this,
            &NameTextPanel::loadListRequested);
    buttons->addStretch(1);
    connect(add(ui::kPreviewButton, ui::kPreviewNamesHint), &QPushButton::clicked, this,
            [this] { emit previewRequested(lines()); });
    layout->addLayout(buttons);
}

void NameTextPanel::offerNames(const QStringList& names) {
    if (!editor_->document()->isModified()) fill(names);
}

void NameTextPanel::fill(const QStringList& names) {
    editor_->setPlainText(names.join(QLatin1Char('\n')));
    editor_->document()->setModified(false);
}

QStringList NameTextPanel::lines() const {
    QStringList lines = editor_->toPlainText().split(QLatin1Char('\n'));
    // A line end after the last name, as a paste often leaves, adds no row.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace vartel

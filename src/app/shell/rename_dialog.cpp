#include "app/shell/rename_dialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/messages.h"

namespace vartel {

RenameDialog::RenameDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ui::kRenameDialogCaption);
    setFixedSize(353, 140);
    auto* layout = new QGridLayout(this);
    before = new QLineEdit(this);
    before->setReadOnly(true);
    after = new QLineEdit(this);
    layout->addWidget(new QLabel(ui::kNameBefore, this), 0, 0);
    layout->addWidget(before, 0, 1);
    layout->addWidget(new QLabel(ui::kNameAfter, this), 1, 0);
    layout->addWidget(after, 1, 1);
    layout->addWidget(new QLabel(ui::kAppliedAtOnce, this), 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(ui::kOk, this);
    auto* cancel = new QPushButton(ui::kCancel, this);
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 3, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<QString> RenameDialog::ask(const QString& name) {
    before->setText(name);
    after->setText(name);
    after->selectAll();
    after->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted) return std::nullopt;
    return after->text();
}

}  // namespace vartel

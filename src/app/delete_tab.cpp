#include "app/delete_tab.h"

#include <QVBoxLayout>

#include "app/messages.h"
#include "app/qt_text.h"

namespace vartel {

DeleteTab::DeleteTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);
    layout->addWidget(radioGroup(
        QStringLiteral("削除位置"),
        {QStringLiteral("最初からＣ個の文字を削除"), QStringLiteral("最後からＣ個の文字を削除"),
         QStringLiteral("Ｎ番目の文字からＣ個の文字を削除"), QStringLiteral("’Ａ’を削除"),
         QStringLiteral("’Ａ’と’Ｂ’とその間を削除")},
        1, mode, this));
    a = new QLineEdit(this);
    b = new QLineEdit(this);
    layout->addWidget(labelled(ui::kTextA, a, this));
    layout->addWidget(labelled(ui::kTextB, b, this));
    n = countBox(this);
    c = countBox(this);
    layout->addWidget(labelled(ui::kCountN, n, this));
    layout->addWidget(labelled(ui::kCountC, c, this));
    caseSensitive = new QCheckBox(ui::kCaseSensitive, this);
    layout->addWidget(caseSensitive);
    layout->addStretch(1);
    preview = button(ui::kPreviewButton, ui::kPreviewHint, this);
    layout->addWidget(preview);
}

DeleteSettings DeleteTab::settings() const {
    DeleteSettings settings;
    settings.mode = static_cast<DeleteMode>(mode->checkedId());
    settings.n = n->value();
    settings.c = c->value();
    settings.a = toText(a->text());
    settings.b = toText(b->text());
    settings.caseSensitive = caseSensitive->isChecked();
    return settings;
}

}  // namespace vartel

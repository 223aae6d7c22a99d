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
    a = textField(layout, ui::kTextA, this);
    b = textField(layout, ui::kTextB, this);
    n = countField(layout, ui::kCountN, this);
    c = countField(layout, ui::kCountC, this);
    caseSensitive = caseField(layout, this);
    preview = previewButton(layout, this);
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

#include "app/replace_tab.h"

#include <QVBoxLayout>

#include "app/messages.h"
#include "app/qt_text.h"

namespace vartel {

ReplaceTab::ReplaceTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);
    search = textField(layout, QStringLiteral("検索文字"), this);
    replacement = textField(layout, QStringLiteral("置換文字"), this);
    layout->addWidget(
        radioGroup(QStringLiteral("変換範囲"),
                   {QStringLiteral("全体"), QStringLiteral("最初からＣ個の文字"),
                    QStringLiteral("最後からＣ個の文字"), QStringLiteral("Ｎ文字目からＣ個の文字")},
                   1, range, this));
    layout->addWidget(radioGroup(
        QStringLiteral("変換種類"),
        {QStringLiteral("置換"), QStringLiteral("大→小"), QStringLiteral("小→大")}, 3, kind, this));
    n = countField(layout, ui::kCountN, this);
    c = countField(layout, ui::kCountC, this);
    caseSensitive = caseField(layout, this);
    preview = previewButton(layout, this);
}

ReplaceSettings ReplaceTab::settings() const {
    ReplaceSettings settings;
    settings.range = static_cast<ReplaceRange>(range->checkedId());
    settings.kind = static_cast<ReplaceKind>(kind->checkedId());
    settings.s = toText(search->text());
    settings.r = toText(replacement->text());
    settings.n = n->value();
    settings.c = c->value();
    settings.caseSensitive = caseSensitive->isChecked();
    return settings;
}

}  // namespace vartel

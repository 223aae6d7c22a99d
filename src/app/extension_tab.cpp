#include "app/extension_tab.h"

#include <QVBoxLayout>

#include "app/messages.h"
#include "app/qt_text.h"

namespace vartel {

ExtensionTab::ExtensionTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);
    layout->addWidget(radioGroup(
        QStringLiteral("形式"),
        {QStringLiteral("’Ａ’に統一"), QStringLiteral("最初に’Ａ’を追加"),
         QStringLiteral("最後に’Ａ’を追加"), QStringLiteral("Ｎ番目の文字の後に’Ａ’を追加"),
         QStringLiteral("Ｎ番目の文字からＣ個の文字を削除")},
        1, mode, this));
    a = textField(layout, ui::kTextA, this);
    n = countField(layout, ui::kCountN, this);
    c = countField(layout, ui::kCountC, this);
    preview = previewButton(layout, this);
}

ExtensionSettings ExtensionTab::settings() const {
    ExtensionSettings settings;
    settings.mode = static_cast<ExtensionMode>(mode->checkedId());
    settings.a = toText(a->text());
    settings.n = n->value();
    settings.c = c->value();
    return settings;
}

}  // namespace vartel

#include "app/add_tab.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/messages.h"
#include "app/qt_text.h"

namespace vartel {

AddTab::AddTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);
    text = new QLineEdit(this);
    layout->addWidget(new QLabel(QStringLiteral("追加文字"), this));
    layout->addWidget(text);
    layout->addWidget(
        radioGroup(QStringLiteral("追加位置"),
                   {QStringLiteral("最初に追加"), QStringLiteral("最後に追加"),
                    QStringLiteral("Ｎ文字目の後に挿入"), QStringLiteral("’Ａ’の前に追加"),
                    QStringLiteral("’Ａ’の後に追加")},
                   1, mode, this));
    a = textField(layout, ui::kTextA, this);
    n = countField(layout, ui::kCountN, this);
    caseSensitive = caseField(layout, this);
    preview = previewButton(layout, this);
}

AddTextSettings AddTab::settings() const {
    AddTextSettings settings;
    settings.text = toText(text->text());
    settings.mode = static_cast<AddTextMode>(mode->checkedId());
    settings.n = n->value();
    settings.a = toText(a->text());
    settings.caseSensitive = caseSensitive->isChecked();
    return settings;
}

}  // namespace vartel

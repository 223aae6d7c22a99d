#include "app/number_tab.h"

#include <QVBoxLayout>

#include "app/messages.h"
#include "app/qt_text.h"

namespace vartel {

NumberTab::NumberTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);
    auto* numbers = new QGroupBox(QStringLiteral("番号"), this);
    auto* numbersLayout = new QVBoxLayout(numbers);
    start = numberBox(1, numbers);
    step = numberBox(1, numbers);
    autoDigits = new QCheckBox(QStringLiteral("自動桁補正をする"), numbers);
    numbersLayout->addWidget(labelled(QStringLiteral("開始番号："), start, numbers));
    numbersLayout->addWidget(labelled(QStringLiteral("番号間隔："), step, numbers));
    numbersLayout->addWidget(autoDigits);
    layout->addWidget(numbers);
    layout->addWidget(radioGroup(
        QStringLiteral("形式"),
        {QStringLiteral("’Ａ’＋番号＋’Ｂ’　に書き換え"), QStringLiteral("最初に番号を追加"),
         QStringLiteral("最後に番号を追加"), QStringLiteral("Ｎ文字目の後に番号を追加"),
         QStringLiteral("’Ａ’の前に追加"), QStringLiteral("’Ａ’の後に追加")},
        1, form, this));
    a = textField(layout, ui::kTextA, this);
    b = textField(layout, ui::kTextB, this);
    n = countField(layout, ui::kCountN, this);
    caseSensitive = caseField(layout, this);
    preview = previewButton(layout, this);
}

NumberingSettings NumberTab::settings() const {
    NumberingSettings settings;
    settings.form = static_cast<NumberingForm>(form->checkedId());
    settings.start = start->value();
    settings.step = step->value();
    settings.autoDigits = autoDigits->isChecked();
    settings.a = toText(a->text());
    settings.b = toText(b->text());
    settings.n = n->value();
    settings.caseSensitive = caseSensitive->isChecked();
    return settings;
}

}  // namespace vartel

#include "app/tabs/number_tab.h"

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

NumberTab::NumberTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    auto* numbers = new QGroupBox(ui::kNumbers, this);
    auto* numbersLayout = groupLayout(numbers);
    start_ = numberBox(1, numbers);
    step_ = numberBox(1, numbers);
    autoDigits_ = new QCheckBox(ui::kAutoDigits, numbers);
    numbersLayout->addWidget(labelled(ui::kStartNumber, start_, numbers));
    numbersLayout->addWidget(labelled(ui::kNumberStep, step_, numbers));
    numbersLayout->addWidget(autoDigits_);
    perFolder_ = new QCheckBox(ui::kRenumberPerFolder, numbers);
    numbersLayout->addWidget(perFolder_);
    layout->addWidget(numbers);
    layout->addWidget(radioGroup(ui::kForm, ui::kNumberingForms, 1, form_, this));
    textA_ = new QLineEdit(this);
    textB_ = new QLineEdit(this);
    layout->addWidget(
        sideBySide({labelled(ui::kTextA, textA_, this), labelled(ui::kTextB, textB_, this)}, this));
    position_ = countBox(this);
    caseSensitive_ = new QCheckBox(ui::kCaseSensitive, this);
    layout->addWidget(sideBySide({labelled(ui::kCountN, position_, this), caseSensitive_}, this));
    finish(layout);
}

NumberingSettings NumberTab::settings() const {
    NumberingSettings settings;
    settings.form = static_cast<NumberingForm>(form_->checkedId());
    settings.start = start_->value();
    settings.step = step_->value();
    settings.autoDigits = autoDigits_->isChecked();
    settings.perFolder = perFolder_->isChecked();
    settings.textA = toText(textA_->text());
    settings.textB = toText(textB_->text());
    settings.position = position_->value();
    settings.caseSensitive = caseSensitive_->isChecked();
    return settings;
}

}  // namespace vartel

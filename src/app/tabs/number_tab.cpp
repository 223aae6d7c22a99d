#include "app/tabs/number_tab.h"

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

NumberTab::NumberTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    auto* numbers = new QGroupBox(ui::kNumbers, this);
    auto* numbersLayout = new QVBoxLayout(numbers);
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
    textA_ = textField(layout, ui::kTextA, this);
    textB_ = textField(layout, ui::kTextB, this);
    position_ = countField(layout, ui::kCountN, this);
    caseSensitive_ = caseField(layout, this);
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

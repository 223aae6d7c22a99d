#include "app/tabs/add_tab.h"

#include <QLabel>

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

AddTab::AddTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    text_ = new QLineEdit(this);
    auto* caption = new QLabel(ui::kAddedText, this);
    caption->setBuddy(text_);
    layout->addWidget(caption);
    layout->addWidget(text_);
    layout->addWidget(radioGroup(ui::kAddPosition, ui::kAddModes, 1, mode_, this));
    textA_ = textField(layout, ui::kTextA, this);
    position_ = countField(layout, ui::kCountN, this);
    caseSensitive_ = caseField(layout, this);
    finish(layout);
}

AddTextSettings AddTab::settings() const {
    AddTextSettings settings;
    settings.text = toText(text_->text());
    settings.mode = static_cast<AddTextMode>(mode_->checkedId());
    settings.position = position_->value();
    settings.textA = toText(textA_->text());
    settings.caseSensitive = caseSensitive_->isChecked();
    return settings;
}

}  // namespace vartel

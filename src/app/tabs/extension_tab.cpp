#include "app/tabs/extension_tab.h"

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

ExtensionTab::ExtensionTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    layout->addWidget(radioGroup(ui::kForm, ui::kExtensionModes, 1, mode_, this));
    text_ = textField(layout, ui::kTextA, this);
    countPairField(layout, position_, count_, this);
    finish(layout);
}

ExtensionSettings ExtensionTab::settings() const {
    ExtensionSettings settings;
    settings.mode = static_cast<ExtensionMode>(mode_->checkedId());
    settings.text = toText(text_->text());
    settings.position = position_->value();
    settings.count = count_->value();
    return settings;
}

}  // namespace vartel

#include "app/tabs/extension_tab.h"

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

ExtensionTab::ExtensionTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    layout->addWidget(radioGroup(ui::kForm, ui::kExtensionModes, 1, mode_, this));
    a_ = textField(layout, ui::kTextA, this);
    n_ = countField(layout, ui::kCountN, this);
    c_ = countField(layout, ui::kCountC, this);
    finish(layout);
}

ExtensionSettings ExtensionTab::settings() const {
    ExtensionSettings settings;
    settings.mode = static_cast<ExtensionMode>(mode_->checkedId());
    settings.a = toText(a_->text());
    settings.n = n_->value();
    settings.c = c_->value();
    return settings;
}

}  // namespace vartel

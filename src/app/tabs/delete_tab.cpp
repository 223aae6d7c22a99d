#include "app/tabs/delete_tab.h"

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

DeleteTab::DeleteTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    layout->addWidget(radioGroup(ui::kDeletePosition, ui::kDeleteModes, 1, mode_, this));
    a_ = textField(layout, ui::kTextA, this);
    b_ = textField(layout, ui::kTextB, this);
    n_ = countField(layout, ui::kCountN, this);
    c_ = countField(layout, ui::kCountC, this);
    caseSensitive_ = caseField(layout, this);
    finish(layout);
}

DeleteSettings DeleteTab::settings() const {
    DeleteSettings settings;
    settings.mode = static_cast<DeleteMode>(mode_->checkedId());
    settings.n = n_->value();
    settings.c = c_->value();
    settings.a = toText(a_->text());
    settings.b = toText(b_->text());
    settings.caseSensitive = caseSensitive_->isChecked();
    return settings;
}

}  // namespace vartel

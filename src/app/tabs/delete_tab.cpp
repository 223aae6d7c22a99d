#include "app/tabs/delete_tab.h"

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

DeleteTab::DeleteTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    layout->addWidget(radioGroup(ui::kDeletePosition, ui::kDeleteModes, 1, mode_, this));
    textA_ = textField(layout, ui::kTextA, this);
    textB_ = textField(layout, ui::kTextB, this);
    countPairField(layout, position_, count_, this);
    caseSensitive_ = caseField(layout, this);
    finish(layout);
}

DeleteSettings DeleteTab::settings() const {
    DeleteSettings settings;
    settings.mode = static_cast<DeleteMode>(mode_->checkedId());
    settings.position = position_->value();
    settings.count = count_->value();
    settings.textA = toText(textA_->text());
    settings.textB = toText(textB_->text());
    settings.caseSensitive = caseSensitive_->isChecked();
    return settings;
}

}  // namespace vartel

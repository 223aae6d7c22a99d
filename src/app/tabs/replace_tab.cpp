#include "app/tabs/replace_tab.h"

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

ReplaceTab::ReplaceTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    search_ = textField(layout, ui::kSearchText, this);
    replacement_ = textField(layout, ui::kReplacementText, this);
    layout->addWidget(radioGroup(ui::kReplaceRange, ui::kReplaceRanges, 1, range_, this));
    layout->addWidget(radioGroup(ui::kReplaceKind, ui::kReplaceKinds, 3, kind_, this));
    n_ = countField(layout, ui::kCountN, this);
    c_ = countField(layout, ui::kCountC, this);
    caseSensitive_ = caseField(layout, this);
    finish(layout);
}

ReplaceSettings ReplaceTab::settings() const {
    ReplaceSettings settings;
    settings.range = static_cast<ReplaceRange>(range_->checkedId());
    settings.kind = static_cast<ReplaceKind>(kind_->checkedId());
    settings.s = toText(search_->text());
    settings.r = toText(replacement_->text());
    settings.n = n_->value();
    settings.c = c_->value();
    settings.caseSensitive = caseSensitive_->isChecked();
    return settings;
}

}  // namespace vartel

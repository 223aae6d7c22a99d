#include "app/tabs/replace_tab.h"

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {

ReplaceTab::ReplaceTab(QWidget* parent) : OperationTab(parent) {
    auto* layout = tabLayout(this);
    search_ = textField(layout, ui::kSearchText, this);
    replacement_ = textField(layout, ui::kReplacementText, this);
    // Two columns each, so that the tab shows whole: three would make the tab, and with it the
    // window, far wider than the rest.
    layout->addWidget(radioGroup(ui::kReplaceRange, ui::kReplaceRanges, 2, range_, this));
    QStringList kinds = ui::kReplaceKinds;
    for (const auto& conversion : kTextConversions) kinds << toQString(Text(conversion.caption));
    layout->addWidget(radioGroup(ui::kReplaceKind, kinds, 3, kind_, this));
    countPairField(layout, position_, count_, this);
    caseSensitive_ = new QCheckBox(ui::kCaseSensitive, this);
    // Only a replacement has a pattern to read as a regular expression.
    regex_ = new QCheckBox(ui::kRegularExpression, this);
    layout->addWidget(sideBySide({caseSensitive_, regex_}, this));
    const auto followKind = [this] {
        regex_->setEnabled(kind_->checkedId() == static_cast<int>(ReplaceKind::Replace));
    };
    connect(kind_, &QButtonGroup::idToggled, this, followKind);
    finish(layout);
}

ReplaceSettings ReplaceTab::settings() const {
    ReplaceSettings settings;
    settings.range = static_cast<ReplaceRange>(range_->checkedId());
    settings.kind = static_cast<ReplaceKind>(kind_->checkedId());
    settings.search = toText(search_->text());
    settings.replacement = toText(replacement_->text());
    settings.position = position_->value();
    settings.count = count_->value();
    settings.caseSensitive = caseSensitive_->isChecked();
    settings.regex = settings.kind == ReplaceKind::Replace && regex_->isChecked();
    return settings;
}

}  // namespace vartel

#include "app/tabs/search_tab.h"

#include <QComboBox>
#include <QLabel>

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/tabs/form_parts.h"

namespace vartel {
namespace {

QComboBox* choice(const QStringList& captions, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems(captions);
    return box;
}

}  // namespace

SearchTab::SearchTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);

    auto* text = new QGroupBox(ui::kTextSearchGroup, this);
    auto* textLayout = groupLayout(text);
    pattern_ = new QLineEdit(text);
    auto* patternCaption = new QLabel(ui::kSearchPattern, text);
    patternCaption->setBuddy(pattern_);
    textLayout->addWidget(patternCaption);
    textLayout->addWidget(pattern_);
    field_ = choice(ui::kSearchFields, text);
    textLayout->addWidget(labelled(ui::kSearchField, field_, text));
    condition_ = choice(ui::kSearchConditions, text);
    textLayout->addWidget(labelled(ui::kSearchCondition, condition_, text));
    textNarrowing_ = new QCheckBox(ui::kNarrowing, text);
    caseSensitive_ = new QCheckBox(ui::kSearchCaseSensitive, text);
    textLayout->addWidget(textNarrowing_);
    textLayout->addWidget(caseSensitive_);
    auto* searchText = button(ui::kSearch, ui::kSearchHint, text);
    textLayout->addWidget(searchText);
    layout->addWidget(text);

    auto* sizeGroup = new QGroupBox(ui::kSizeSearchGroup, this);
    auto* sizeLayout = groupLayout(sizeGroup);
    size_ = new QLineEdit(sizeGroup);
    unit_ = choice(ui::kSizeUnits, sizeGroup);
    auto* sizeLine = labelled(ui::kSize, size_, sizeGroup);
    sizeLine->layout()->addWidget(unit_);
    sizeLayout->addWidget(sizeLine);
    range_ = choice(ui::kSizeRanges, sizeGroup);
    sizeLayout->addWidget(labelled(ui::kSizeRange, range_, sizeGroup));
    sizeNarrowing_ = new QCheckBox(ui::kNarrowing, sizeGroup);
    sizeLayout->addWidget(sizeNarrowing_);
    auto* searchSize = button(ui::kSearch, ui::kSearchHint, sizeGroup);
    sizeLayout->addWidget(searchSize);
    layout->addWidget(sizeGroup);
    layout->addStretch(1);

    connect(searchText, &QPushButton::clicked, this, &SearchTab::textSearchRequested);
    connect(pattern_, &QLineEdit::returnPressed, this, &SearchTab::textSearchRequested);
    connect(searchSize, &QPushButton::clicked, this, &SearchTab::sizeSearchRequested);
    connect(size_, &QLineEdit::returnPressed, this, &SearchTab::sizeSearchRequested);
}

TextSearch SearchTab::textSearch() const {
    TextSearch search;
    search.pattern = toText(pattern_->text());
    search.field = static_cast<TextSearch::Field>(field_->currentIndex());
    search.condition = static_cast<TextSearch::Condition>(condition_->currentIndex());
    search.narrowing = textNarrowing_->isChecked();
    search.caseSensitive = caseSensitive_->isChecked();
    return search;
}

SizeSearch SearchTab::sizeSearch() const {
    SizeSearch search;
    search.value = toText(size_->text());
    search.unit = static_cast<SizeSearch::Unit>(unit_->currentIndex());
    search.range = static_cast<SizeSearch::Range>(range_->currentIndex());
    search.narrowing = sizeNarrowing_->isChecked();
    return search;
}

}  // namespace vartel

#include "app/search_tab.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace vartel {
namespace {

const QString kNarrowing = QStringLiteral("絞込み検索");
const QString kSearch = QStringLiteral("検索");
const QString kSearchHint = QStringLiteral("変換リストを検索します");

QComboBox* choice(const QStringList& captions, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems(captions);
    return box;
}

}  // namespace

SearchTab::SearchTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);

    auto* text = new QGroupBox(QStringLiteral("文字検索"), this);
    auto* textLayout = new QVBoxLayout(text);
    pattern = new QLineEdit(text);
    textLayout->addWidget(new QLabel(QStringLiteral("検索文字列"), text));
    textLayout->addWidget(pattern);
    field = choice(
        {QStringLiteral("ファイル名"), QStringLiteral("種類（拡張子）"), QStringLiteral("パス")},
        text);
    textLayout->addWidget(labelled(QStringLiteral("検索位置"), field, text));
    condition = choice(
        {QStringLiteral("’検索文字列’を含む"), QStringLiteral("’検索文字列’を含まない")}, text);
    textLayout->addWidget(labelled(QStringLiteral("検索条件"), condition, text));
    textNarrowing = new QCheckBox(kNarrowing, text);
    caseSensitive = new QCheckBox(QStringLiteral("大文字と小文字を区別する"), text);
    textLayout->addWidget(textNarrowing);
    textLayout->addWidget(caseSensitive);
    searchText = button(kSearch, kSearchHint, text);
    textLayout->addWidget(searchText);
    layout->addWidget(text);

    auto* sizeGroup = new QGroupBox(QStringLiteral("サイズ検索"), this);
    auto* sizeLayout = new QVBoxLayout(sizeGroup);
    size = new QLineEdit(sizeGroup);
    unit = choice({QStringLiteral("B（バイト）"), QStringLiteral("KB（キロバイト）"),
                   QStringLiteral("MB（メガバイト）"), QStringLiteral("GB（ギガバイト）")},
                  sizeGroup);
    auto* sizeLine = labelled(QStringLiteral("サイズ"), size, sizeGroup);
    sizeLine->layout()->addWidget(unit);
    sizeLayout->addWidget(sizeLine);
    range = choice({QStringLiteral("以上"), QStringLiteral("以下")}, sizeGroup);
    sizeLayout->addWidget(labelled(QStringLiteral("範囲"), range, sizeGroup));
    sizeNarrowing = new QCheckBox(kNarrowing, sizeGroup);
    sizeLayout->addWidget(sizeNarrowing);
    searchSize = button(kSearch, kSearchHint, sizeGroup);
    sizeLayout->addWidget(searchSize);
    layout->addWidget(sizeGroup);
    layout->addStretch(1);
}

TextSearch SearchTab::textSearch() const {
    TextSearch search;
    search.pattern = toText(pattern->text());
    search.field = static_cast<TextSearch::Field>(field->currentIndex());
    search.condition = static_cast<TextSearch::Condition>(condition->currentIndex());
    search.narrowing = textNarrowing->isChecked();
    search.caseSensitive = caseSensitive->isChecked();
    return search;
}

SizeSearch SearchTab::sizeSearch() const {
    SizeSearch search;
    search.value = toText(size->text());
    search.unit = static_cast<SizeSearch::Unit>(unit->currentIndex());
    search.range = static_cast<SizeSearch::Range>(range->currentIndex());
    search.narrowing = sizeNarrowing->isChecked();
    return search;
}

}  // namespace vartel

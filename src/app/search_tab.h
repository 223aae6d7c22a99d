#pragma once

#include <QComboBox>
#include <QWidget>

#include "app/form_parts.h"
#include "workspace/search.h"

namespace vartel {

// The editing tab "検索": selects rows of the conversion list by text or by size.
class SearchTab : public QWidget {
    Q_OBJECT

  public:
    explicit SearchTab(QWidget* parent = nullptr);

    TextSearch textSearch() const;
    SizeSearch sizeSearch() const;

    QLineEdit* pattern;
    QComboBox* field;
    QComboBox* condition;
    QCheckBox* textNarrowing;
    QCheckBox* caseSensitive;
    QPushButton* searchText;
    QLineEdit* size;
    QComboBox* unit;
    QComboBox* range;
    QCheckBox* sizeNarrowing;
    QPushButton* searchSize;
};

}  // namespace vartel

#pragma once

#include <QWidget>

#include "workspace/lists/search.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vartel {

// The editing tab "検索": selects rows of the conversion list by text or by size.
class SearchTab : public QWidget {
    Q_OBJECT

  public:
    explicit SearchTab(QWidget* parent = nullptr);

    TextSearch textSearch() const;
    SizeSearch sizeSearch() const;

  signals:
    // "検索" of either group, or Enter in its field.
    void textSearchRequested();
    void sizeSearchRequested();

  private:
    QLineEdit* pattern_;
    QComboBox* field_;
    QComboBox* condition_;
    QCheckBox* textNarrowing_;
    QCheckBox* caseSensitive_;
    QLineEdit* size_;
    QComboBox* unit_;
    QComboBox* range_;
    QCheckBox* sizeNarrowing_;
};

}  // namespace vartel

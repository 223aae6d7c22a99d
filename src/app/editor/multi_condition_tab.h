#pragma once

#include <QWidget>

#include "common/dialogs.h"
#include "macro/multi_condition_table.h"

class QLineEdit;
class QMenu;
class QTableView;

namespace vartel {

class CommandBoundary;
class TextTableModel;

// The tab "複数条件": the lookup table of the multiple-condition instructions, its file
// buttons, the two fields of a new pair and the context menu "削除".
class MultiConditionTab : public QWidget {
    Q_OBJECT

  public:
    MultiConditionTab(MultiConditionTable& table, Dialogs& dialogs, CommandBoundary& boundary,
                      QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    QLineEdit* searchField() const { return search_; }
    QLineEdit* outputField() const { return output_; }
    QMenu* contextMenu() const { return menu_; }

  public slots:
    void loadTable();
    void addFromFile();
    void saveTable();
    void addPair();
    void deleteSelected();
    void refresh();

  private:
    void loadFile(bool replace);

    MultiConditionTable& table_;
    Dialogs& dialogs_;
    CommandBoundary& boundary_;
    TextTableModel* model_;
    QTableView* list_;
    QLineEdit* search_;
    QLineEdit* output_;
    QMenu* menu_;
};

}  // namespace vartel

#pragma once

#include <QPushButton>
#include <QWidget>

#include "app/row_list_view.h"

namespace vartel {

// The preview or the history tab: the list, the selection and check buttons, one more command
// on the left and the main command at the right.
class ResultListPanel : public QWidget {
    Q_OBJECT

  public:
    ResultListPanel(const QString& extraCaption, const QString& mainCaption,
                    QWidget* parent = nullptr);

    RowListView* list;
    QPushButton* selectAll;
    QPushButton* check;
    QPushButton* uncheck;
    QPushButton* extra;
    QPushButton* main;
    QAction* checkAction;
    QAction* uncheckAction;
};

}  // namespace vartel

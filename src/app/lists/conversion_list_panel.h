#pragma once

#include <QWidget>

#include "app/lists/conversion_list_view.h"

namespace vartel {

class ActionTable;

// "変換リスト" with its five buttons above the list.
class ConversionListPanel : public QWidget {
    Q_OBJECT

  public:
    explicit ConversionListPanel(QWidget* parent = nullptr);

    ConversionListView* view() const { return view_; }
    void bindActions(ActionTable& actions);

  signals:
    void loadRequested();
    void saveRequested();
    void selectAllRequested();
    void moveUpRequested();
    void moveDownRequested();

  private:
    ConversionListView* view_;
    QList<QWidget*> buttons_;
};

}  // namespace vartel

#pragma once

#include <QWidget>

#include "app/lists/row_list_view.h"

namespace vartel {

// The preview or the history tab: the list, the selection and check buttons, one more command
// on the left and the main command at the right. After a selection or check command the list
// has the keyboard focus. Ctrl+A, Ctrl+C and Ctrl+D select, check and uncheck there, as in the
// conversion list.
class ResultListPanel : public QWidget {
    Q_OBJECT

  public:
    ResultListPanel(const QString& extraCaption, const QString& mainCaption,
                    QWidget* parent = nullptr);

    RowListView* list() const { return list_; }

  signals:
    void selectAllRequested();
    void checkRequested();
    void uncheckRequested();
    // "変換リストに戻す" or "クリア".
    void extraRequested();
    // "変換実行" or "元に戻す".
    void mainRequested();

  private:
    // Runs a selection or check intent, then hands the list the focus.
    void onList(void (ResultListPanel::*intent)());

    RowListView* list_;
};

}  // namespace vartel

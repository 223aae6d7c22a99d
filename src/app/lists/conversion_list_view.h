#pragma once

#include <QStringList>
#include <vector>

#include "app/lists/row_list_view.h"

namespace vartel {

// The conversion list: rows move by dragging them, and files dropped from the desktop on the
// list are handed on like drops anywhere else on the window.
class ConversionListView : public RowListView {
    Q_OBJECT

  public:
    explicit ConversionListView(QWidget* parent = nullptr);

  signals:
    void dragStarted();
    void rowsDropped(int targetRow);
    void filesDropped(const QStringList& paths);

  protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The local paths of a drop from the desktop, in the order the desktop gives them.
QStringList droppedPaths(const QMimeData* data);

}  // namespace vartel

#pragma once

#include <QStringList>
#include <optional>

#include "app/lists/row_list_view.h"

namespace vartel {

// The conversion list: selected rows move when the mouse drags them to another row, and files
// dropped from the desktop on the list are handed on like drops anywhere else on the window.
class ConversionListView : public RowListView {
    Q_OBJECT

  public:
    explicit ConversionListView(QWidget* parent = nullptr);

  signals:
    void dragStarted();
    // The row the dragged rows were let go on, -1 below the last row.
    void rowsDropped(int targetRow);
    void filesDropped(const QStringList& paths);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // A press on a selected row waits: it starts a move of the selection, or, let go where
    // it was, selects that row alone as a click does.
    std::optional<QPoint> pressedOnSelection_;
    bool movingRows_ = false;
};

// The local paths of a drop from the desktop, in the order the desktop gives them.
QStringList droppedPaths(const QMimeData* data);

}  // namespace vartel

#include "app/lists/conversion_list_view.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace vartel {

ConversionListView::ConversionListView(QWidget* parent) : RowListView(parent) {
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void ConversionListView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && at.isValid() &&
        selectionModel()->isRowSelected(at.row(), {})) {
        pressedOnSelection_ = event->position().toPoint();
        return;
    }
    RowListView::mousePressEvent(event);
}

void ConversionListView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedOnSelection_) {
        RowListView::mouseMoveEvent(event);
        return;
    }
    const QPoint moved = event->position().toPoint() - *pressedOnSelection_;
    if (!movingRows_ && moved.manhattanLength() >= QApplication::startDragDistance()) {
        movingRows_ = true;
        emit dragStarted();
        setCursor(Qt::DragMoveCursor);
    }
}

void ConversionListView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressedOnSelection_) {
        RowListView::mouseReleaseEvent(event);
        return;
    }
    const QPoint pressedAt = *pressedOnSelection_;
    pressedOnSelection_.reset();
    if (movingRows_) {
        movingRows_ = false;
        unsetCursor();
        emit rowsDropped(rowAt(event->position().toPoint().y()));
        return;
    }
    // No move after all: the press goes through now, as a plain click.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pressedAt), event->globalPosition(),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    RowListView::mousePressEvent(&press);
    RowListView::mouseReleaseEvent(event);
}

void ConversionListView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void ConversionListView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void ConversionListView::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    emit filesDropped(droppedPaths(event->mimeData()));
    event->acceptProposedAction();
}

QStringList droppedPaths(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    return paths;
}

}  // namespace vartel

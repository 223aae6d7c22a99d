#include "app/lists/conversion_list_view.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace vartel {
namespace {

const QString kRowsFormat = QStringLiteral("application/x-vartel-rows");

bool acceptable(const QMimeData* data) {
    return data->hasFormat(kRowsFormat) || data->hasUrls();
}

}  // namespace

ConversionListView::ConversionListView(QWidget* parent) : RowListView(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

void ConversionListView::startDrag(Qt::DropActions) {
    emit dragStarted();
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(kRowsFormat, QByteArray());
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

void ConversionListView::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptable(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ConversionListView::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptable(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ConversionListView::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasFormat(kRowsFormat) && event->source() == this) {
        emit rowsDropped(rowAt(event->position().toPoint().y()));
        event->acceptProposedAction();
    } else if (data->hasUrls()) {
        emit filesDropped(droppedPaths(data));
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

QStringList droppedPaths(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    return paths;
}

}  // namespace vartel

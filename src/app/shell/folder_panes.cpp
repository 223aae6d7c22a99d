#include "app/shell/folder_panes.h"

#include <QAction>
#include <QDir>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/lists/one_line_rows.h"
#include "app/lists/text_table_model.h"
#include "app/messages.h"
#include "app/qt/qt_paths.h"
#include "app/shell/folder_tree_model.h"
#include "platform/folder_listing.h"

namespace vartel {

FolderPanes::FolderPanes(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    folders_ = new FolderTreeModel(this);
    tree_ = new QTreeView(this);
    tree_->setModel(folders_);
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(tree_, 1);

    fileModel_ = new TextTableModel(
        {QString()}, [this] { return static_cast<int>(fileNames_.size()); },
        [this](int row, int) { return textFromBytes(fileNames_[static_cast<std::size_t>(row)]); },
        this);
    files_ = new QTableView(this);
    files_->setModel(fileModel_);
    files_->setShowGrid(true);
    files_->setSelectionBehavior(QAbstractItemView::SelectRows);
    files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    files_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    files_->verticalHeader()->hide();
    showOneTextLinePerRow(files_);
    files_->horizontalHeader()->hide();
    files_->horizontalHeader()->setStretchLastSection(true);
    files_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(files_, 1);

    auto* reread = new QAction(ui::kRefresh, this);
    reread->setShortcut(QKeySequence(Qt::Key_F5));
    reread->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(reread, &QAction::triggered, this, &FolderPanes::refresh);
    addAction(reread);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { showFolder(folders_->pathOf(current)); });
    connect(tree_, &QWidget::customContextMenuRequested, this, &FolderPanes::showTreeMenu);
    connect(files_, &QWidget::customContextMenuRequested, this, &FolderPanes::showFileMenu);
    connect(files_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit addToListRequested({pathOf(index.row())}); });

    // A batch of renames changes the folder many times over: it is read once they stop.
    watcher_ = new QFileSystemWatcher(this);
    changed_ = new QTimer(this);
    changed_->setSingleShot(true);
    changed_->setInterval(200);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, changed_, qOverload<>(&QTimer::start));
    connect(changed_, &QTimer::timeout, this, &FolderPanes::readFiles);
    showFolder(QDir::homePath());
}

void FolderPanes::showFolder(const QString& path) {
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    folder_ = path;
    if (!path.isEmpty()) watcher_->addPath(path);
    files_->scrollToTop();
    readFiles();
}

void FolderPanes::readFiles() {
    changed_->stop();
    const int scrolled = files_->verticalScrollBar()->value();
    fileNames_ = fileNamesIn(QFile::encodeName(folder_).toStdString());
    fileModel_->refresh();
    files_->verticalScrollBar()->setValue(scrolled);
}

QString FolderPanes::currentFolder() const {
    return folder_;
}

QString FolderPanes::pathOf(int row) const {
    return QDir(folder_).filePath(
        pathQString(textFromBytes(fileNames_[static_cast<std::size_t>(row)])));
}

QStringList FolderPanes::selectedFiles() const {
    QModelIndexList rows = files_->selectionModel()->selectedRows();
    // The selection model keeps the order of the clicks; the user means the order shown.
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList paths;
    for (const QModelIndex& index : rows) paths << pathOf(index.row());
    return paths;
}

void FolderPanes::refresh() {
    folders_->reload();
    showFolder(folder_);
}

void FolderPanes::showTreeMenu(const QPoint& at) {
    // A right click chooses the folder it lands on, as a left click would.
    const QModelIndex index = tree_->indexAt(at);
    if (index.isValid()) tree_->setCurrentIndex(index);
    const QString path = index.isValid() ? folders_->pathOf(index) : currentFolder();
    QMenu menu(this);
    connect(menu.addAction(ui::kOpenFolder), &QAction::triggered, this,
            [this, path] { emit openFolderRequested(path); });
    connect(menu.addAction(ui::kAddFilesBelow), &QAction::triggered, this,
            [this, path] { emit addFilesBelowRequested(path); });
    QMenu* itself = menu.addMenu(ui::kAddFolderItself);
    connect(itself->addAction(ui::kThisFolderOnly), &QAction::triggered, this,
            [this, path] { emit addFolderRowsRequested(path, false); });
    connect(itself->addAction(ui::kThisFolderAndBelow), &QAction::triggered, this,
            [this, path] { emit addFolderRowsRequested(path, true); });
    menu.addSeparator();
    connect(menu.addAction(ui::kRefresh), &QAction::triggered, this, &FolderPanes::refresh);
    menu.exec(tree_->viewport()->mapToGlobal(at));
}

void FolderPanes::showFileMenu(const QPoint& at) {
    const QStringList paths = selectedFiles();
    if (paths.isEmpty()) return;
    QMenu menu(this);
    connect(menu.addAction(ui::kOpen), &QAction::triggered, this,
            [this, first = paths.first()] { emit openRequested(first); });
    connect(menu.addAction(ui::kOpenFolder), &QAction::triggered, this,
            [this, first = paths.first()] { emit openFileFolderRequested(first); });
    connect(menu.addAction(ui::kAddToList), &QAction::triggered, this,
            [this, paths] { emit addToListRequested(paths); });
    menu.exec(files_->viewport()->mapToGlobal(at));
}

}  // namespace vartel

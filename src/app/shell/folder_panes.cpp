#include "app/shell/folder_panes.h"

#include <QAction>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/lists/one_line_rows.h"
#include "app/messages.h"
#include "app/shell/folder_tree_model.h"

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

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    fileModel_->setReadOnly(true);
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
    for (int column = 1; column < fileModel_->columnCount(); ++column) files_->hideColumn(column);
    files_->setSortingEnabled(true);
    files_->sortByColumn(0, Qt::AscendingOrder);
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
    showFolder(QDir::homePath());
}

void FolderPanes::showFolder(const QString& path) {
    fileModel_->setRootPath(path);
    files_->setRootIndex(fileModel_->index(path));
}

QString FolderPanes::currentFolder() const {
    return fileModel_->rootPath();
}

QStringList FolderPanes::selectedFiles() const {
    QModelIndexList rows = files_->selectionModel()->selectedRows();
    // The selection model keeps the order of the clicks; the user means the order shown.
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList paths;
    for (const QModelIndex& index : rows) paths << fileModel_->filePath(index);
    return paths;
}

void FolderPanes::refresh() {
    const QString shown = currentFolder();
    folders_->reload();
    // The file model reads a folder again only once it has let go of it.
    fileModel_->setRootPath(QString());
    showFolder(shown);
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

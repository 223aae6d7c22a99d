#include "app/shell/folder_panes.h"

#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QVBoxLayout>

#include "app/messages.h"

namespace vartel {

FolderPanes::FolderPanes(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setReadOnly(true);
    // The tree shows the folders as they were when opened; it does not follow the disk.
    folders_->setOption(QFileSystemModel::DontWatchForChanges);
    const QString home = QDir::homePath();
    folders_->setRootPath(home);
    tree = new QTreeView(this);
    tree->setModel(folders_);
    tree->setRootIndex(folders_->index(home));
    tree->setRootIsDecorated(false);
    tree->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) tree->hideColumn(column);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(tree, 1);

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    fileModel_->setReadOnly(true);
    files = new QTableView(this);
    files->setModel(fileModel_);
    files->setShowGrid(true);
    files->setSelectionBehavior(QAbstractItemView::SelectRows);
    files->setSelectionMode(QAbstractItemView::ExtendedSelection);
    files->setEditTriggers(QAbstractItemView::NoEditTriggers);
    files->verticalHeader()->hide();
    files->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    files->verticalHeader()->setDefaultSectionSize(files->fontMetrics().height() + 4);
    files->horizontalHeader()->hide();
    files->horizontalHeader()->setStretchLastSection(true);
    for (int column = 1; column < fileModel_->columnCount(); ++column) files->hideColumn(column);
    files->setSortingEnabled(true);
    files->sortByColumn(0, Qt::AscendingOrder);
    files->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(files, 1);

    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { showFolder(folders_->filePath(current)); });
    connect(tree, &QWidget::customContextMenuRequested, this, &FolderPanes::showTreeMenu);
    connect(files, &QWidget::customContextMenuRequested, this, &FolderPanes::showFileMenu);
    showFolder(home);
}

void FolderPanes::showFolder(const QString& path) {
    fileModel_->setRootPath(path);
    files->setRootIndex(fileModel_->index(path));
}

QString FolderPanes::currentFolder() const {
    return fileModel_->rootPath();
}

QStringList FolderPanes::selectedFiles() const {
    QStringList paths;
    for (const QModelIndex& index : files->selectionModel()->selectedRows())
        paths << fileModel_->filePath(index);
    return paths;
}

void FolderPanes::showTreeMenu(const QPoint& at) {
    // A right click chooses the folder it lands on, as a left click would.
    const QModelIndex index = tree->indexAt(at);
    if (index.isValid()) tree->setCurrentIndex(index);
    const QString path = index.isValid() ? folders_->filePath(index) : currentFolder();
    QMenu menu(this);
    connect(menu.addAction(ui::kOpenFolder), &QAction::triggered, this,
            [this, path] { emit openFolderRequested(path); });
    connect(menu.addAction(ui::kAddFilesBelow), &QAction::triggered, this,
            [this, path] { emit addFilesBelowRequested(path); });
    menu.exec(tree->viewport()->mapToGlobal(at));
}

void FolderPanes::showFileMenu(const QPoint& at) {
    const QStringList paths = selectedFiles();
    QMenu menu(this);
    connect(menu.addAction(ui::kOpen), &QAction::triggered, this,
            [this, paths] { emit openRequested(paths); });
    connect(menu.addAction(ui::kOpenFolder), &QAction::triggered, this,
            [this, paths] { emit openFileFolderRequested(paths); });
    connect(menu.addAction(ui::kAddToList), &QAction::triggered, this,
            [this, paths] { emit addToListRequested(paths); });
    menu.exec(files->viewport()->mapToGlobal(at));
}

}  // namespace vartel

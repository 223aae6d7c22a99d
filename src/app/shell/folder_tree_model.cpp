#include "app/shell/folder_tree_model.h"

#include <QDir>
#include <QFileIconProvider>
#include <QStorageInfo>

namespace vartel {
namespace {

constexpr int kPathRole = Qt::UserRole + 1;
constexpr int kReadRole = Qt::UserRole + 2;

QStandardItem* folderItem(const QString& path, const QString& caption, const QIcon& icon) {
    auto* item = new QStandardItem(icon, caption);
    item->setData(path, kPathRole);
    item->setData(false, kReadRole);
    item->setEditable(false);
    return item;
}

}  // namespace

bool isVolumeMount(const QString& rootPath) {
    for (const char* mounts : {"/media/", "/run/media/", "/mnt/"})
        if (rootPath.startsWith(QLatin1String(mounts))) return true;
    return rootPath == QLatin1String("/mnt");
}

FolderTreeModel::FolderTreeModel(QObject* parent) : QStandardItemModel(parent) {
    reload();
}

void FolderTreeModel::reload() {
    clear();
    const QFileIconProvider icons;
    const QString home = QDir::homePath();
    addTop(home, QDir(home).dirName(), icons.icon(QFileIconProvider::Folder));
    addTop(QDir::rootPath(), QDir::rootPath(), icons.icon(QFileIconProvider::Drive));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !isVolumeMount(volume.rootPath())) continue;
        const QString caption =
            volume.displayName().isEmpty() ? volume.rootPath() : volume.displayName();
        addTop(volume.rootPath(), caption, icons.icon(QFileIconProvider::Drive));
    }
}

void FolderTreeModel::addTop(const QString& path, const QString& caption, const QIcon& icon) {
    invisibleRootItem()->appendRow(folderItem(path, caption, icon));
}

QString FolderTreeModel::pathOf(const QModelIndex& index) const {
    return index.data(kPathRole).toString();
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
    // A folder not read yet may have subfolders; it shows its expand arrow until it is read.
    if (parent.isValid() && !parent.data(kReadRole).toBool()) return true;
    return QStandardItemModel::hasChildren(parent);
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    return parent.isValid() && !parent.data(kReadRole).toBool();
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
    QStandardItem* folder = itemFromIndex(parent);
    if (!folder) return;
    folder->setData(true, kReadRole);
    const QFileIconProvider icons;
    const QDir::Filters filters = QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo& sub : QDir(pathOf(parent)).entryInfoList(filters, QDir::Name)) {
        folder->appendRow(folderItem(sub.absoluteFilePath(), sub.fileName(),
                                     icons.icon(QFileIconProvider::Folder)));
    }
    // With no subfolders the arrow goes away.
    emit dataChanged(parent, parent);
}

}  // namespace vartel

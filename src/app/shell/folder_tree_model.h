#pragma once

#include <QStandardItemModel>

namespace vartel {

// The folder tree as a desktop shows it: the home folder, the root of the file system and the
// mounted volumes at the top, with the desktop's folder and drive icons. A folder's subfolders,
// hidden ones included, are read when it is first expanded; nothing follows the disk until the
// tree is read again.
class FolderTreeModel : public QStandardItemModel {
    Q_OBJECT

  public:
    explicit FolderTreeModel(QObject* parent = nullptr);

    // Reads the tree afresh from the top.
    void reload();
    QString pathOf(const QModelIndex& index) const;

    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    void addTop(const QString& path, const QString& caption, const QIcon& icon);
};

// The folders under which removable and other volumes are mounted.
bool isVolumeMount(const QString& rootPath);

}  // namespace vartel

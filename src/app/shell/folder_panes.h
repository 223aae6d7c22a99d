#pragma once

#include <QFileSystemModel>
#include <QStringList>
#include <QTableView>
#include <QTreeView>
#include <QWidget>

namespace vartel {

// The left column: a tree of folders from the home folder down, and under it the files of the
// folder chosen in the tree. Neither renames anything in place.
class FolderPanes : public QWidget {
    Q_OBJECT

  public:
    explicit FolderPanes(QWidget* parent = nullptr);

    // Shows the files of a folder, as choosing it in the tree does.
    void showFolder(const QString& path);
    QString currentFolder() const;
    QStringList selectedFiles() const;

    QTreeView* tree;
    QTableView* files;

  signals:
    void openFolderRequested(const QString& path);
    void addFilesBelowRequested(const QString& path);
    void openRequested(const QStringList& paths);
    void openFileFolderRequested(const QStringList& paths);
    void addToListRequested(const QStringList& paths);

  private:
    void showTreeMenu(const QPoint& at);
    void showFileMenu(const QPoint& at);

    QFileSystemModel* folders_;
    QFileSystemModel* fileModel_;
};

}  // namespace vartel

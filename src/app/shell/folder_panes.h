#pragma once

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

class QFileSystemWatcher;
class QTableView;
class QTimer;
class QTreeView;

namespace vartel {

class FolderTreeModel;
class TextTableModel;

// The left column: the folder tree of the desktop, and under it the files of the folder chosen
// in the tree, in the order a walk of the folder adds them, folders left out; the file pane
// follows changes to its folder. Neither renames anything in place. A command on files takes
// them in the pane's order, whatever order they were clicked in; a double-click on a file adds
// it to the conversion list.
class FolderPanes : public QWidget {
    Q_OBJECT

  public:
    explicit FolderPanes(QWidget* parent = nullptr);

    // Shows the files of a folder, as choosing it in the tree does.
    void showFolder(const QString& path);
    QString currentFolder() const;
    // The selected files in the pane's order.
    QStringList selectedFiles() const;
    // Reads the folder tree and the file pane afresh (F5).
    void refresh();

    QTreeView* tree() const { return tree_; }
    QTableView* files() const { return files_; }

  signals:
    void openFolderRequested(const QString& path);
    void addFilesBelowRequested(const QString& path);
    // The folder as a row of its own, and with it every folder below it when asked.
    void addFolderRowsRequested(const QString& path, bool withSubfolders);
    // "開く" and "フォルダを開く" of the file pane: the first selected file.
    void openRequested(const QString& path);
    void openFileFolderRequested(const QString& path);
    void addToListRequested(const QStringList& paths);

  private:
    void showTreeMenu(const QPoint& at);
    void showFileMenu(const QPoint& at);
    void readFiles();
    QString pathOf(int row) const;

    FolderTreeModel* folders_;
    QString folder_;
    std::vector<std::string> fileNames_;  // of the folder, as bytes
    TextTableModel* fileModel_;
    QFileSystemWatcher* watcher_;
    QTimer* changed_;  // reads the folder again once its changes have settled
    QTreeView* tree_;
    QTableView* files_;
};

}  // namespace vartel

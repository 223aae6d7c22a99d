#include <QHeaderView>
#include <QMenu>
#include <QTreeView>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <set>

#include "../support/temporary_folder.h"
#include "app/lists/conversion_list_view.h"
#include "app/lists/result_list_panel.h"
#include "app/shell/folder_panes.h"
#include "app/shell/folder_tree_model.h"
#include "gui_input.h"
#include "gui_test_registry.h"
#include "test_program.h"

using namespace vartel;
namespace fs = std::filesystem;

namespace {

// Opens the tree down to a folder, one level at a time as a user clicks the arrows, and gives
// its index.
QModelIndex openTreeAt(QTreeView* tree, const QString& path) {
    auto* model = static_cast<FolderTreeModel*>(tree->model());
    QModelIndex at = model->index(1, 0);  // the file system root
    if (model->pathOf(at) != QStringLiteral("/")) return {};
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        tree->expand(at);
        QModelIndex next;
        for (int row = 0; row < model->rowCount(at); ++row) {
            const QModelIndex child = model->index(row, 0, at);
            if (model->pathOf(child).endsWith('/' + part)) next = child;
        }
        if (!next.isValid()) return {};
        at = next;
    }
    tree->scrollTo(at);
    return at;
}

// Right-clicks the folder in the tree and chooses an entry of the submenu.
void chooseInTreeMenu(QTreeView* tree, const QModelIndex& folder, const QString& submenu,
                      const QString& entry) {
    QTimer::singleShot(0, [submenu, entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* item : menu->actions()) {
            if (item->text() != submenu || !item->menu()) continue;
            for (QAction* choice : item->menu()->actions())
                if (choice->text() == entry) choice->trigger();
        }
        menu->close();
    });
    const QPoint at = tree->visualRect(folder).center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &request);
}

std::set<std::string> entriesOnDisk(const fs::path& root) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        names.insert(fs::relative(entry.path(), root).string());
    return names;
}

}  // namespace

class FolderRowsTest : public QObject {
    Q_OBJECT

  private slots:
    // A folder taken from the tree as a row is renamed whole and put back by undo, its files
    // inside untouched; with the folders below it, each is a row and the deepest goes first.
    void aFolderFromTheTreeIsRenamedAsItself() {
        TemporaryFolder folder;
        fs::create_directories(folder.path() / "album.2024" / "disc 1");
        std::ofstream(folder.path() / "album.2024" / "disc 1" / "01.mp3") << "x";
        TestProgram program;
        QTreeView* tree = program.window.folderPanes()->tree();
        const QModelIndex album =
            openTreeAt(tree, QString::fromStdString((folder.path() / "album.2024").string()));
        QVERIFY(album.isValid());
        chooseInTreeMenu(tree, album, "フォルダ自体を変換リストに追加", "このフォルダだけ");
        QCOMPARE(program.rows(), 1);
        const QModelIndex row = program.window.conversionList()->model()->index(0, 0);
        QCOMPARE(row.data().toString(), QStringLiteral("album.2024"));
        QVERIFY(!row.data(Qt::DecorationRole).isNull());
        // Taken off the list again: select all, then exclude.
        program.window.conversionList()->setFocus();
        QTest::keyClick(program.window.conversionList(), Qt::Key_A, Qt::ControlModifier);
        program.entry("編集", "除外")->trigger();
        QCOMPARE(program.rows(), 0);

        chooseInTreeMenu(tree, album, "フォルダ自体を変換リストに追加",
                         "このフォルダと下のすべてのフォルダ");
        QCOMPARE(program.rows(), 2);
        retype(program.field("追加", "追加文字"), "_x");
        QVERIFY(clickButton(program.tab("追加"), "最後に追加"));
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        // The whole name is the stem: nothing is put before the dot of "album.2024".
        QCOMPARE(entriesOnDisk(folder.path()),
                 (std::set<std::string>{"album.2024_x", "album.2024_x/disc 1_x",
                                        "album.2024_x/disc 1_x/01.mp3"}));

        QVERIFY(clickButton(program.window.historyPanel(), "元に戻す"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QCOMPARE(
            entriesOnDisk(folder.path()),
            (std::set<std::string>{"album.2024", "album.2024/disc 1", "album.2024/disc 1/01.mp3"}));
    }

    // The numbering tab's switch numbers every folder on its own, although the sort by name
    // interleaves the rows of the two folders.
    void numbersEveryFolderOnItsOwnAfterASort() {
        TemporaryFolder folder;
        for (const char* sub : {"a", "b"}) fs::create_directory(folder.path() / sub);
        for (const char* file : {"a/p.jpg", "a/r.jpg", "b/q.jpg", "b/s.jpg", "b/t.jpg"})
            std::ofstream(folder.path() / file) << "x";
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QCOMPARE(program.rows(), 5);
        // Sorted by name: p (a), q (b), r (a), s (b), t (b).
        QHeaderView* header = program.window.conversionList()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QCOMPARE(program.workspace.conversionList()[0].name, Text(U"p.jpg"));
        QWidget* tab = program.tab("連番");
        QVERIFY(clickButton(tab, "最後に番号を追加"));
        QAbstractButton* perFolder = buttonIn(tab, "フォルダごとに番号を振り直す");
        QVERIFY(perFolder);
        QVERIFY(!perFolder->isChecked());
        QVERIFY(clickButton(tab, "フォルダごとに番号を振り直す"));
        QVERIFY(perFolder->isChecked());
        QVERIFY(clickButton(tab, "プレビュー"));
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QCOMPARE(entriesOnDisk(folder.path()),
                 (std::set<std::string>{"a", "a/p1.jpg", "a/r2.jpg", "b", "b/q1.jpg", "b/s2.jpg",
                                        "b/t3.jpg"}));
    }

    // The file pane shows the files of the folder chosen in the tree, in the order a walk adds
    // them, and no folder; a double-click on one adds that file alone.
    void theFilePaneListsFilesInNameOrderAndADoubleClickAddsOne() {
        TemporaryFolder folder;
        fs::create_directories(folder.path() / "album" / "sub");
        for (const char* file : {"IMG_0003.JPG", "あ.jpg", "img_0002.jpg", "B.jpg", "IMG_0001.JPG"})
            std::ofstream(folder.path() / "album" / file) << "x";
        TestProgram program;
        QTreeView* tree = program.window.folderPanes()->tree();
        const QModelIndex album =
            openTreeAt(tree, QString::fromStdString((folder.path() / "album").string()));
        QVERIFY(album.isValid());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(album).center());
        QTableView* files = program.window.folderPanes()->files();
        QStringList shown;
        for (int row = 0; row < files->model()->rowCount(); ++row)
            shown << files->model()->index(row, 0).data().toString();
        QCOMPARE(shown,
                 (QStringList{"B.jpg", "IMG_0001.JPG", "img_0002.jpg", "IMG_0003.JPG", "あ.jpg"}));

        const QRect third = files->visualRect(files->model()->index(2, 0));
        // The second press of a double-click comes as the double-click itself.
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, third.center());
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(program.rows(), 1);
        QCOMPARE(program.workspace.conversionList()[0].fullPath(),
                 textFromBytes((folder.path() / "album" / "img_0002.jpg").string()));
    }
};

VARTEL_GUI_TEST(FolderRowsTest)
#include "folder_rows_test.moc"

#include <QDir>
#include <QTreeView>
#include <QtTest>

#include "app/shell/folder_panes.h"
#include "app/shell/folder_tree_model.h"
#include "gui_test_registry.h"

using namespace vartel;

class FolderTreeTest : public QObject {
    Q_OBJECT

  private slots:
    // The tree starts where a desktop does, with icons, and every top folder can be opened.
    void startsAtTheHomeAndTheRootAndRereadsOnF5() {
        FolderPanes panes;
        panes.show();
        panes.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panes));
        QTreeView* tree = panes.tree();
        auto* model = static_cast<FolderTreeModel*>(tree->model());
        QStringList tops;
        for (int row = 0; row < model->rowCount(); ++row) {
            tops << model->pathOf(model->index(row, 0));
            QVERIFY(model->hasChildren(model->index(row, 0)));
            QVERIFY(!model->index(row, 0).data(Qt::DecorationRole).isNull());
        }
        QCOMPARE(tops.mid(0, 2), QStringList({QDir::homePath(), QDir::rootPath()}));

        // Expanding reads the subfolders once.
        const QModelIndex root = model->index(1, 0);
        tree->expand(root);
        QVERIFY(model->rowCount(root) > 0);
        QVERIFY(isVolumeMount(QStringLiteral("/media/user/USB")));
        QVERIFY(!isVolumeMount(QStringLiteral("/home")));

        // F5 reads the tree afresh, folded up again.
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_F5);
        QCOMPARE(model->rowCount(model->index(1, 0)), 0);
        QVERIFY(model->hasChildren(model->index(1, 0)));
    }
};

VARTEL_GUI_TEST(FolderTreeTest)
#include "folder_tree_test.moc"

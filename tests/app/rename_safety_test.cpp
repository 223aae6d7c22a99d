#include <stdlib.h>

#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

#include "../support/file_bytes.h"
#include "../support/temporary_folder.h"
#include "app/lists/result_list_panel.h"
#include "app/main/past_batches_dialog.h"
#include "app/qt/qt_dialogs.h"
#include "gui_input.h"
#include "gui_test_registry.h"
#include "platform/file_system.h"
#include "platform/rename_calls.h"
#include "test_program.h"
#include "workspace/journal/messages.h"
#include "workspace/journal/rename_journal.h"

using namespace vartel;
namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path) {
    std::ofstream(path) << path.filename().string();
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The user's state folder, where the journal lives, moved into a test folder for a while.
class StateFolder {
  public:
    explicit StateFolder(const fs::path& folder) {
        if (const char* before = std::getenv("XDG_STATE_HOME")) before_ = before;
        ::setenv("XDG_STATE_HOME", folder.c_str(), 1);
    }
    ~StateFolder() {
        if (before_)
            ::setenv("XDG_STATE_HOME", before_->c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
    }
    StateFolder(const StateFolder&) = delete;
    StateFolder& operator=(const StateFolder&) = delete;

  private:
    std::optional<std::string> before_;
};

QAbstractItemModel* previewRows(TestProgram& program) {
    return program.window.previewPanel()->list()->model();
}

QString cell(QAbstractItemModel* rows, int row, int column, int role = Qt::DisplayRole) {
    return rows->index(row, column).data(role).toString();
}

bool warned(QAbstractItemModel* rows, int row) {
    return rows->index(row, 1).data(Qt::BackgroundRole).isValid();
}

// Files dropped one by one (not their folder) and the last character of each stem deleted.
void previewWithoutLastCharacter(Program& program, const fs::path& folder,
                                 const std::vector<std::string>& names) {
    QStringList paths;
    for (const auto& name : names) paths << QString::fromStdString((folder / name).string());
    program.window.addPaths(paths);
    QWidget* tab = openTab(program.window.editTabs(), "削除");
    QVERIFY(clickButton(tab, "最後からＣ個の文字を削除"));
    retypeNumber(fieldLabelled<QSpinBox>(tab, "Ｃ："), 1);
    QVERIFY(clickButton(tab, "プレビュー"));
}

// Files f0..f3 in folder, renamed to gf0.. by a batch the journal recorded and a kill cut
// short after two renames.
void leaveBatchCutShort(const fs::path& folder) {
    std::vector<RenameRequest> requests;
    for (const std::string name : {"f0", "f1", "f2", "f3"}) {
        const std::string path = (folder / name).string();
        writeFile(path);
        requests.push_back({path, "g" + name, lookUpFile(path)->identity});
    }
    auto journal = RenameJournal::openDefault();
    QVERIFY(journal);
    const RenamePlan plan = planRenames(requests);
    QVERIFY(journal->begin(BatchKind::Execute, requests, plan, lookUpBatchFiles(requests, plan)) !=
            nullptr);
    for (const RenameStep& step : {plan.steps[0], plan.steps[1]}) {
        QCOMPARE(renameStep(plan.pathOf(requests, step.from), plan.pathOf(requests, step.to)),
                 FileError::None);
    }
}

// Scripted, but for a question that may be left for later, which comes up in the real box.
struct LaterInABox : ScriptedDialogs {
    QtDialogs boxes;
    Answer confirmOrLater(const Text& text) override {
        questions.push_back(text);
        return boxes.confirmOrLater(text);
    }
};

// Clicks the check box of a row, as the user toggles it: the row's first cell becomes current
// and the space bar flips its box.
void toggleCheck(QTableView* view, int row) {
    const QRect first = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, first.center());
    QTest::keyClick(view, Qt::Key_Space);
}

}  // namespace

class RenameSafetyTest : public QObject {
    Q_OBJECT

  private slots:
    // Two rows that want one name and a row whose new name is taken are shown before executing,
    // with what makes them fail; unchecking one of them takes its clash away at once.
    void clashesAreVisibleBeforeExecuting() {
        TemporaryFolder folder;
        for (const char* name : {"a1.txt", "a2.txt", "b1.txt", "b.txt", "c1.txt"})
            writeFile(folder.path() / name);
        TestProgram program;
        previewWithoutLastCharacter(program, folder.path(), {"a1.txt", "a2.txt", "b1.txt"});
        QAbstractItemModel* rows = previewRows(program);
        QCOMPARE(rows->headerData(2, Qt::Horizontal).toString(), QStringLiteral("状態"));
        QCOMPARE(rows->rowCount(), 3);
        // The batch runs from the bottom up, so the lower of the two rows keeps the name.
        QCOMPARE(cell(rows, 0, 2), QStringLiteral("重複"));
        QCOMPARE(cell(rows, 1, 2), QString());
        QCOMPARE(cell(rows, 2, 2), QStringLiteral("同名のファイルがあります"));
        QVERIFY(warned(rows, 0));
        QVERIFY(!warned(rows, 1));
        QVERIFY(warned(rows, 2));
        QCOMPARE(cell(rows, 0, 1, Qt::ToolTipRole),
                 QStringLiteral("ほかの行が同じ名前に変更するため、この行は変更されません"));
        QCOMPARE(cell(rows, 2, 4, Qt::ToolTipRole),
                 QStringLiteral("同じ名前のファイルがすでにあるため、この行は変更されません"));
        QCOMPARE(program.window.conflictPanel()->text(), QStringLiteral("衝突 2件"));
        QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 3"));

        toggleCheck(program.window.previewPanel()->list(), 0);
        QVERIFY(!program.workspace.previewList()[0].checked);
        QCOMPARE(program.window.conflictPanel()->text(), QStringLiteral("衝突 1件"));
        QVERIFY(!warned(rows, 0));
        QCOMPARE(cell(rows, 0, 2), QString());
        // Checked again with the button, the clash is back.
        clickRow(program.window.previewPanel()->list(), 0);
        QVERIFY(clickButton(program.window.previewPanel(), "チェック"));
        QCOMPARE(program.window.conflictPanel()->text(), QStringLiteral("衝突 2件"));
        QVERIFY(warned(rows, 0));
        QCOMPARE(namesIn(folder.path()),
                 (std::set<std::string>{"a1.txt", "a2.txt", "b1.txt", "b.txt", "c1.txt"}));
    }

    // After executing, each red row says why it failed: the clash it had, or what the system
    // said when its file was replaced after the preview.
    void failedRowsSayWhyAfterExecuting() {
        TemporaryFolder folder;
        for (const char* name : {"a1.txt", "a2.txt", "b1.txt", "b.txt", "c1.txt"})
            writeFile(folder.path() / name);
        TestProgram program;
        previewWithoutLastCharacter(program, folder.path(),
                                    {"a1.txt", "a2.txt", "b1.txt", "c1.txt"});
        // Another file takes its name; made first, so that it cannot get the same inode.
        writeFile(folder.path() / "other");
        fs::rename(folder.path() / "other", folder.path() / "c1.txt");
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"3個のエラーがあります"));
        QAbstractItemModel* rows = previewRows(program);
        QCOMPARE(rows->rowCount(), 3);
        const QStringList reasons = {QStringLiteral("重複"),
                                     QStringLiteral("同名のファイルがあります"),
                                     QStringLiteral("別のファイルに置き換わっています")};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(rows->index(row, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
            QVERIFY(!warned(rows, row));
            QCOMPARE(cell(rows, row, 2), reasons[row]);
            QCOMPARE(cell(rows, row, 0, Qt::ToolTipRole), reasons[row]);
        }
        QCOMPARE(namesIn(folder.path()),
                 (std::set<std::string>{"a1.txt", "a.txt", "b1.txt", "b.txt", "c1.txt"}));
    }

    // Off by default, the entry makes each rename wait for nobody: a rename onto a name that
    // another row frees only later then fails, and the preview says so.
    void literalOrderIsAViewMenuEntry() {
        TemporaryFolder folder;
        for (const char* name : {"xa", "a"}) writeFile(folder.path() / name);
        TestProgram program;
        program.window.addPaths({QString::fromStdString((folder.path() / "xa").string()),
                                 QString::fromStdString((folder.path() / "a").string())});
        retype(program.field("追加", "追加文字"), "x");
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        QAction* literal = program.entry("表示", "順序を調整しない");
        QVERIFY(literal && literal->isCheckable());
        QVERIFY(!literal->isChecked());
        QAbstractItemModel* rows = previewRows(program);
        QCOMPARE(cell(rows, 1, 2), QStringLiteral("順序を調整"));
        QCOMPARE(program.window.conflictPanel()->text(), QStringLiteral("衝突 0件"));

        literal->trigger();
        QVERIFY(literal->isChecked());
        QCOMPARE(cell(rows, 1, 2), QStringLiteral("同名のファイルがあります"));
        QVERIFY(warned(rows, 1));
        QCOMPARE(program.window.conflictPanel()->text(), QStringLiteral("衝突 1件"));

        literal->trigger();
        QVERIFY(!literal->isChecked());
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QCOMPARE(namesIn(folder.path()), (std::set<std::string>{"xxa", "xa"}));
    }

    // Off at first and remembered between runs, the entry takes each row's companion files
    // along: the 状態 column counts them, its tooltip names them, and undo brings all back.
    void companionsAreAViewMenuEntryKeptBetweenRuns() {
        TemporaryFolder folder;
        for (const char* name : {"DSC01234.JPG", "DSC01234.ARW", "DSC01234.xmp", "DSC012345.ARW"})
            writeFile(folder.path() / name);
        const std::string state = folder.file("state/window.ini");
        {
            TestProgram program(state);
            QAction* companions = program.entry("表示", "関連ファイルも一緒に変換");
            QVERIFY(companions && companions->isCheckable());
            QVERIFY(!companions->isChecked());
            companions->trigger();
            QVERIFY(program.window.close());
        }
        TestProgram program(state);
        QVERIFY(program.entry("表示", "関連ファイルも一緒に変換")->isChecked());
        program.window.addPaths({QString::fromStdString(folder.file("DSC01234.JPG"))});
        retype(program.field("追加", "追加文字"), "京都_");
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        QAbstractItemModel* rows = previewRows(program);
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(cell(rows, 0, 2), QStringLiteral("関連ファイル 2件"));
        QCOMPARE(cell(rows, 0, 2, Qt::ToolTipRole),
                 QStringLiteral("一緒に変換する関連ファイル:\nDSC01234.ARW → 京都_DSC01234.ARW\n"
                                "DSC01234.xmp → 京都_DSC01234.xmp"));
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QCOMPARE(namesIn(folder.path()),
                 (std::set<std::string>{"京都_DSC01234.JPG", "京都_DSC01234.ARW",
                                        "京都_DSC01234.xmp", "DSC012345.ARW", "state"}));
        QVERIFY(clickButton(program.window.historyPanel(), "元に戻す"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QCOMPARE(namesIn(folder.path()),
                 (std::set<std::string>{"DSC01234.JPG", "DSC01234.ARW", "DSC01234.xmp",
                                        "DSC012345.ARW", "state"}));
    }

    // A batch killed half-way is found at the next start; the user chooses to put it back.
    void startUpOffersToRecoverABatchCutShort() {
        TemporaryFolder folder;
        fs::create_directory(folder.path() / "files");
        const StateFolder state(folder.path() / "state");
        leaveBatchCutShort(folder.path() / "files");
        TestProgram program;
        program.dialogs.answers = {Answer::No};
        program.startJournal();
        QCOMPARE(program.dialogs.lastQuestion(),
                 Text(U"前回の変換が途中で終わっています（4個のファイル）。\n"
                      U"「はい」で変換を最後まで行い、「いいえ」で元の名前に戻します。\n"
                      U"「後で」では何もせず、次に名前を変更するときにもう一度確認します。"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QCOMPARE(namesIn(folder.path() / "files"), (std::set<std::string>{"f0", "f1", "f2", "f3"}));
        QVERIFY(program.dialogs.errors.empty());
    }

    // Esc on that question, as closing the box, means 後で: nothing is touched and the batch
    // stays open. 変換実行 asks again and, left again, renames nothing.
    void escapeLeavesABatchCutShortForLater() {
        TemporaryFolder folder;
        const fs::path files = folder.path() / "files";
        fs::create_directory(files);
        const StateFolder state(folder.path() / "state");
        leaveBatchCutShort(files);
        writeFile(files / "x1.txt");
        const std::set<std::string> left = namesIn(files);
        LaterInABox dialogs;
        const FixedClock clock{LocalDateTime{2024, 1, 2, 3, 4, 5}};
        Program program(dialogs, clock, std::chrono::milliseconds(0));
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        QSet<QString> seen;
        const auto escapeWhenAsked = [&] {
            QTimer::singleShot(0, [&] {
                QWidget* box = QApplication::activeModalWidget();
                seen << box->windowTitle();
                for (QPushButton* button : box->findChildren<QPushButton*>())
                    seen << button->text();
                QTest::keyClick(box, Qt::Key_Escape);
            });
        };
        escapeWhenAsked();
        program.startJournal();
        QCOMPARE(seen, (QSet<QString>{"確認", "はい(&Y)", "いいえ(&N)", "後で"}));
        QCOMPARE(namesIn(files), left);
        QVERIFY(dialogs.messages.empty() && dialogs.errors.empty());

        previewWithoutLastCharacter(program, files, {"x1.txt"});
        escapeWhenAsked();
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(dialogs.questions.size(), std::size_t(2));
        QCOMPARE(dialogs.errors, std::vector<Text>{kUnfinishedBatchRefusal});
        QCOMPARE(namesIn(files), left);
    }

    // Renames of an earlier session come back through 表示 ▸ 過去の履歴 and are undone from the
    // history list.
    void aPastBatchIsLoadedAndUndone() {
        TemporaryFolder folder;
        fs::create_directory(folder.path() / "files");
        const StateFolder state(folder.path() / "state");
        // p3.txt fails: its new name is taken.
        for (const char* name : {"p1.txt", "p2.txt", "p3.txt", "old_p3.txt"})
            writeFile(folder.path() / "files" / name);
        {
            TestProgram earlier;
            earlier.startJournal();
            QStringList paths;
            for (const char* name : {"p1.txt", "p2.txt", "p3.txt"})
                paths << QString::fromStdString((folder.path() / "files" / name).string());
            earlier.window.addPaths(paths);
            retype(earlier.field("追加", "追加文字"), "old_");
            QVERIFY(clickButton(earlier.tab("追加"), "プレビュー"));
            QVERIFY(clickButton(earlier.window.previewPanel(), "変換実行"));
            QCOMPARE(earlier.dialogs.lastMessage(), Text(U"1個のエラーがあります"));
        }
        QCOMPARE(namesIn(folder.path() / "files"),
                 (std::set<std::string>{"old_p1.txt", "old_p2.txt", "p3.txt", "old_p3.txt"}));

        TestProgram program;
        program.startJournal();
        QCOMPARE(program.window.historyPanel()->list()->model()->rowCount(), 0);
        program.entry("表示", "過去の履歴")->trigger();
        PastBatchesDialog* dialog = program.window.pastBatchesDialog();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTreeWidget* batches = dialog->list();
        QCOMPARE(batches->topLevelItemCount(), 1);
        QTreeWidgetItem* batch = batches->topLevelItem(0);
        QCOMPARE(batch->text(1), QStringLiteral("3"));
        QCOMPARE(batch->text(2), QString::fromStdString((folder.path() / "files").string()));
        QCOMPARE(batch->text(3), QStringLiteral("変換実行"));
        QCOMPARE(batch->text(4), QStringLiteral("一部失敗（変更 2件、失敗 1件）"));
        QTest::mouseClick(batches->viewport(), Qt::LeftButton, {},
                          batches->visualItemRect(batch).center());
        QVERIFY(clickButton(dialog, "履歴に読み込む"));
        QVERIFY(dialog->isHidden());
        QCOMPARE(program.window.resultTabs()->currentWidget(),
                 static_cast<QWidget*>(program.window.historyPanel()));
        QAbstractItemModel* history = program.window.historyPanel()->list()->model();
        QCOMPARE(history->rowCount(), 2);
        QSet<QString> loaded = {history->index(0, 0).data().toString(),
                                history->index(1, 0).data().toString()};
        QCOMPARE(loaded, (QSet<QString>{"p1.txt", "p2.txt"}));

        // Undone with the list of past batches open, which follows at once.
        program.entry("表示", "過去の履歴")->trigger();
        QVERIFY(clickButton(program.window.historyPanel(), "元に戻す"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QCOMPARE(namesIn(folder.path() / "files"),
                 (std::set<std::string>{"p1.txt", "p2.txt", "p3.txt", "old_p3.txt"}));

        // The batch is now marked undone and cannot be loaded again; the undo is a batch too.
        QCOMPARE(batches->topLevelItemCount(), 2);
        QCOMPARE(batches->topLevelItem(0)->text(3), QStringLiteral("元に戻す"));
        QCOMPARE(batches->topLevelItem(0)->text(4), QStringLiteral("完了"));
        QCOMPARE(batches->topLevelItem(1)->text(4), QStringLiteral("元に戻し済み"));
        QTest::mouseClick(batches->viewport(), Qt::LeftButton, {},
                          batches->visualItemRect(batches->topLevelItem(1)).center());
        QVERIFY(!dialog->loadButton()->isEnabled());
        dialog->close();
    }
};

VARTEL_GUI_TEST(RenameSafetyTest)
#include "rename_safety_test.moc"

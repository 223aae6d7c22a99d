#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <set>

#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"
#include "app/editor/line_input_row.h"
#include "app/editor/macro_editor_window.h"
#include "app/lists/conversion_list_panel.h"
#include "app/lists/macro_result_panel.h"
#include "app/lists/name_text_panel.h"
#include "app/lists/result_list_panel.h"
#include "app/main/adding_box.h"
#include "app/main/program.h"
#include "app/main/progress_box.h"
#include "app/main/recording_box.h"
#include "app/qt/qt_text.h"
#include "app/shell/folder_panes.h"
#include "app/shell/rename_dialog.h"
#include "gui_input.h"
#include "gui_test_registry.h"
#include "test_program.h"

using namespace vartel;
namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& content = "data") {
    std::ofstream(path) << content;
}

std::vector<QRect> geometries(const MainWindow& window) {
    std::vector<QRect> result;
    for (QWidget* region : std::initializer_list<QWidget*>{
             window.folderPanes(), window.folderToggle(), window.conversionList(),
             window.editToggle(), window.editTabs(), window.resultTabs()})
        result.push_back(region->geometry());
    for (QPushButton* button : window.conversionPanel()->findChildren<QPushButton*>())
        result.push_back(button->geometry());
    return result;
}

// The names of the files under a folder, with the subfolder they are in.
std::set<std::string> namesOnDisk(const fs::path& root) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) names.insert(fs::relative(entry.path(), root).string());
    return names;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithItsRegions() {
        TestProgram program;
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        QCOMPARE(program.window.windowTitle(), QStringLiteral("Vartel"));
        // The editing tabs are as wide as their pages and captions need, at least 225; the
        // window's minimum grows by the same amount.
        const int growth = program.window.editTabs()->width() - 225;
        QVERIFY(growth >= 0);
        QCOMPARE(program.window.minimumSize(), QSize(731 + growth, 509));
        QCOMPARE(program.window.folderPanes()->width(), 217);
        QStringList tabs;
        for (int i = 0; i < program.window.editTabs()->count(); ++i)
            tabs << program.window.editTabs()->tabText(i);
        QCOMPARE(tabs, QStringList({"追加", "削除", "置換", "連番", "拡張子", "マクロ", "検索"}));
        QVERIFY(program.window.addingBox()->isHidden());
        QVERIFY(program.window.progressBox()->isHidden());
        QVERIFY(program.window.recordingBox()->isHidden());
        QVERIFY(!program.entry("マクロ", "記録終了")->isEnabled());
        QCOMPARE(program.entry("編集", "チェック")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(program.window.renameDialog()->size(), QSize(353, 140));
        QCOMPARE(program.window.renameDialog()->windowTitle(), QStringLiteral("ダイアログ"));
        QStringList hints;
        for (QPushButton* button : program.listButtons()) hints << button->toolTip();
        QCOMPARE(hints,
                 QStringList({"変換リストを読込ます", "変換リストを保存します",
                              "全てのファイルを選択します", "選択されたファイルを上に移動します",
                              "選択されたファイルを下に移動します"}));
        QCOMPARE(buttonIn(program.tab("追加"), "プレビュー")->toolTip(),
                 QStringLiteral("変換候補にファイルを追加します"));
        // The conversion list's context menu, separators included.
        QStringList entries;
        for (QAction* entry : program.window.conversionList()->actions())
            entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        QCOMPARE(entries, QStringList({"開く", "フォルダを開く", "名前の変更", "チェック",
                                       "チェック解除", "このファイルでマクロを記録", "-",
                                       "切り取り", "貼り付け", "除外", "-", "プロパティ"}));
    }

    void togglesGiveTheWidthAwayAndBackExactly() {
        TestProgram program;
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        const auto before = geometries(program.window);
        const int listWidth = program.window.conversionList()->width();

        program.window.folderToggle()->click();
        QCOMPARE(program.window.folderToggle()->text(), QStringLiteral(">"));
        QVERIFY(!program.window.folderPanes()->isVisible());
        QVERIFY(!program.window.folderPanes()->isEnabled());
        QVERIFY(program.window.conversionList()->width() > listWidth + 200);

        // The menu entry runs the same toggle as the buttons.
        program.entry("表示", "編集タブ")->trigger();
        QCOMPARE(program.window.editToggle()->text(), QStringLiteral("<"));
        QVERIFY(!program.window.editTabs()->isVisible());
        // With both hidden the list runs from the left edge to the right of the result tabs,
        // less the toggle button and its spacing.
        const auto inWindow = [&](QWidget* region) {
            return QRect(region->mapTo(&program.window, QPoint(0, 0)), region->size());
        };
        const QRect list = inWindow(program.window.conversionList());
        const QRect results = inWindow(program.window.resultTabs());
        QVERIFY(list.left() <= results.left() + 4);
        QVERIFY(list.right() < results.right());
        QVERIFY(results.right() - list.right() <= program.window.editToggle()->width() + 8);

        program.entry("表示", "フォルダツリー")->trigger();
        program.window.editToggle()->click();
        QCOMPARE(program.window.folderToggle()->text(), QStringLiteral("<"));
        QCOMPARE(program.window.editToggle()->text(), QStringLiteral(">"));
        QCOMPARE(geometries(program.window), before);
        QVERIFY(program.window.folderPanes()->isEnabled());
    }

    // Add a folder, propose names with a macro, execute, see the history, undo; the disk
    // follows every step and the status bar tells the counts.
    void renamesAndUndoesOnDisk() {
        TemporaryFolder folder;
        fs::create_directory(folder.path() / "sub");
        writeFile(folder.path() / "one");
        writeFile(folder.path() / "sub" / "two");
        writeFile(folder.path() / "kept.txt");
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QCOMPARE(program.rows(), 3);
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 3"));
        QCOMPARE(program.window.conversionList()->model()->rowCount(), 3);
        QCOMPARE(program.addedCount(), QStringLiteral("3"));

        // An empty macro gives every name without an extension a trailing dot; the preview
        // comes to the front to show them.
        QVERIFY(openTab(program.window.resultTabs(), "履歴"));
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ実行"));
        QCOMPARE(program.window.resultTabs()->currentWidget(),
                 static_cast<QWidget*>(program.window.previewPanel()));
        QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 2"));
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 1"));
        QCOMPARE(program.window.previewPanel()->list()->model()->rowCount(), 2);

        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QVERIFY(fs::exists(folder.path() / "one."));
        QVERIFY(fs::exists(folder.path() / "sub" / "two."));
        QCOMPARE(program.window.historyPanel()->list()->model()->rowCount(), 2);
        QCOMPARE(program.window.historyPanel()->list()->model()->index(0, 1).data().toString(),
                 QStringLiteral("one."));
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 3"));

        QVERIFY(clickButton(program.window.historyPanel(), "元に戻す"));
        QVERIFY(fs::exists(folder.path() / "one"));
        QVERIFY(fs::exists(folder.path() / "sub" / "two"));
        QVERIFY(!fs::exists(folder.path() / "one."));
        QCOMPARE(program.window.historyPanel()->list()->model()->rowCount(), 0);
    }

    // The tab of names as text shows the checked rows' names; lines typed there become the
    // preview, a line count that differs is refused, and a list file of pairs renames by name.
    void namesEditedAsTextBecomeThePreview() {
        TemporaryFolder folder;
        writeFile(folder.path() / "a.txt");
        writeFile(folder.path() / "b.txt");
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QVERIFY(openTab(program.window.resultTabs(), "名前を直接編集"));
        QPlainTextEdit* text = program.window.nameTextPanel()->editor();
        QCOMPARE(text->toPlainText(), QStringLiteral("a.txt\nb.txt"));
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
        typeText(text, QStringLiteral("新_"));
        QVERIFY(clickButton(program.window.nameTextPanel(), "プレビュー"));
        QCOMPARE(program.window.resultTabs()->currentWidget(),
                 static_cast<QWidget*>(program.window.previewPanel()));
        QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 1"));

        QVERIFY(openTab(program.window.resultTabs(), "名前を直接編集"));
        QCOMPARE(text->toPlainText(), QStringLiteral("b.txt"));
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "c.txt");
        QVERIFY(clickButton(program.window.nameTextPanel(), "プレビュー"));
        QCOMPARE(
            program.dialogs.errors.back(),
            Text(U"名前の数（2）がチェックされたファイルの数（1）と合わないため、プレビューしま"
                 U"せんでした。"));
        QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 1"));

        const fs::path pairs = folder.path() / "pairs.csv";
        writeFile(pairs, "b.txt,\"b, 2.txt\"\r\nmissing.txt,x.txt\r\n");
        program.dialogs.files.push_back(pairs.string());
        QVERIFY(clickButton(program.window.nameTextPanel(), "リストから名前を読み込む"));
        QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 2"));
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QVERIFY(fs::exists(folder.path() / "新_a.txt"));
        QVERIFY(fs::exists(folder.path() / "b, 2.txt"));
    }

    // Each editing tab's preview, executed in turn, renames on disk; the history undoes all.
    void everyOperationRenamesOnDisk() {
        TemporaryFolder folder;
        fs::create_directory(folder.path() / "sub");
        writeFile(folder.path() / "photo.JPG");
        writeFile(folder.path() / "sub" / "photo.txt");
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        // Each preview shows the preview tab, whichever result tab was in front.
        const auto apply = [&](const QString& tab) {
            QVERIFY(openTab(program.window.resultTabs(), "履歴"));
            QVERIFY(clickButton(program.tab(tab), "プレビュー"));
            QCOMPARE(program.window.resultTabs()->currentWidget(),
                     static_cast<QWidget*>(program.window.previewPanel()));
            QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 2"));
            QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
            QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        };
        using Names = std::set<std::string>;

        retype(program.field("追加", "追加文字"), "x_");
        apply("追加");
        QCOMPARE(namesOnDisk(folder.path()), (Names{"x_photo.JPG", "sub/x_photo.txt"}));

        QVERIFY(clickButton(program.tab("削除"), "最後からＣ個の文字を削除"));
        retypeNumber(fieldLabelled<QSpinBox>(program.tab("削除"), "Ｃ："), 2);
        apply("削除");
        QCOMPARE(namesOnDisk(folder.path()), (Names{"x_pho.JPG", "sub/x_pho.txt"}));

        retype(program.field("置換", "検索文字"), "x_");
        retype(program.field("置換", "置換文字"), "写真");
        apply("置換");
        QCOMPARE(namesOnDisk(folder.path()), (Names{"写真pho.JPG", "sub/写真pho.txt"}));

        QVERIFY(clickButton(program.tab("連番"), "最後に番号を追加"));
        retypeNumber(fieldLabelled<QSpinBox>(program.tab("連番"), "開始番号："), 7);
        apply("連番");
        const Names numbered = namesOnDisk(folder.path());
        QVERIFY((numbered == Names{"写真pho7.JPG", "sub/写真pho8.txt"}) ||
                (numbered == Names{"写真pho8.JPG", "sub/写真pho7.txt"}));

        retype(program.field("拡張子", "’Ａ’"), "jpg");
        apply("拡張子");
        for (const std::string& name : namesOnDisk(folder.path())) QVERIFY(name.ends_with(".jpg"));
        // Unified to nothing, the extension goes with its dot.
        retype(program.field("拡張子", "’Ａ’"), "");
        apply("拡張子");
        for (const std::string& name : namesOnDisk(folder.path()))
            QVERIFY2(name.ends_with("pho7") || name.ends_with("pho8"), name.c_str());

        QCOMPARE(program.window.historyPanel()->list()->model()->rowCount(), 12);
        QVERIFY(clickButton(program.window.historyPanel(), "元に戻す"));
        QCOMPARE(namesOnDisk(folder.path()), (Names{"photo.JPG", "sub/photo.txt"}));
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 2"));
    }

    // A recording turns the preview into macro lines on the sample name and keeps the lists.
    void recordingWritesStepsAndHandsTheLinesOver() {
        TestProgram program;
        QTemporaryDir folder;
        writeFile(fs::path(folder.path().toStdString()) / "a.txt");
        program.window.addPaths({folder.path()});
        // The editor is open until the recording starts.
        program.entry("表示", "マクロ編集")->trigger();
        QVERIFY(program.editorWindow.isVisible());
        retype(program.field("マクロ", "初期ファイル名"), "abc.txt");
        QVERIFY(clickButton(program.tab("マクロ"), "記録開始"));
        QVERIFY(!program.editorWindow.isVisible());
        QVERIFY(!program.window.recordingBox()->isHidden());
        QCOMPARE(program.recordingNames()[0], QStringLiteral("abc.txt"));
        QVERIFY(!program.window.conversionList()->isEnabled());
        QVERIFY(!buttonIn(program.tab("マクロ"), "記録開始")->isEnabled());
        QVERIFY(!program.field("マクロ", "初期ファイル名")->isEnabled());
        QVERIFY(!program.entry("マクロ", "実行")->isEnabled());
        QVERIFY(program.entry("マクロ", "記録終了")->isEnabled());
        QCOMPARE(program.window.resultTabs()->currentWidget(), program.window.macroPanel());

        retype(program.field("追加", "追加文字"), "x");
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        QCOMPARE(program.recordingNames()[1], QStringLiteral("xabc.txt"));
        QCOMPARE(program.window.macroPanel()->shownList()->model()->rowCount(), 1);
        // Steps and lines are one text line high, like every list of the window.
        const QTableView* steps = program.window.macroPanel()->shownList();
        QCOMPARE(steps->rowHeight(0), steps->fontMetrics().height() + 4);
        QCOMPARE(program.workspace.previewList().size(), std::size_t(0));
        QCOMPARE(program.rows(), 1);

        QVERIFY(clickButton(program.window.macroPanel(), "表示切替"));
        QVERIFY(program.window.macroPanel()->showingLines());
        QAbstractItemModel* lines = program.window.macroPanel()->shownList()->model();
        QVERIFY(lines->rowCount() >= 2);
        const int last = lines->rowCount() - 1;
        QCOMPARE(lines->index(last, 3).data().toString(), QStringLiteral("コメント"));
        QCOMPARE(lines->index(last, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QCOMPARE(program.window.macroPanel()->shownList()->rowHeight(0),
                 steps->fontMetrics().height() + 4);

        // A reset empties what was recorded and starts from the initial name again.
        QVERIFY(clickButton(program.window.recordingBox(), "リセット"));
        QCOMPARE(lines->rowCount(), 0);
        QCOMPARE(program.recordingNames()[1], QStringLiteral("abc.txt"));
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));

        QVERIFY(clickButton(program.window.recordingBox(), "記録終了"));
        QVERIFY(program.window.recordingBox()->isHidden());
        QCOMPARE(program.editor.program().lineCount(), lines->rowCount());
        QVERIFY(!program.editorWindow.isVisible());
        QVERIFY(program.window.conversionList()->isEnabled());
        QVERIFY(buttonIn(program.tab("マクロ"), "記録開始")->isEnabled());
        QVERIFY(!buttonIn(program.tab("マクロ"), "記録終了")->isEnabled());

        // The list's context menu records with the name of the selected row.
        clickRow(program.window.conversionList(), 0);
        QAction* record =
            contextEntry(program.window.conversionList(), "このファイルでマクロを記録");
        QVERIFY(record);
        record->trigger();
        QCOMPARE(program.field("マクロ", "初期ファイル名")->text(), QStringLiteral("a.txt"));
        QCOMPARE(program.recordingNames()[0], QStringLiteral("a.txt"));
        QVERIFY(program.recorder.recording());
    }

    // A macro saved from the main window and loaded back through "マクロ" ▸ "読込".
    void macrosAreSavedAndLoadedFromTheMainWindow() {
        TemporaryFolder folder;
        TestProgram program;
        MacroLine comment;
        comment.display.type = U"コメント";
        program.editor.program().appendLine(comment);
        program.dialogs.texts = {Text(U"題名")};
        program.dialogs.files = {folder.file("saved.vmc")};
        QVERIFY(clickButton(program.tab("マクロ"), "保存"));
        QVERIFY(fs::exists(folder.file("saved.vmc")));

        program.editor.program().clearLines();
        program.dialogs.files = {folder.file("saved.vmc")};
        program.entry("マクロ", "読込")->trigger();
        QCOMPARE(program.editor.program().lineCount(), 1);
        QCOMPARE(program.editorWindow.lineList()->model()->rowCount(), 1);
    }

    // A line typed in the editor's window, then "マクロ実行" over a real folder and the renames.
    void aMacroWrittenInTheEditorRenamesAFolder() {
        TemporaryFolder folder;
        writeFile(folder.path() / "a.txt");
        writeFile(folder.path() / "写真.jpg");
        TestProgram program;
        program.window.show();
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ編集"));
        QVERIFY(program.editorWindow.isVisible());

        const auto& fields = program.editorWindow.inputRow()->fields();
        typeText(fields[0], QStringLiteral("ファイル名"));
        choose(program.editorWindow.inputRow()->kindChooser(), 1);  // 文字出力
        choose(program.editorWindow.inputRow()->typeChooser(), 2);  // 結合
        typeText(fields[1], QStringLiteral("ファイル名"));
        typeText(fields[2], QStringLiteral("_済"));
        for (auto* found : program.editorWindow.findChildren<QPushButton*>())
            if (found->text() == QStringLiteral("追加") &&
                found->parentWidget() == program.editorWindow.inputRow()->parentWidget())
                found->click();
        QCOMPARE(program.editor.program().lineCount(), 1);

        QVERIFY(clickButton(program.tab("マクロ"), "マクロ実行"));
        QCOMPARE(program.workspace.previewList().size(), std::size_t(2));
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(namesOnDisk(folder.path()), (std::set<std::string>{"a_済.txt", "写真_済.jpg"}));
    }

    void renameDialogRenamesTheFirstSelectedRowAtOnce() {
        TemporaryFolder folder;
        writeFile(folder.path() / "old.txt");
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.file("old.txt"))});
        clickRow(program.window.conversionList(), 0);
        QTimer::singleShot(0, program.window.renameDialog(), [&] {
            QCOMPARE(program.window.renameDialog()->before->text(), QStringLiteral("old.txt"));
            program.window.renameDialog()->after->setText("new.txt");
            program.window.renameDialog()->accept();
        });
        QTest::keyClick(program.window.conversionList(), Qt::Key_F2);
        QVERIFY(fs::exists(folder.file("new.txt")));
        QCOMPARE(program.window.conversionList()->model()->index(0, 0).data().toString(),
                 QStringLiteral("new.txt"));
        QCOMPARE(program.window.historyPanel()->list()->model()->rowCount(), 0);
    }

    void rowsMoveByDraggingAndClosingOffersToSave() {
        TemporaryFolder folder;
        for (const char* name : {"a", "b", "c"}) writeFile(folder.path() / name);
        TestProgram program;
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QCOMPARE(program.rows(), 3);
        const Text first = program.workspace.conversionList()[0].name;
        // A press on the selected row and a drag below the last row move it there; the drag
        // does not extend the selection.
        QTableView* view = program.window.conversionList();
        clickRow(view, 0);
        const QPoint from = view->visualRect(view->model()->index(0, 1)).center();
        const QPoint below(from.x(), view->viewport()->height() - 3);
        QVERIFY(view->rowAt(below.y()) < 0);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view->viewport(), from + QPoint(0, QApplication::startDragDistance()));
        QTest::mouseMove(view->viewport(), below);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(program.workspace.conversionList().back().name, first);
        QVERIFY(!program.window.conversionList()->selectionModel()->hasSelection());

        // Let go where it was pressed, a press on a selected row is a click: that row alone.
        QVERIFY(clickButton(program.window.conversionPanel(), "全選択"));
        clickRow(view, 1);
        QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
        QVERIFY(program.workspace.conversionList()[1].selected);

        program.dialogs.answers = {Answer::Cancel};
        QVERIFY(!program.window.close());
        QVERIFY(program.window.isVisible());
        program.dialogs.answers = {Answer::Yes};
        program.dialogs.files = {folder.file("saved.csv")};
        QVERIFY(program.window.close());
        QVERIFY(fs::exists(folder.file("saved.csv")));
        QCOMPARE(program.dialogs.lastQuestion(), Text(U"現在の変換リストを保存しますか？"));
    }

    // Saved, emptied and loaded back through the buttons and the menu, the status bar telling
    // the count after each.
    void listFilesRoundTrip() {
        TemporaryFolder folder;
        for (const char* name : {"a.txt", "b.txt"}) writeFile(folder.path() / name);
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        program.dialogs.files = {folder.file("list.csv")};
        QVERIFY(clickButton(program.window.conversionPanel(), "保存"));

        program.dialogs.answers = {Answer::No};
        program.entry("ファイル", "新規")->trigger();
        QCOMPARE(program.rows(), 0);
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 0"));
        QCOMPARE(program.window.conversionList()->model()->rowCount(), 0);

        program.dialogs.files = {folder.file("list.csv")};
        QVERIFY(clickButton(program.window.conversionPanel(), "読込"));
        QCOMPARE(program.rows(), 2);
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 2"));
    }

    // The check boxes, the buttons of the preview and history tabs and their context menus.
    void previewAndHistoryButtons() {
        TemporaryFolder folder;
        for (const char* name : {"a", "b", "c"}) writeFile(folder.path() / name);
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ実行"));
        ResultListPanel* preview = program.window.previewPanel();
        QAbstractItemModel* rows = preview->list()->model();
        QCOMPARE(rows->rowCount(), 3);

        QVERIFY(clickButton(preview, "全選択"));
        QVERIFY(clickButton(preview, "ﾁｪｯｸ解除"));
        QCOMPARE(rows->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        // A click on a row's box checks that row only.
        QVERIFY(rows->setData(rows->index(1, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(program.workspace.previewList()[1].checked);
        QVERIFY(!program.workspace.previewList()[0].checked);

        QVERIFY(clickButton(preview, "変換リストに戻す"));
        QCOMPARE(rows->rowCount(), 2);
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 1"));
        QVERIFY(clickButton(preview, "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QCOMPARE(rows->rowCount(), 2);

        QAction* check = contextEntry(preview->list(), "チェック");
        QVERIFY(check);
        check->trigger();
        QVERIFY(clickButton(preview, "変換実行"));
        QCOMPARE(program.window.historyPanel()->list()->model()->rowCount(), 2);
        QVERIFY(clickButton(program.window.historyPanel(), "クリア"));
        QCOMPARE(program.window.historyPanel()->list()->model()->rowCount(), 0);
        QVERIFY(clickButton(program.window.historyPanel(), "元に戻す"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"履歴がありません"));
    }

    void movesAndCutAndPasteKeepTheSelectionVisible() {
        TemporaryFolder folder;
        for (const char* name : {"a", "b", "c", "d"}) writeFile(folder.path() / name);
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        auto& list = program.workspace.conversionList();
        const auto names = [&] {
            std::vector<Text> result;
            for (const auto& row : list) result.push_back(row.name);
            return result;
        };
        const auto before = names();
        QItemSelectionModel* selection = program.window.conversionList()->selectionModel();
        clickRow(program.window.conversionList(), 2);
        QVERIFY(clickButton(program.window.conversionPanel(), "▲"));
        QCOMPARE(names()[1], before[2]);
        QVERIFY(selection->isRowSelected(1, {}));
        QVERIFY(clickButton(program.window.conversionPanel(), "▼"));
        QVERIFY(clickButton(program.window.conversionPanel(), "▼"));
        QCOMPARE(names()[3], before[2]);
        QVERIFY(selection->isRowSelected(3, {}));

        QTest::keyClick(program.window.conversionList(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(program.rows(), 3);
        clickRow(program.window.conversionList(), 0);
        QTest::keyClick(program.window.conversionList(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(names()[1], before[2]);
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 4"));
    }

    void folderPanesAddWhatTheyShow() {
        TemporaryFolder folder;
        fs::create_directory(folder.path() / "deep");
        writeFile(folder.path() / "deep" / "one");
        writeFile(folder.path() / "two");
        writeFile(folder.path() / "a.txt");
        writeFile(folder.path() / "c.txt");
        TestProgram program;
        FolderPanes* panes = program.window.folderPanes();
        panes->showFolder(QString::fromStdString(folder.path().string()));
        QTableView* files = panes->files();
        QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 3);
        const auto rowOf = [&](const QString& name) {
            for (int row = 0; row < 3; ++row)
                if (files->model()->index(row, 0, files->rootIndex()).data() == name) return row;
            return -1;
        };
        // The pane sorts its rows a moment after it has them.
        QTRY_VERIFY(rowOf("a.txt") < rowOf("c.txt"));
        // Clicked c.txt first, then a.txt: the list takes them in the pane's order.
        const auto click = [&](const QString& name, Qt::KeyboardModifiers keys) {
            const QModelIndex at = files->model()->index(rowOf(name), 0, files->rootIndex());
            QTest::mouseClick(files->viewport(), Qt::LeftButton, keys,
                              files->visualRect(at).center());
        };
        click("c.txt", {});
        click("a.txt", Qt::ControlModifier);
        QCOMPARE(panes->selectedFiles(),
                 QStringList({QString::fromStdString(folder.file("a.txt")),
                              QString::fromStdString(folder.file("c.txt"))}));
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* entry : menu->actions())
                if (entry->text() == QStringLiteral("変換リストに追加")) entry->trigger();
            menu->close();
        });
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  files->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(files->viewport(), &request);
        QCOMPARE(program.rows(), 2);
        QCOMPARE(program.workspace.conversionList()[0].name, Text(U"a.txt"));
        QCOMPARE(program.workspace.conversionList()[1].name, Text(U"c.txt"));
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 2"));
        emit panes->addFilesBelowRequested(QString::fromStdString(folder.path().string()));
        QCOMPARE(program.rows(), 6);
    }

    // Files dropped while an operation runs wait for it and are added when it ends.
    void aDropDuringAnOperationIsTakenUpAfterIt() {
        TemporaryFolder folder;
        fs::create_directory(folder.path() / "later");
        writeFile(folder.path() / "later" / "dropped.txt");
        for (int i = 0; i < 20; ++i) writeFile(folder.path() / ("f" + std::to_string(i)));
        TestProgram program;
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        QStringList files;
        for (int i = 0; i < 20; ++i)
            files << QString::fromStdString(folder.file("f" + std::to_string(i)));
        program.window.addPaths(files);
        int rowsDuringRun = -1;
        QTimer::singleShot(0, &program.window, [&] {
            program.window.addPaths({QString::fromStdString(folder.file("later"))});
            rowsDuringRun = program.rows();
        });
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ実行"));
        QCOMPARE(rowsDuringRun, 20);
        QCOMPARE(program.workspace.previewList().size(), std::size_t(20));
        QCOMPARE(program.rows(), 1);
        QCOMPARE(program.workspace.conversionList()[0].name, Text(U"dropped.txt"));
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 1"));
    }

    void failedRenamesAreRedAndCounted() {
        TemporaryFolder folder;
        writeFile(folder.path() / "a");
        writeFile(folder.path() / "a.", "taken");
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.file("a"))});
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ実行"));
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"1個のエラーがあります"));
        const QModelIndex row = program.window.previewPanel()->list()->model()->index(0, 0);
        QCOMPARE(row.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        std::ifstream taken(folder.file("a."));
        std::string content;
        taken >> content;
        QCOMPARE(content, std::string("taken"));
    }

    void shortcutsAndMenusRunTheirCommands() {
        TemporaryFolder folder;
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) writeFile(folder.path() / name);
        TestProgram program;
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        auto& list = program.workspace.conversionList();
        const auto checks = [&] {
            QString flags;
            for (const auto& row : list) flags += row.checked ? '1' : '0';
            return flags;
        };
        program.window.conversionList()->setFocus();

        QTest::keyClick(program.window.conversionList(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(program.window.conversionList()->selectionModel()->selectedRows().size(), 3);
        QTest::keyClick(program.window.conversionList(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(checks(), QStringLiteral("000"));
        QTest::keyClick(program.window.conversionList(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(checks(), QStringLiteral("111"));
        QTest::keyClick(program.window.conversionList(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(program.window.conversionList()->selectionModel()->selectedRows().size(), 0);

        // A selection made in the view is the rows' selection.
        clickRow(program.window.conversionList(), 1);
        QVERIFY(list[1].selected && !list[0].selected);
        QTest::keyClick(program.window.conversionList(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(checks(), QStringLiteral("101"));

        QTest::keyClick(program.window.conversionList(), Qt::Key_Delete);
        QCOMPARE(program.rows(), 2);
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 2"));

        // A header click sorts by that column.
        QHeaderView* header = program.window.conversionList()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(4) + 5, header->height() / 2));
        QVERIFY(list[0].fullPath() < list[1].fullPath());

        // The list's keys act on the list only, not from a control of a tab.
        QWidget* search = program.tab("検索");
        clickRow(program.window.conversionList(), 0);
        buttonIn(search, "絞込み検索")->setFocus();
        QTest::keyClick(buttonIn(search, "絞込み検索"), Qt::Key_Delete);
        QCOMPARE(program.rows(), 2);
        retype(fieldLabelled<QLineEdit>(search, "検索文字列"), toQString(list[1].name));
        QVERIFY(clickButton(search->findChildren<QGroupBox*>().at(0), "検索"));
        QCOMPARE(program.hits(), QStringLiteral("1ヒット"));
        QCOMPARE(program.window.conversionList()->selectionModel()->selectedRows().size(), 1);

        retype(fieldLabelled<QLineEdit>(search, "サイズ"), "x");
        QVERIFY(clickButton(search->findChildren<QGroupBox*>().at(1), "検索"));
        QCOMPARE(program.dialogs.errors.size(), std::size_t(1));

        program.dialogs.files.push_back(folder.file("list"));
        QVERIFY(clickButton(program.window.conversionPanel(), "保存"));
        QVERIFY(fs::exists(folder.file("list")));

        // Nothing opens the guide where the tests run; F1 says where it is instead.
        QTest::keyClick(&program.window, Qt::Key_F1);
        QVERIFY(program.dialogs.lastMessage().ends_with(U"/ReadMe.html"));
    }

    // During a walk the lists and the editing tabs are out of reach, the adding box counts,
    // and "中止" ends the walk with what it found so far.
    void abortStopsAWalkAndTheControlsComeBack() {
        TemporaryFolder folder;
        for (int i = 0; i < 200; ++i) writeFile(folder.path() / ("f" + std::to_string(i)));
        TestProgram program;
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        bool seenBusy = false;
        QTimer::singleShot(0, &program.window, [&] {
            seenBusy = !program.window.conversionList()->isEnabled() &&
                       !program.window.editTabs()->isEnabled() &&
                       !program.window.resultTabs()->isEnabled() &&
                       program.window.addingBox()->isVisible() &&
                       buttonIn(program.window.addingBox(), "中止")->isEnabled();
            // Commands of the menus refuse to touch the list meanwhile, and a region the view
            // menu shows again stays out of reach until the walk ends.
            program.entry("編集", "除外")->trigger();
            program.entry("表示", "フォルダツリー")->trigger();
            program.entry("表示", "フォルダツリー")->trigger();
            seenBusy = seenBusy && !program.window.folderPanes()->isEnabled();
            QVERIFY(clickButton(program.window.addingBox(), "中止"));
        });
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QVERIFY(seenBusy);
        QVERIFY(program.rows() < 200);
        QCOMPARE(program.listCount(),
                 QStringLiteral("変換リスト数： ") + QString::number(program.rows()));
        QCOMPARE(program.window.conversionList()->model()->rowCount(), program.rows());
        QVERIFY(program.window.conversionList()->isEnabled());
        QVERIFY(program.window.editTabs()->isEnabled());
        QVERIFY(program.window.folderPanes()->isEnabled());
        QVERIFY(program.window.addingBox()->isHidden());
    }

    void abortStopsAMacroRunAndAnExecution() {
        TemporaryFolder folder;
        for (int i = 0; i < 100; ++i) writeFile(folder.path() / ("f" + std::to_string(i)));
        TestProgram program;
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        bool seenProgress = false;
        QTimer::singleShot(0, &program.window, [&] {
            seenProgress = program.window.progressBox()->isVisible() &&
                           !program.window.folderPanes()->isEnabled();
            QVERIFY(clickButton(program.window.progressBox(), "中止"));
        });
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ実行"));
        QVERIFY(seenProgress);
        const int moved = static_cast<int>(program.workspace.previewList().size());
        QVERIFY(moved > 0 && moved < 100);
        QCOMPARE(program.rows() + moved, 100);
        QVERIFY(program.window.progressBox()->isHidden());

        // Execute stops the same way once the renames began; what was renamed stays renamed.
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ実行"));
        QCOMPARE(program.workspace.previewList().size(), std::size_t(100));
        QTimer abortOnceRenaming;
        abortOnceRenaming.setInterval(0);
        connect(&abortOnceRenaming, &QTimer::timeout, &program.window, [&] {
            if (program.workspace.busyState().progressPosition == 0) return;
            abortOnceRenaming.stop();
            QVERIFY(clickButton(program.window.progressBox(), "中止"));
        });
        abortOnceRenaming.start();
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        const auto renamed = program.workspace.historyList().size();
        QVERIFY(renamed > 0 && renamed < 100);
        QCOMPARE(program.workspace.previewList().size() + renamed, std::size_t(100));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QVERIFY(program.window.resultTabs()->isEnabled());

        // And undo: what was taken back left the history, the rest still bears its new name.
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.workspace.historyList().size(), std::size_t(100));
        abortOnceRenaming.start();
        QVERIFY(clickButton(program.window.historyPanel(), "元に戻す"));
        const auto left = program.workspace.historyList().size();
        QVERIFY(left > 0 && left < 100);
        for (const auto& entry : program.workspace.historyList())
            QVERIFY(std::filesystem::exists(bytesFromText(entry.pathAfter())));
        for (const auto& row : program.workspace.conversionList())
            QVERIFY(std::filesystem::exists(bytesFromText(row.fullPath())));
        QVERIFY(program.window.progressBox()->isHidden());
    }
};

VARTEL_GUI_TEST(MainWindowTest)
#include "main_window_test.moc"

#include <QLineEdit>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "../support/temporary_folder.h"
#include "app/lists/result_list_panel.h"
#include "gui_test_registry.h"
#include "test_program.h"

using namespace vartel;
namespace fs = std::filesystem;

namespace {

// A program with three files in its list, its window active so that focus can move.
struct ProgramWithFiles : TestProgram {
    ProgramWithFiles() {
        for (const char* name : {"a.txt", "bb.txt", "ccc.doc"})
            std::ofstream(folder.path() / name) << name;
        window.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&window));
        window.addPaths({QString::fromStdString(folder.path().string())});
    }
    TemporaryFolder folder;
};

}  // namespace

class FocusAndStatusTest : public QObject {
    Q_OBJECT

  private slots:
    // Both searches end with the keyboard in the conversion list, whatever they found.
    void searchesHandTheFocusToTheConversionList() {
        ProgramWithFiles program;
        QWidget* list = program.window.conversionList();
        QWidget* tab = program.tab("検索");
        const struct {
            const char* field;
            QString typed;
            bool byEnter;
        } cases[] = {
            {"検索文字列", "txt", false}, {"検索文字列", "txt", true}, {"サイズ", "1", false},
            {"サイズ", "1", true},        {"サイズ", "", false},
        };
        for (const auto& test : cases) {
            const bool size = QString::fromUtf8(test.field) == QStringLiteral("サイズ");
            QLineEdit* field = fieldLabelled<QLineEdit>(tab, QString::fromUtf8(test.field));
            QVERIFY(field);
            retype(field, test.typed);
            QVERIFY(field->hasFocus());
            if (test.byEnter) {
                QTest::keyClick(field, Qt::Key_Return);
            } else {
                // The text search's button comes first, the size search's second.
                QList<QAbstractButton*> buttons;
                for (QAbstractButton* button : tab->findChildren<QAbstractButton*>())
                    if (button->text() == QStringLiteral("検索")) buttons << button;
                QCOMPARE(buttons.size(), 2);
                QTest::mouseClick(buttons[size ? 1 : 0], Qt::LeftButton);
            }
            QVERIFY2(list->hasFocus(), test.field);
        }
        // The empty size search asked for a size in Japanese and found nothing new.
        QCOMPARE(program.dialogs.lastMessage(), Text(U"検索するサイズを数値で入力してください"));
        QCOMPARE(program.hits(), QStringLiteral("3ヒット"));

        // A name stored decomposed (か + U+3099) is found by its composed spelling.
        const fs::path decomposed = program.folder.path() / "か\u3099いと\u3099.md";
        std::ofstream(decomposed) << "x";
        program.window.addPaths({QString::fromStdString(decomposed.string())});
        QLineEdit* field = fieldLabelled<QLineEdit>(tab, QStringLiteral("検索文字列"));
        retype(field, QStringLiteral("がいど"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(program.hits(), QStringLiteral("1ヒット"));
    }

    // 全選択, チェック and ﾁｪｯｸ解除 of the preview and history tabs leave the keyboard in
    // their list, from the buttons, the list's context menu and the keys.
    void resultListCommandsHandTheFocusToTheirList() {
        ProgramWithFiles program;
        retype(program.field("追加", "追加文字"), "x_");
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        QVERIFY(clickButton(program.window.previewPanel(), "全選択"));
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        for (ResultListPanel* panel :
             {program.window.previewPanel(), program.window.historyPanel()}) {
            QVERIFY(openTab(program.window.resultTabs(),
                            panel == program.window.previewPanel() ? "プレビュー" : "履歴"));
            QCOMPARE(panel->list()->model()->rowCount(), 3);
            for (const char* caption : {"全選択", "チェック", "ﾁｪｯｸ解除"}) {
                program.field("追加", "追加文字")->setFocus();
                QVERIFY(clickButton(panel, QString::fromUtf8(caption)));
                QVERIFY2(panel->list()->hasFocus(), caption);
            }
            QCOMPARE(panel->list()->model()->index(0, 0).data(Qt::CheckStateRole).toInt(),
                     int(Qt::Unchecked));
            for (const char* caption : {"チェック", "チェック解除"}) {
                program.field("追加", "追加文字")->setFocus();
                contextEntry(panel->list(), QString::fromUtf8(caption))->trigger();
                QVERIFY2(panel->list()->hasFocus(), caption);
            }
            // The keys select and check in the list that has the keyboard.
            clickRow(panel->list(), 0);
            QTest::keyClick(panel->list(), Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(panel->list()->selectionModel()->selectedRows().size(), 3);
            QTest::keyClick(panel->list(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(panel->list()->model()->index(2, 0).data(Qt::CheckStateRole).toInt(),
                     int(Qt::Checked));
        }
    }

    // Loading a list discards the previews, and the status bar says so at once.
    void loadingAListRewritesThePreviewCount() {
        ProgramWithFiles program;
        const std::string list = program.folder.file("list.csv");
        std::ofstream(list) << program.folder.file("a.txt") << "\r\n";
        retype(program.field("追加", "追加文字"), "x_");
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 3"));
        program.dialogs.answers = {Answer::No};
        program.dialogs.files = {list};
        QVERIFY(clickButton(program.window.conversionPanel(), "読込"));
        QCOMPARE(program.window.previewPanel()->list()->model()->rowCount(), 0);
        QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 0"));
        QCOMPARE(program.listCount(), QStringLiteral("変換リスト数： 1"));
    }
};

VARTEL_GUI_TEST(FocusAndStatusTest)
#include "focus_and_status_test.moc"

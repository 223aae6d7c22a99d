#include "app/qt/qt_dialogs.h"

#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <fstream>
#include <functional>

#include "../support/temporary_folder.h"
#include "app/editor/line_input_row.h"
#include "app/lists/result_list_panel.h"
#include "app/main/program.h"
#include "app/main/progress_box.h"
#include "app/qt/qt_text.h"
#include "gui_input.h"
#include "gui_test_registry.h"

using namespace vartel;

namespace {

// Acts on the modal box as soon as it is up.
void whenBoxShows(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

QPushButton* buttonCaptioned(QWidget* box, const QString& caption) {
    for (QPushButton* button : box->findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void confirmationBoxesAnswerWithTheirThreeButtons() {
        QtDialogs dialogs;
        const struct {
            bool withCancel;
            QString press;  // empty: Escape
            Answer answer;
        } cases[] = {
            {true, QStringLiteral("はい(&Y)"), Answer::Yes},
            {true, QStringLiteral("いいえ(&N)"), Answer::No},
            {true, QStringLiteral("キャンセル"), Answer::Cancel},
            {true, QString(), Answer::Cancel},
            {false, QString(), Answer::No},
        };
        for (const auto& test : cases) {
            QStringList seen;
            whenBoxShows([&](QWidget* box) {
                seen << box->windowTitle();
                for (QPushButton* button : box->findChildren<QPushButton*>())
                    seen << button->text();
                if (test.press.isEmpty())
                    QTest::keyClick(box, Qt::Key_Escape);
                else
                    buttonCaptioned(box, test.press)->click();
            });
            QCOMPARE(dialogs.confirm(U"保存しますか？", test.withCancel), test.answer);
            QCOMPARE(seen.value(0), QStringLiteral("確認"));
            QCOMPARE(seen.contains(QStringLiteral("キャンセル")), test.withCancel);
            QVERIFY(seen.contains(QStringLiteral("はい(&Y)")) &&
                    seen.contains(QStringLiteral("いいえ(&N)")));
        }
    }

    void messagesCarryTheProgramsTitleAndErrorsEndInAStop() {
        QtDialogs dialogs;
        QStringList seen;
        const auto read = [&](QWidget* box) {
            seen << box->windowTitle() << static_cast<QMessageBox*>(box)->text();
            QTest::keyClick(box, Qt::Key_Return);
        };
        whenBoxShows(read);
        dialogs.message(U"正常終了");
        whenBoxShows(read);
        dialogs.error(U"0 で割りました");
        QCOMPARE(seen, QStringList({"Vartel", "正常終了", "Vartel", "0 で割りました."}));

        // A sentence that ends already, in either script, gets no second stop.
        const QString ended[] = {"ファイルの取得に失敗しました。", "全角の終止．", "続けますか？",
                                 "止まりました！", "Stopped."};
        for (const QString& text : ended) {
            seen.clear();
            whenBoxShows(read);
            dialogs.error(toText(text));
            QCOMPARE(seen.value(1), text);
        }
    }

    // A box is wide enough for its caption beside the title bar's buttons, however short its
    // text.
    void boxesAreWideEnoughForTheirCaption() {
        QtDialogs dialogs;
        QList<int> spare;
        const auto measure = [&](QWidget* box) {
            const int caption = box->fontMetrics().horizontalAdvance(box->windowTitle());
            spare << box->width() - caption -
                         3 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight);
            QTest::keyClick(box, Qt::Key_Escape);
        };
        whenBoxShows(measure);
        dialogs.message(U"正常終了");
        whenBoxShows(measure);
        dialogs.error(U"0");
        whenBoxShows(measure);
        static_cast<void>(dialogs.confirm(U"?", false));
        QCOMPARE(spare.size(), 3);
        for (const int room : spare) QVERIFY(room > 0);
    }

    // The box belongs to the window the user works in, a dialog over it first: the window
    // manager keeps it over that window and brings that window back when it closes. With none
    // active, it belongs to the main window.
    void boxesBelongToTheWindowThatAsked() {
        QWidget main;
        QWidget editor;
        QtDialogs dialogs;
        dialogs.setParent(&main);
        main.show();
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QWidget* owner = nullptr;
        QWindow* above = nullptr;
        const auto answer = [&](QWidget* box) {
            owner = box->parentWidget();
            above = box->windowHandle()->transientParent();
            QTest::keyClick(box, Qt::Key_Return);
        };
        whenBoxShows(answer);
        dialogs.message(U"種類・タイプが間違っています");
        QCOMPARE(owner, &editor);
        QCOMPARE(above, editor.windowHandle());

        QDialog modify(&editor);
        QTimer::singleShot(0, [&] {
            whenBoxShows(answer);
            dialogs.error(U"空欄は入力できません");
            modify.reject();
        });
        modify.exec();
        QCOMPARE(owner, static_cast<QWidget*>(&modify));
        QCOMPARE(above, modify.windowHandle());

        editor.hide();
        main.hide();
        whenBoxShows(answer);
        dialogs.message(U"正常終了");
        QCOMPARE(owner, &main);
    }

    // The macro editor, opened from the main window, keeps its refusal over itself.
    void theEditorsRefusalStaysOverTheEditor() {
        QtDialogs dialogs;
        FixedClock clock{LocalDateTime{2024, 1, 2, 3, 4, 5}};
        Program program(dialogs, clock);
        dialogs.setParent(&program.window);
        program.window.show();
        program.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.window));
        QVERIFY(clickButton(openTab(program.window.editTabs(), "マクロ"), "マクロ編集"));
        QVERIFY(QTest::qWaitForWindowActive(&program.editorWindow));
        QStringList seen;
        whenBoxShows([&](QWidget* box) {
            seen << static_cast<QMessageBox*>(box)->text();
            QCOMPARE(box->parentWidget(), static_cast<QWidget*>(&program.editorWindow));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(clickButton(program.editorWindow.inputRow()->parentWidget(), "追加"));
        QCOMPARE(seen, QStringList({"種類・タイプが間違っています"}));
    }

    // A run with a failure says so with a warning, over its progress finished: the bar back at
    // 0 and "中止" off.
    void aRunEndsWithItsSummaryOverAFinishedProgress() {
        TemporaryFolder folder;
        QStringList files;
        for (const char* name : {"a", "b", "c", "d"}) {
            std::ofstream(folder.path() / name) << name;
            files << QString::fromStdString(folder.file(name));
        }
        std::ofstream(folder.path() / "a.") << "taken";
        QtDialogs dialogs;
        FixedClock clock{LocalDateTime{2024, 1, 2, 3, 4, 5}};
        Program program(dialogs, clock, std::chrono::milliseconds(0));
        dialogs.setParent(&program.window);
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        program.window.addPaths(files);
        // An empty macro proposes "a." for "a".
        QVERIFY(clickButton(openTab(program.window.editTabs(), "マクロ"), "マクロ実行"));

        ProgressBox* progress = program.window.progressBox();
        QStringList seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            poll.stop();
            seen << box->text() << QString::number(box->icon() == QMessageBox::Warning)
                 << QString::number(progress->isVisible())
                 << QString::number(progress->findChild<QProgressBar*>()->value())
                 << QString::number(buttonIn(progress, "中止")->isEnabled());
            QTest::keyClick(box, Qt::Key_Return);
        });
        poll.start(0);
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(seen, QStringList({"1個のエラーがあります", "1", "1", "0", "0"}));
        QVERIFY(progress->isHidden());
    }

    void qtFiltersKeepTheirCaptionAndAddTheDefaultExtension() {
        QCOMPARE(qtFileFilter(U"CSVファイル（*.csv）|*.csv"),
                 QStringLiteral("CSVファイル（*.csv） (*.csv)"));
        QCOMPARE(qtFileFilter(U"A|*.a;*.b|B|*.c"), QStringLiteral("A (*.a *.b);;B (*.c)"));
        QCOMPARE(withDefaultExtension("/t/list", U".csv"), QStringLiteral("/t/list.csv"));
        QCOMPARE(withDefaultExtension("/t/list.txt", U".csv"), QStringLiteral("/t/list.txt"));
        QCOMPARE(withDefaultExtension("/t.d/list", U".csv"), QStringLiteral("/t.d/list.csv"));
    }

    void theTitleBoxGivesTheTextOrNothing() {
        QtDialogs dialogs;
        whenBoxShows([](QWidget* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("タイトル"));
            static_cast<QInputDialog*>(box)->setTextValue(QStringLiteral("連番マクロ"));
            static_cast<QInputDialog*>(box)->accept();
        });
        QCOMPARE(dialogs.askText(U"タイトル", U"ソースのタイトルを入力してください"),
                 std::optional<Text>(U"連番マクロ"));
        whenBoxShows([](QWidget* box) { static_cast<QInputDialog*>(box)->reject(); });
        QCOMPARE(dialogs.askText(U"タイトル", U"ソースのタイトルを入力してください"), std::nullopt);
    }
};

VARTEL_GUI_TEST(QtDialogsTest)
#include "qt_dialogs_test.moc"

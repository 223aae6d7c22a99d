#include "app/qt/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/qt/qt_text.h"
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

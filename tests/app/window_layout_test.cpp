#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <fstream>

#include "../support/temporary_folder.h"
#include "app/lists/result_list_panel.h"
#include "app/qt/application_font.h"
#include "gui_test_registry.h"
#include "test_program.h"

using namespace vartel;

namespace {

// The controls of a page that are cut: narrower than they need, or reaching past the room the
// page's scroll area shows beside its scroll bar; with `inView`, also those that only scrolling
// would show.
QStringList cutControls(QScrollArea* scroller, bool inView) {
    QStringList cut;
    QWidget* room = scroller->viewport();
    for (QWidget* control : scroller->widget()->findChildren<QWidget*>()) {
        const bool shown = qobject_cast<QAbstractButton*>(control) ||
                           qobject_cast<QLineEdit*>(control) ||
                           qobject_cast<QAbstractSpinBox*>(control) ||
                           qobject_cast<QComboBox*>(control) || qobject_cast<QLabel*>(control);
        if (!shown || !control->isVisible() || !qobject_cast<QWidget*>(control->parent())) continue;
        const QRect at(control->mapTo(room, QPoint(0, 0)), control->size());
        const QString name = control->property("text").toString() + QLatin1Char(' ') +
                             QString::fromLatin1(control->metaObject()->className());
        if (control->width() < control->minimumSizeHint().width() || at.left() < 0 ||
            at.right() >= room->width() ||
            (inView && (at.top() < 0 || at.bottom() >= room->height())))
            cut << name;
    }
    return cut;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    // Every editing tab at the first size, the minimum size and a size as large as a maximised
    // window: all seven captions in a row without scroll arrows, and every control of every
    // page whole, even beside the scroll bar of a page taller than its room. At the first size
    // every control is in view without scrolling.
    void noEditingTabIsCutAtAnySize() {
        TestProgram program;
        MainWindow& window = program.window;
        QTabWidget* tabs = window.editTabs();
        const int growth = tabs->width() - 225;
        QVERIFY(growth >= 0);
        QCOMPARE(window.size(), QSize(792 + growth, 650));
        QCOMPARE(window.minimumSize(), QSize(731 + growth, 509));
        const struct {
            const char* name;
            QSize size;
            bool inView;
        } sizes[] = {{"first", window.size(), true},
                     {"minimum", window.minimumSize(), false},
                     {"maximised", QSize(1600, 1000), true}};
        for (const auto& test : sizes) {
            window.resize(test.size);
            QTRY_COMPARE(window.size(), test.size);
            QTabBar* bar = tabs->tabBar();
            for (QToolButton* arrow : bar->findChildren<QToolButton*>())
                QVERIFY2(!arrow->isVisible(), test.name);
            QVERIFY2(bar->tabRect(tabs->count() - 1).right() < bar->width(), test.name);
            QVERIFY2(bar->geometry().right() < tabs->width(), test.name);
            for (int i = 0; i < tabs->count(); ++i) {
                QVERIFY(openTab(tabs, tabs->tabText(i)));
                auto* scroller = qobject_cast<QScrollArea*>(tabs->widget(i));
                QVERIFY(scroller);
                QCoreApplication::processEvents();
                const QString where = QStringLiteral("%1, %2: ").arg(test.name, tabs->tabText(i));
                const QStringList cut = cutControls(scroller, test.inView);
                QVERIFY2(cut.isEmpty(), qPrintable(where + cut.join(QStringLiteral(", "))));
                // A page that is taller than its room shows the rest by scrolling.
                const bool taller =
                    scroller->widget()->minimumSizeHint().height() > scroller->viewport()->height();
                QCOMPARE(scroller->verticalScrollBar()->isVisible(), taller);
            }
        }
    }

    // The modified times of the conversion list and the preview are read whole, date and time,
    // at the columns' first widths, and so is the preview's longest status; so is a typical
    // result in the macro test window.
    void datesAndResultsAreShownWhole() {
        TemporaryFolder folder;
        std::ofstream(folder.path() / "2024年01月02日_旅行_0001") << "data";
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        std::ofstream(folder.path() / "x2024年01月02日_旅行_0001") << "in the way";
        retype(program.field("追加", "追加文字"), "x");
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        QCOMPARE(program.previewCount(), QStringLiteral("変換候補数： 1"));
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QTableView* preview = program.window.previewPanel()->list();
        const std::pair<QTableView*, QString> cells[] = {
            {program.window.conversionList(), "更新日時"},
            {preview, "更新日時"},
            {preview, "状態"}};
        for (const auto& [list, caption] : cells) {
            QAbstractItemModel* rows = list->model();
            int column = 0;
            while (rows->headerData(column, Qt::Horizontal).toString() != caption) ++column;
            const QString shown = rows->index(0, column).data().toString();
            QVERIFY(shown.contains(QLatin1Char(':')) || shown == "同名のファイルがあります");
            QVERIFY2(list->fontMetrics().horizontalAdvance(shown) < list->columnWidth(column) - 4,
                     qPrintable(shown));
        }

        QLineEdit* result = program.testWindow.findChildren<QLineEdit*>().value(3);
        QVERIFY(result && result->isReadOnly());
        program.testWindow.openTest();
        QVERIFY(QTest::qWaitForWindowExposed(&program.testWindow));
        QLineEdit* name = program.testWindow.findChildren<QLineEdit*>().value(0);
        QLineEdit* extension = program.testWindow.findChildren<QLineEdit*>().value(1);
        retype(name, QStringLiteral("2024年01月02日_旅行_0001"));
        retype(extension, QStringLiteral("JPG"));
        QVERIFY(clickButton(&program.testWindow, "テスト"));
        QCOMPARE(result->text(), QStringLiteral("2024年01月02日_旅行_0001.JPG"));
        QVERIFY(result->fontMetrics().horizontalAdvance(result->text()) < result->width() - 4);
    }

    // Variable names differ from plain text only in the width of their digits.
    void fullWidthDigitsAreWiderThanHalfWidthOnes() {
        QVERIFY(tellsDigitWidthsApart(applicationFont()));
        QVERIFY(tellsDigitWidthsApart(QApplication::font()));
    }
};

VARTEL_GUI_TEST(WindowLayoutTest)
#include "window_layout_test.moc"

#include "app/main_window.h"

#include <QtTest>

#include "gui_test_registry.h"

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithItsCaptionAndSize() {
        vartel::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Vartel"));
        QCOMPARE(window.minimumSize(), QSize(731, 509));
    }
};

VARTEL_GUI_TEST(MainWindowTest)
#include "main_window_test.moc"

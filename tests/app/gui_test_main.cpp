#include <QApplication>
#include <QtTest>

#include "gui_test_registry.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));
    int failures = 0;
    for (const auto& make : vartel::guiTests()) {
        const auto test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

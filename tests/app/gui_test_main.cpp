#include <QApplication>
#include <QMetaMethod>
#include <QtTest>
#include <cstdio>

#include "app/qt/application_font.h"
#include "gui_test_registry.h"

namespace {

// The test functions of a Qt Test object: its private slots, without the set-up and clean-up
// slots and the data functions.
QStringList testFunctions(const QObject& test) {
    static const QStringList kFrame = {QStringLiteral("initTestCase"),
                                       QStringLiteral("cleanupTestCase"), QStringLiteral("init"),
                                       QStringLiteral("cleanup")};
    QStringList functions;
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QString name = QString::fromLatin1(method.name());
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private &&
            method.parameterCount() == 0 && !kFrame.contains(name) &&
            !name.endsWith(QStringLiteral("_data")))
            functions << name;
    }
    return functions;
}

}  // namespace

// Without a name every test object runs. "--list" prints each test function as
// "Class.function", and such a name as the only argument runs that one function, so that
// CTest can report every window test by its name.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));
    // The windows are measured in the font they are shown in.
    QApplication::setFont(vartel::applicationFont());
    // Any other arguments go to Qt Test for every object, as they always did.
    const QString argument = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool selects = argument == QStringLiteral("--list") ||
                         (argument.contains(QLatin1Char('.')) && !argument.startsWith('-'));
    const QString only = selects ? argument : QString();
    int failures = 0;
    bool found = only.isEmpty();
    for (const auto& make : vartel::guiTests()) {
        const auto test = make();
        const QString className = QString::fromLatin1(test->metaObject()->className());
        if (only == QStringLiteral("--list")) {
            for (const QString& function : testFunctions(*test))
                std::printf("%s.%s\n", qPrintable(className), qPrintable(function));
            continue;
        }
        if (only.isEmpty()) {
            failures += QTest::qExec(test.get(), argc, argv);
            continue;
        }
        const QString prefix = className + QLatin1Char('.');
        if (!only.startsWith(prefix)) continue;
        found = true;
        failures +=
            QTest::qExec(test.get(), {QString::fromLocal8Bit(argv[0]), only.mid(prefix.size())});
    }
    if (!found && only != QStringLiteral("--list")) {
        std::fprintf(stderr, "no such test: %s\n", qPrintable(only));
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

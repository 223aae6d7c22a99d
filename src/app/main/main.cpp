#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include "app/main/program.h"
#include "app/qt/qt_dialogs.h"
#include "platform/clock.h"

namespace {

// The Japanese UI font the windows were drawn for, or the nearest one this desktop has.
QFont applicationFont() {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"ＭＳ Ｐゴシック", "IPAPGothic", "Noto Sans CJK JP"}) {
        const QString family = QString::fromUtf8(name);
        if (families.contains(family)) return QFont(family, 9);
    }
    QFont font = QApplication::font();
    font.setPointSize(9);
    return font;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));
    QApplication::setFont(applicationFont());
    // Qt's own dialogs (files, the title box) speak the program's language too.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    vartel::QtDialogs dialogs;
    vartel::SystemClock clock;
    vartel::Program program(dialogs, clock);
    vartel::MainWindow& window = program.window;
    dialogs.setParent(&window);

    // Paths on the command line are added as if dropped on the window.
    const QStringList paths = QApplication::arguments().mid(1);
    window.show();
    if (!paths.isEmpty()) window.addPaths(paths);
    // For the pictures of the README: the window as drawn, saved once it has settled.
    const QString screenshot = qEnvironmentVariable("VARTEL_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &window, [&window, screenshot] {
            window.grab().save(screenshot);
            QApplication::exit(0);
        });
    }
    return QApplication::exec();
}

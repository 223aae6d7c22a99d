#include <QApplication>
#include <QLibraryInfo>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <string_view>

#include "app/main/program.h"
#include "app/qt/application_font.h"
#include "app/qt/qt_dialogs.h"
#include "platform/clock.h"

namespace {

const char* const kUsage =
    "usage: vartel [PATH]...\n"
    "       vartel --help | --version\n\n"
    "Renames many files at once, with previews, history and macros. Each PATH is added to\n"
    "the conversion list as if dropped on the window. vartel-cli does the same without a\n"
    "window; see vartel(1) and vartel-cli(1).\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before the application starts, so they work without a display.
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--version") {
        std::puts("vartel " VARTEL_VERSION);
        return 0;
    }
    if (first == "--help" || first == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));
    QApplication::setFont(vartel::applicationFont());
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
    program.startJournal();
    if (!paths.isEmpty()) window.addPaths(paths);
    // For the pictures of the README: the window as drawn, saved once it has settled, with the
    // editing tab of that caption in front when one is named.
    const QString screenshot = qEnvironmentVariable("VARTEL_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTabWidget* tabs = window.editTabs();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == qEnvironmentVariable("VARTEL_SCREENSHOT_TAB"))
                tabs->setCurrentIndex(i);
        QTimer::singleShot(1500, &window, [&window, screenshot] {
            window.grab().save(screenshot);
            QApplication::exit(0);
        });
    }
    return QApplication::exec();
}

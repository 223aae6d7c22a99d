#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));
    vartel::MainWindow window;
    window.show();
    return QApplication::exec();
}

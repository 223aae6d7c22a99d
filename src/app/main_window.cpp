#include "app/main_window.h"

namespace vartel {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Vartel"));
    resize(792, 603);
    move(180, 33);
    setMinimumSize(731, 509);
}

}  // namespace vartel

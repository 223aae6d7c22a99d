#pragma once

#include <QMainWindow>

namespace vartel {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace vartel

#pragma once

#include <QFrame>
#include <QProgressBar>
#include <QPushButton>

namespace vartel {

// The box with the progress of a long command and its "中止", over the conversion list.
class ProgressBox : public QFrame {
    Q_OBJECT

  public:
    explicit ProgressBox(QWidget* parent = nullptr);
    // Position out of maximum, shown from 0 to 100.
    void setProgress(int position, int maximum);

    QProgressBar* bar;
    QPushButton* abort;
};

}  // namespace vartel

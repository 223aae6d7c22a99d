#pragma once

#include <QFrame>

class QProgressBar;

namespace vartel {

// The box with the progress of a long command and its "中止", over the conversion list.
class ProgressBox : public QFrame {
    Q_OBJECT

  public:
    explicit ProgressBox(QWidget* parent = nullptr);
    // Position out of maximum, shown from 0 to 100; the loop may be stopped.
    void setProgress(int position, int maximum);
    // The loop is over: the bar back at 0, nothing left to stop.
    void finish();
    // The bar takes the keyboard focus, away from the controls the command disabled.
    void takeFocus();

  signals:
    void abortRequested();

  private:
    QProgressBar* bar_;
    QWidget* abort_;
};

}  // namespace vartel

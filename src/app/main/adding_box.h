#pragma once

#include <QGroupBox>

class QLabel;

namespace vartel {

// "ファイルを追加中": shown over the conversion list while a walk adds files.
class AddingBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit AddingBox(QWidget* parent = nullptr);
    // The walk's count so far; the walk may be stopped.
    void setCount(int count);
    // The walk is over: its count stays, nothing is left to stop.
    void finish();

  signals:
    void abortRequested();

  private:
    QLabel* counter_;
    QWidget* abort_;
};

}  // namespace vartel

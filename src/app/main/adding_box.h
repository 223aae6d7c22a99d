#pragma once

#include <QGroupBox>

class QLabel;

namespace vartel {

// "ファイルを追加中": shown over the conversion list while a walk adds files.
class AddingBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit AddingBox(QWidget* parent = nullptr);
    void setCount(int count);

  signals:
    void abortRequested();

  private:
    QLabel* counter_;
};

}  // namespace vartel

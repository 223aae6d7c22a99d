#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vartel {

// "ファイルを追加中": shown over the conversion list while a walk adds files.
class AddingBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit AddingBox(QWidget* parent = nullptr);
    void setCount(int count);

    QLabel* counter;
    QPushButton* abort;
};

}  // namespace vartel

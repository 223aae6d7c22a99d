#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace vartel {

// "マクロ記録中": the sample name as it was and as the recorded steps made it.
class RecordingBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit RecordingBox(QWidget* parent = nullptr);

    QLineEdit* initialName;
    QLineEdit* currentName;
    QPushButton* reset;
    QPushButton* stop;
};

}  // namespace vartel

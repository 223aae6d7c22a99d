#pragma once

#include <QGroupBox>

class QLineEdit;

namespace vartel {

class ActionTable;

// "マクロ記録中": the sample name as it was and as the recorded steps made it.
class RecordingBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit RecordingBox(QWidget* parent = nullptr);

    void bindActions(ActionTable& actions);
    void showNames(const QString& initial, const QString& current);

  signals:
    void resetRequested();
    void stopRequested();

  private:
    QLineEdit* initialName_;
    QLineEdit* currentName_;
    QWidget* stop_;
};

}  // namespace vartel

#pragma once

#include <QDialog>
#include <QLineEdit>
#include <optional>

namespace vartel {

// "ダイアログ": the new name of one file, applied at once.
class RenameDialog : public QDialog {
    Q_OBJECT

  public:
    explicit RenameDialog(QWidget* parent = nullptr);

    // The name confirmed with OK, or nothing.
    std::optional<QString> ask(const QString& name);

    QLineEdit* before;
    QLineEdit* after;
};

}  // namespace vartel

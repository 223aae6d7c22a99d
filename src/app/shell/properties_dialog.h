#pragma once

#include <QDialog>

namespace vartel {

// The properties of one file where the desktop offers no window of its own: place, size,
// modified time and permissions.
class PropertiesDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PropertiesDialog(const QString& path, QWidget* parent = nullptr);
};

}  // namespace vartel

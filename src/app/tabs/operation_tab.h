#pragma once

#include <QWidget>

#include "operations/operation.h"

class QVBoxLayout;

namespace vartel {

// An editing tab that proposes new names: its settings as a value, and "プレビュー", which
// Enter in any of its text fields presses as well.
class OperationTab : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

    virtual OperationSettings operation() const = 0;

  signals:
    void previewRequested();

  protected:
    // Puts "プレビュー" at the foot of the tab; called last, once every field is there.
    void finish(QVBoxLayout* layout);
};

}  // namespace vartel

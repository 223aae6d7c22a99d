#pragma once

#include <QWidget>

#include "editor/line_input.h"

class QRadioButton;
class QTreeWidget;

namespace vartel {

// The tab "ショートカット": buttons that fill the focused input field, the digit width switch,
// the arithmetic buttons and the tree of kinds and types. It only reports what was pressed.
class ShortcutTab : public QWidget {
    Q_OBJECT

  public:
    explicit ShortcutTab(QWidget* parent = nullptr);

    DigitWidth digitWidth() const;
    QTreeWidget* tree() const { return tree_; }

  signals:
    // A variable button (its caption) or "消去" (an empty text).
    void textChosen(const QString& text);
    void digitPressed(int digit);
    void kindChosen(int kind);
    void typeChosen(int kind, int type);

  private:
    QRadioButton* fullWidth_;
    QTreeWidget* tree_;
};

}  // namespace vartel

#pragma once

#include <QWidget>
#include <array>

#include "macro/operand_validation.h"

class QComboBox;
class QLineEdit;

namespace vartel {

// The row in which a line is typed: "代入変数", "＝", the kind and type choosers and the three
// operand fields. Shared by the editor and the dialog "修正". The choosers offer only whole
// choices: the type chooser holds the types of the chosen kind, nothing while no kind is chosen.
class LineInputRow : public QWidget {
    Q_OBJECT

  public:
    explicit LineInputRow(QWidget* parent = nullptr);

    LineInput input() const;
    void show(const LineInput& input);

    QComboBox* kindChooser() const { return kind_; }
    QComboBox* typeChooser() const { return type_; }
    // Target, operand 1, 2, 3.
    const std::array<QLineEdit*, 4>& fields() const { return fields_; }

  signals:
    void kindChosen(int kind);
    void typeChosen(int type);
    void edited();

  private:
    QComboBox* kind_;
    QComboBox* type_;
    std::array<QLineEdit*, 4> fields_;
};

}  // namespace vartel

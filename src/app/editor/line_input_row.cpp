#include "app/editor/line_input_row.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "app/editor/editor_captions.h"
#include "app/qt/qt_text.h"
#include "macro/instruction_catalogue.h"

namespace vartel {

LineInputRow::LineInputRow(QWidget* parent) : QWidget(parent) {
    using namespace editor_captions;
    kind_ = new QComboBox(this);
    type_ = new QComboBox(this);
    kind_->setPlaceholderText(kKindPlaceholder);
    type_->setPlaceholderText(kTypePlaceholder);
    for (const auto& name : InstructionCatalogue::kindNames()) kind_->addItem(toQString(name));
    kind_->setCurrentIndex(-1);
    // The type chooser shows the widest type of any kind whole ("上位フォルダ名"); a count of
    // characters would measure them as narrow Latin letters.
    int widestType = 0;
    for (int kind = 0; kind < kind_->count(); ++kind)
        for (const auto& name : InstructionCatalogue::typeNames(kind))
            widestType =
                std::max(widestType, type_->fontMetrics().horizontalAdvance(toQString(name)));
    QStyleOptionComboBox option;
    option.initFrom(type_);
    type_->setMinimumWidth(type_->style()
                               ->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                  QSize(widestType, type_->fontMetrics().height()),
                                                  type_)
                               .width());
    for (auto*& field : fields_) {
        field = new QLineEdit(this);
        connect(field, &QLineEdit::textEdited, this, &LineInputRow::edited);
    }
    connect(kind_, &QComboBox::activated, this, &LineInputRow::kindChosen);
    connect(type_, &QComboBox::activated, this, &LineInputRow::typeChosen);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(kTargetLabel, this), 0, 0);
    grid->addWidget(fields_[0], 1, 0);
    grid->addWidget(new QLabel(kEquals, this), 1, 1);
    grid->addWidget(kind_, 1, 2);
    grid->addWidget(type_, 1, 3);
    for (int k = 0; k < 3; ++k) {
        grid->addWidget(new QLabel(kOperandLabels[k], this), 0, 4 + k);
        grid->addWidget(fields_[static_cast<std::size_t>(k + 1)], 1, 4 + k);
    }
}

LineInput LineInputRow::input() const {
    LineInput input;
    input.target = toText(fields_[0]->text());
    for (std::size_t k = 0; k < 3; ++k) input.operands[k] = toText(fields_[k + 1]->text());
    if (kind_->currentIndex() >= 0) input.kind = kind_->currentIndex();
    if (input.kind && type_->currentIndex() >= 0) input.type = type_->currentIndex();
    return input;
}

void LineInputRow::show(const LineInput& input) {
    const QSignalBlocker kindBlocker(kind_);
    const QSignalBlocker typeBlocker(type_);
    fields_[0]->setText(toQString(input.target));
    for (std::size_t k = 0; k < 3; ++k) fields_[k + 1]->setText(toQString(input.operands[k]));
    kind_->setCurrentIndex(input.kind.value_or(-1));
    type_->clear();
    if (input.kind) {
        for (const auto& name : InstructionCatalogue::typeNames(*input.kind))
            type_->addItem(toQString(name));
    }
    type_->setCurrentIndex(input.kind ? input.type.value_or(-1) : -1);
}

}  // namespace vartel

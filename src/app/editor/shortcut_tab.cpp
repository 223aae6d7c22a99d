#include "app/editor/shortcut_tab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor/editor_captions.h"
#include "app/qt/qt_text.h"
#include "macro/instruction_catalogue.h"

namespace vartel {
namespace {

// The buttons leave the focus in the field they fill.
QPushButton* shortcutButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFocusPolicy(Qt::NoFocus);
    // The tab is narrow: the buttons share its width instead of asking for their own.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return button;
}

}  // namespace

ShortcutTab::ShortcutTab(QWidget* parent) : QWidget(parent) {
    using namespace editor_captions;
    auto* variables = new QGroupBox(kVariablesGroup, this);
    auto* variableGrid = new QGridLayout(variables);
    QStringList captions = kVariableButtons;
    captions << kClear;
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = shortcutButton(captions[i], variables);
        const QString text = captions[i] == kClear ? QString() : captions[i];
        connect(button, &QPushButton::clicked, this, [this, text] { emit textChosen(text); });
        variableGrid->addWidget(button, i / 3, i % 3);
    }

    auto* numbers = new QGroupBox(kNumbersGroup, this);
    auto* numberGrid = new QGridLayout(numbers);
    auto* widthSwitch = new QGroupBox(kWidthSwitch, numbers);
    auto* widthLayout = new QHBoxLayout(widthSwitch);
    fullWidth_ = new QRadioButton(kFullWidth, widthSwitch);
    auto* halfWidth = new QRadioButton(kHalfWidth, widthSwitch);
    fullWidth_->setChecked(true);
    widthLayout->addWidget(fullWidth_);
    widthLayout->addWidget(halfWidth);
    numberGrid->addWidget(widthSwitch, 0, 0, 1, 5);
    for (int digit = 0; digit <= 9; ++digit) {
        auto* button = shortcutButton(QString::number(digit), numbers);
        connect(button, &QPushButton::clicked, this, [this, digit] { emit digitPressed(digit); });
        numberGrid->addWidget(button, 1 + digit / 5, digit % 5);
    }
    for (int type = 0; type < kArithmeticButtons.size(); ++type) {
        auto* button = shortcutButton(kArithmeticButtons[type], numbers);
        connect(button, &QPushButton::clicked, this,
                [this, type] { emit typeChosen(kKindArithmetic, type); });
        numberGrid->addWidget(button, 3, type);
    }

    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    const auto& kinds = InstructionCatalogue::kinds();
    for (const auto& kind : kinds) {
        auto* kindItem = new QTreeWidgetItem(tree_, {toQString(kind.name)});
        for (const auto& type : kind.types) new QTreeWidgetItem(kindItem, {toQString(type.name)});
    }
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (QTreeWidgetItem* kindItem = item->parent())
            emit typeChosen(tree_->indexOfTopLevelItem(kindItem), kindItem->indexOfChild(item));
        else
            emit kindChosen(tree_->indexOfTopLevelItem(item));
    });

    for (auto* grid : {variableGrid, numberGrid}) {
        grid->setContentsMargins(4, 2, 4, 2);
        grid->setSpacing(2);
    }
    widthLayout->setContentsMargins(4, 0, 4, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(variables);
    layout->addWidget(numbers);
    layout->addWidget(tree_, 1);
}

DigitWidth ShortcutTab::digitWidth() const {
    return fullWidth_->isChecked() ? DigitWidth::Full : DigitWidth::Half;
}

}  // namespace vartel

#include "app/tabs/form_parts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <limits>

#include "app/messages.h"

namespace vartel {

QVBoxLayout* tabLayout(QWidget* tab) {
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    return layout;
}

QVBoxLayout* groupLayout(QGroupBox* group) {
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
    return layout;
}

QGroupBox* radioGroup(const QString& title, const QStringList& captions, int columns,
                      QButtonGroup*& buttons, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(1);
    buttons = new QButtonGroup(group);
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i], group);
        buttons->addButton(radio, i);
        grid->addWidget(radio, i / columns, i % columns);
    }
    buttons->button(0)->setChecked(true);
    return group;
}

QSpinBox* countBox(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, 255);
    box->setValue(1);
    return box;
}

QSpinBox* numberBox(int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    box->setValue(value);
    return box;
}

QPushButton* button(const QString& caption, const QString& hint, QWidget* parent) {
    auto* result = new QPushButton(caption, parent);
    if (!hint.isEmpty()) result->setToolTip(hint);
    return result;
}

QLineEdit* textField(QVBoxLayout* layout, const QString& label, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    layout->addWidget(labelled(label, field, parent));
    return field;
}

QSpinBox* countField(QVBoxLayout* layout, const QString& label, QWidget* parent) {
    auto* field = countBox(parent);
    layout->addWidget(labelled(label, field, parent));
    return field;
}

void countPairField(QVBoxLayout* layout, QSpinBox*& position, QSpinBox*& count, QWidget* parent) {
    position = countBox(parent);
    count = countBox(parent);
    layout->addWidget(sideBySide(
        {labelled(ui::kCountN, position, parent), labelled(ui::kCountC, count, parent)}, parent));
}

QCheckBox* caseField(QVBoxLayout* layout, QWidget* parent) {
    auto* field = new QCheckBox(ui::kCaseSensitive, parent);
    layout->addWidget(field);
    return field;
}

QWidget* labelled(const QString& label, QWidget* field, QWidget* parent) {
    auto* line = new QWidget(parent);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(label, line);
    caption->setBuddy(field);
    layout->addWidget(caption);
    layout->addWidget(field, 1);
    return line;
}

QWidget* sideBySide(std::initializer_list<QWidget*> parts, QWidget* parent) {
    auto* line = new QWidget(parent);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* part : parts) layout->addWidget(part);
    return line;
}

}  // namespace vartel

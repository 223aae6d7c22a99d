#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>
#include <initializer_list>

namespace vartel {

// The pieces the editing tabs are made of.

// The column of controls of one tab, kept tight so that every tab shows whole at the window's
// first size.
QVBoxLayout* tabLayout(QWidget* tab);
// The column of controls inside a titled group, as tight as the tab's.
QVBoxLayout* groupLayout(QGroupBox* group);

// A titled group of radio buttons, the first one chosen; ids are the captions' indices.
QGroupBox* radioGroup(const QString& title, const QStringList& captions, int columns,
                      QButtonGroup*& buttons, QWidget* parent);

// A count of 1 to 255, as every N and C of the tabs.
QSpinBox* countBox(QWidget* parent);
// A whole number without practical bounds, as the start and step of numbering.
QSpinBox* numberBox(int value, QWidget* parent);

QPushButton* button(const QString& caption, const QString& hint, QWidget* parent);

// Fields added to a tab's column under their labels.
QLineEdit* textField(QVBoxLayout* layout, const QString& label, QWidget* parent);
QSpinBox* countField(QVBoxLayout* layout, const QString& label, QWidget* parent);
// Ｎ and Ｃ on one line, as they are read together: from the Ｎth character, Ｃ characters.
void countPairField(QVBoxLayout* layout, QSpinBox*& position, QSpinBox*& count, QWidget* parent);
QCheckBox* caseField(QVBoxLayout* layout, QWidget* parent);
// A line with a label in front of the field; the label names the field as its buddy.
QWidget* labelled(const QString& label, QWidget* field, QWidget* parent);
// Short parts on one line, left to right, each as wide as it needs; fields share what is left.
QWidget* sideBySide(std::initializer_list<QWidget*> parts, QWidget* parent);

}  // namespace vartel

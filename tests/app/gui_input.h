#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace vartel {

// Types a text as an input method commits it; Japanese cannot come through key clicks.
inline void typeText(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

// Replaces a field's text as a user does: select all, then type.
inline void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    typeText(field, text);
}

// Moves a chooser to an entry with the keyboard, as a user would.
inline void choose(QComboBox* chooser, int index) {
    while (chooser->currentIndex() < index) QTest::keyClick(chooser, Qt::Key_Down);
    while (chooser->currentIndex() > index) QTest::keyClick(chooser, Qt::Key_Up);
}

// The button with this caption inside an area, or null.
inline QAbstractButton* buttonIn(const QWidget* area, const QString& caption) {
    for (QAbstractButton* found : area->findChildren<QAbstractButton*>())
        if (found->text() == caption) return found;
    return nullptr;
}

// Clicks the button with this caption inside an area; false when there is none. A radio
// button or check box is clicked on its box: its middle may lie past the end of its caption.
[[nodiscard]] inline bool clickButton(const QWidget* area, const QString& caption) {
    QAbstractButton* found = buttonIn(area, caption);
    if (!found) return false;
    const bool boxed = qobject_cast<QRadioButton*>(found) || qobject_cast<QCheckBox*>(found);
    const int middle = found->height() / 2;
    QTest::mouseClick(found, Qt::LeftButton, {},
                      boxed ? QPoint(middle, middle) : found->rect().center());
    return true;
}

// The field that the label with this caption names, or null.
template <typename Field>
Field* fieldLabelled(const QWidget* area, const QString& caption) {
    for (QLabel* label : area->findChildren<QLabel*>())
        if (label->text() == caption) return qobject_cast<Field*>(label->buddy());
    return nullptr;
}

// Brings a tab to the front with a click on its caption; the page, or null when there is none.
inline QWidget* openTab(QTabWidget* tabs, const QString& caption) {
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) != caption) continue;
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        return tabs->currentIndex() == i ? tabs->currentWidget() : nullptr;
    }
    return nullptr;
}

}  // namespace vartel

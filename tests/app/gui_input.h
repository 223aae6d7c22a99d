#pragma once

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QtTest>

namespace vartel {

// Types a text as an input method commits it; Japanese cannot come through key clicks.
inline void typeText(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

// Moves a chooser to an entry with the keyboard, as a user would.
inline void choose(QComboBox* chooser, int index) {
    while (chooser->currentIndex() < index) QTest::keyClick(chooser, Qt::Key_Down);
    while (chooser->currentIndex() > index) QTest::keyClick(chooser, Qt::Key_Up);
}

}  // namespace vartel

#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include "../support/scripted_dialogs.h"
#include "app/lists/conversion_list_panel.h"
#include "app/main/adding_box.h"
#include "app/main/program.h"
#include "app/main/recording_box.h"
#include "gui_input.h"

namespace vartel {

// The answers and the time a test gives the program.
struct Script {
    ScriptedDialogs dialogs;
    FixedClock clock{LocalDateTime{2024, 1, 2, 3, 4, 5}};
};

// The program's files with the window's state kept in this file: none unless a test gives one,
// so that no test reads what another one, or the user, left.
inline ProgramFiles filesKeepingWindowIn(std::string windowState) {
    ProgramFiles files = programFiles();
    files.windowState = std::move(windowState);
    return files;
}

// The whole program over scripted dialogs; its pump runs the events at every item, so a test
// can act in the middle of a long command.
struct TestProgram : Script, Program {
    explicit TestProgram(std::string windowState = {})
        : Program(dialogs, clock, std::chrono::milliseconds(0),
                  filesKeepingWindowIn(std::move(windowState))) {
        window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    }

    QAction* entry(const QString& menu, const QString& caption) {
        for (QAction* top : window.menuBar()->actions()) {
            if (top->text() != menu) continue;
            for (QAction* item : top->menu()->actions()) {
                if (item->text() == caption) return item;
                if (item->menu()) {
                    for (QAction* sub : item->menu()->actions())
                        if (sub->text() == caption) return sub;
                }
            }
        }
        return nullptr;
    }
    // The status bar's panels.
    QString hits() const { return window.hitsPanel()->text(); }
    QString previewCount() const { return window.previewCountPanel()->text(); }
    QString listCount() const { return window.listCountPanel()->text(); }
    int rows() const { return static_cast<int>(workspace.conversionList().size()); }
    // An editing tab, brought to the front with a click on its caption.
    QWidget* tab(const QString& caption) { return openTab(window.editTabs(), caption); }
    QLineEdit* field(const QString& tabCaption, const QString& label) {
        return fieldLabelled<QLineEdit>(tab(tabCaption), label);
    }
    // The names the recording box shows: as the recording started, and as it stands.
    QStringList recordingNames() const {
        QStringList names;
        for (QLineEdit* name : window.recordingBox()->findChildren<QLineEdit*>())
            names << name->text();
        return names;
    }
    QString addedCount() const { return window.addingBox()->findChildren<QLabel*>().at(1)->text(); }
    QList<QPushButton*> listButtons() const {
        return window.conversionPanel()->findChildren<QPushButton*>();
    }
};

// A click on a row of a list, as the user selects it.
inline void clickRow(QTableView* view, int row, Qt::KeyboardModifiers keys = {}) {
    const QRect cell = view->visualRect(view->model()->index(row, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, keys, cell.center());
}

// Types a number into a spin box over what it held.
inline void retypeNumber(QSpinBox* box, int value) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(value));
}

inline QAction* contextEntry(QWidget* list, const QString& caption) {
    for (QAction* entry : list->actions())
        if (entry->text() == caption) return entry;
    return nullptr;
}

}  // namespace vartel

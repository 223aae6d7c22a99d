#pragma once

#include "app/macro_editor_window.h"
#include "app/macro_test_window.h"
#include "app/main_window.h"
#include "app/qt_pump.h"
#include "editor/macro_editor.h"
#include "recording/recorder.h"
#include "workspace/workspace.h"

namespace vartel {

// Everything the running program is made of, each part built from those before it. The dialogs
// and the clock come from outside, so tests can script the one and fix the other.
struct Program {
    Program(Dialogs& dialogs, const Clock& clock,
            PumpThrottle::Interval pumpInterval = PumpThrottle::kDefaultInterval)
        : workspace(dialogs, pump, pumpInterval),
          recorder(editor, dialogs),
          window(workspace, editor, recorder, pump, clock),
          editorWindow(editor, dialogs),
          testWindow(editor, dialogs, clock, workspace) {
        window.setMacroEditorWindow(&editorWindow);
        QObject::connect(&editorWindow, &MacroEditorWindow::testRequested, &testWindow,
                         &MacroTestWindow::openTest);
        QObject::connect(&editorWindow, &MacroEditorWindow::helpRequested, &window,
                         &MainWindow::howToUse);
        // Only the main window's closing ends the program.
        editorWindow.setAttribute(Qt::WA_QuitOnClose, false);
        testWindow.setAttribute(Qt::WA_QuitOnClose, false);
    }

    QtPump pump;
    Workspace workspace;
    MacroEditor editor;
    Recorder recorder;
    MainWindow window;
    MacroEditorWindow editorWindow;
    MacroTestWindow testWindow;
};

}  // namespace vartel

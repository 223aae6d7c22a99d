#pragma once

#include "app/editor/macro_editor_window.h"
#include "app/editor/macro_test_window.h"
#include "app/main/main_controller.h"
#include "app/main/main_window.h"
#include "app/qt/qt_pump.h"
#include "editor/macro_editor.h"
#include "platform/freed_memory.h"
#include "recording/recorder.h"
#include "workspace/journal/journal_start.h"
#include "workspace/workspace.h"

namespace vartel {

// Everything the running program is made of, each part built from those before it. The dialogs
// and the clock come from outside, so tests can script the one and fix the other.
struct Program {
    Program(Dialogs& dialogs, const Clock& clock,
            PumpThrottle::Interval pumpInterval = PumpThrottle::kDefaultInterval,
            const ProgramFiles& files = programFiles())
        : dialogs_(dialogs),
          workspace(dialogs, pump, pumpInterval),
          recorder(editor, dialogs),
          controller(workspace, editor, recorder, dialogs, pump, clock, files),
          window(controller),
          editorWindow(editor, dialogs, controller.boundary()),
          testWindow(editor, dialogs, clock, workspace, controller.boundary()) {
        // A window that lives through commands over a million rows frees their texts as it goes.
        mergeFreedMemoryAtOnce();
        workspace.setGroupingAhead(true);
        QObject::connect(&controller, &MainController::editorShowRequested, &editorWindow,
                         &MacroEditorWindow::showEditor);
        QObject::connect(&controller, &MainController::editorCloseRequested, &editorWindow,
                         &MacroEditorWindow::closeEditor);
        QObject::connect(&controller, &MainController::macroChanged, &editorWindow,
                         &MacroEditorWindow::refresh);
        QObject::connect(&editorWindow, &MacroEditorWindow::testRequested, &testWindow,
                         &MacroTestWindow::openTest);
        QObject::connect(&editorWindow, &MacroEditorWindow::helpRequested, &controller,
                         &MainController::howToUse);
        // While a long command runs, the other windows wait with the main window's controls.
        controller.actions().bind(ActionId::MacroEditorWindow, &editorWindow);
        controller.actions().bind(ActionId::MacroTestWindow, &testWindow);
        // Macros are saved to the user's folder and offered in the macro tab at once.
        editor.saving() = {files.macroSaveFolder, [this] { controller.reloadMacros(); }};
        // Only the main window's closing ends the program.
        editorWindow.setAttribute(Qt::WA_QuitOnClose, false);
        testWindow.setAttribute(Qt::WA_QuitOnClose, false);
    }

    // Opens the journal the command line shares, settles a batch a crash cut short, and records
    // every later batch in it. Without a journal, after saying so, renames go on unrecorded:
    // refusing them would leave a user whose state folder cannot be written with no way to
    // rename at all.
    void startJournal() {
        journal = openJournalAtStart(dialogs_);
        if (!journal) return;
        controller.startJournal(*journal);
        workspace.setJournal(&*journal);
    }

  private:
    Dialogs& dialogs_;

  public:
    QtPump pump;
    std::optional<RenameJournal> journal;  // before the workspace, which records into it
    Workspace workspace;
    MacroEditor editor;
    Recorder recorder;
    MainController controller;
    MainWindow window;
    MacroEditorWindow editorWindow;
    MacroTestWindow testWindow;
};

}  // namespace vartel

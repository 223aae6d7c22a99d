#pragma once

#include <functional>

#include "app/main/main_controller.h"

class QAction;
class QMenuBar;
class QWidget;

namespace vartel {

// What the menus ask of the window itself rather than of the controller.
struct WindowCommands {
    std::function<void()> close;
    std::function<void()> rename;
    std::function<void()> toggleFolderTree;
    std::function<void()> toggleEditTabs;
    std::function<void()> showPastBatches;
};

// The conversion list's commands, one action each: the edit menu and the list's context menu
// show the same action, its keys beside it in both.
struct ListActions {
    QAction* invertSelection;
    QAction* selectAll;
    QAction* check;
    QAction* uncheck;
    QAction* invertCheck;
    QAction* exclude;
    QAction* cut;
    QAction* paste;
    QAction* rename;
    QAction* recordWithThisFile;
};

// Their keys act while the keyboard is in the list's panel: elsewhere Delete, Ctrl+A or Ctrl+V
// belong to a text field or to another list.
ListActions buildListActions(QWidget* panel, MainController& controller,
                             const WindowCommands& window);
// The menu bar of the main window, its entries bound to the action table.
void buildMainMenus(QMenuBar* bar, MainController& controller, const WindowCommands& window,
                    const ListActions& list);
// The conversion list's context menu.
void buildListContextMenu(QWidget* list, MainController& controller, const ListActions& shared);

}  // namespace vartel

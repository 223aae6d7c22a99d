#pragma once

#include <functional>

#include "app/main/main_controller.h"

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

// The menu bar of the main window, its entries bound to the action table.
void buildMainMenus(QMenuBar* bar, MainController& controller, const WindowCommands& window);
// The conversion list's context menu.
void buildListContextMenu(QWidget* list, MainController& controller, const WindowCommands& window);

}  // namespace vartel

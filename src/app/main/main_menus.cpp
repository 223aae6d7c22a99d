#include "app/main/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include "app/messages.h"
#include "workspace/lists/list_editing.h"
#include "workspace/lists/list_files.h"

namespace vartel {

void buildMainMenus(QMenuBar* bar, MainController& controller, const WindowCommands& window) {
    const auto entry = [&controller](QMenu* menu, const QString& caption,
                                     const std::function<void()>& intent,
                                     const QKeySequence& keys = {}) {
        QAction* item = menu->addAction(caption);
        if (!keys.isEmpty()) item->setShortcut(keys);
        QObject::connect(item, &QAction::triggered, &controller, intent);
        return item;
    };
    MainController& c = controller;
    const auto onList = [&c](void (*command)(Workspace&)) {
        return [&c, command] { c.runOnList(command); };
    };
    ActionTable& actions = controller.actions();

    QMenu* file = bar->addMenu(ui::kFileMenu);
    actions.bind(ActionId::FileMenu, file->menuAction());
    QMenu* list = file->addMenu(ui::kListMenu);
    entry(list, ui::kNew, onList(newList));
    entry(list, ui::kLoadList, onList(loadList));
    entry(list, ui::kSave, onList(saveList));
    entry(file, ui::kClose, window.close);

    QMenu* edit = bar->addMenu(ui::kEditMenu);
    entry(edit, ui::kInvertSelection, onList(invertSelection), QKeySequence(Qt::CTRL | Qt::Key_I));
    entry(edit, ui::kSelectAll, onList(selectAll), QKeySequence(Qt::CTRL | Qt::Key_A));
    edit->addSeparator();
    entry(edit, ui::kCheck, onList(checkSelected), QKeySequence(Qt::CTRL | Qt::Key_C));
    entry(edit, ui::kUncheck, onList(uncheckSelected), QKeySequence(Qt::CTRL | Qt::Key_D));
    entry(edit, ui::kInvertCheck, onList(invertCheck), QKeySequence(Qt::CTRL | Qt::Key_E));
    edit->addSeparator();
    entry(edit, ui::kExclude, onList(exclude));
    entry(edit, ui::kCut, onList(cut));
    entry(edit, ui::kPaste, onList(paste));
    entry(edit, ui::kRename, window.rename);

    QMenu* view = bar->addMenu(ui::kViewMenu);
    entry(view, ui::kFolderTree, window.toggleFolderTree);
    entry(view, ui::kEditTabs, window.toggleEditTabs);
    actions.bind(ActionId::EditMacro, entry(view, ui::kEditMacro, [&c] { c.editMacro(); }));
    view->addSeparator();
    QAction* literal = view->addAction(ui::kLiteralOrder);
    literal->setCheckable(true);
    QObject::connect(literal, &QAction::toggled, &controller, [&c, literal](bool on) {
        c.setLiteralOrder(on);
        // Refused while a command runs: the mark keeps telling the order in force.
        const QSignalBlocker quiet(literal);
        literal->setChecked(c.workspace().literalOrder());
    });
    entry(view, ui::kPastBatches, window.showPastBatches);

    QMenu* macro = bar->addMenu(ui::kMacroMenu);
    actions.bind(ActionId::MacroMenu, macro->menuAction());
    actions.bind(ActionId::RecordWithThisFile,
                 entry(macro, ui::kRecordWithThisFile, [&c] { c.recordWithThisFile(); }));
    actions.bind(ActionId::StopRecording,
                 entry(macro, ui::kStopRecording, [&c] { c.stopRecording(); }));
    actions.bind(ActionId::EditMacro, entry(macro, ui::kEdit, [&c] { c.editMacro(); }));
    actions.bind(ActionId::SaveMacro, entry(macro, ui::kSave, [&c] { c.saveMacro(); }));
    actions.bind(ActionId::ChooseMacro, entry(macro, ui::kLoad, [&c] { c.loadMacro(); }));
    actions.bind(ActionId::RunMacro, entry(macro, ui::kRun, [&c] { c.runMacro(); }));

    QMenu* help = bar->addMenu(ui::kHelpMenu);
    entry(help, ui::kHowToUse, [&c] { c.howToUse(); });
}

void buildListContextMenu(QWidget* list, MainController& controller, const WindowCommands& window) {
    MainController& c = controller;
    const auto entry = [&controller, list](const QString& caption,
                                           const std::function<void()>& intent) {
        auto* item = new QAction(caption, list);
        QObject::connect(item, &QAction::triggered, &controller, intent);
        list->addAction(item);
        return item;
    };
    const auto separator = [list] {
        auto* line = new QAction(list);
        line->setSeparator(true);
        list->addAction(line);
    };
    entry(ui::kOpen, [&c] { c.openFirstSelected(); });
    entry(ui::kOpenFolder, [&c] { c.openFolderOfFirstSelected(); });
    entry(ui::kRename, window.rename);
    entry(ui::kCheck, [&c] { c.runOnList(checkSelected); });
    entry(ui::kUncheck, [&c] { c.runOnList(uncheckSelected); });
    controller.actions().bind(ActionId::RecordWithThisFile,
                              entry(ui::kRecordWithThisFile, [&c] { c.recordWithThisFile(); }));
    separator();
    entry(ui::kCut, [&c] { c.runOnList(cut); });
    entry(ui::kPaste, [&c] { c.runOnList(paste); });
    entry(ui::kExclude, [&c] { c.runOnList(exclude); });
    separator();
    entry(ui::kProperties, [&c] { c.showPropertiesOfFirstSelected(); });
}

}  // namespace vartel

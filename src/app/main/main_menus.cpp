#include "app/main/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include "app/messages.h"
#include "workspace/lists/list_editing.h"
#include "workspace/lists/list_files.h"

namespace vartel {

ListActions buildListActions(QWidget* panel, MainController& controller,
                             const WindowCommands& window) {
    MainController& c = controller;
    const auto action = [panel, &c](const QString& caption, const QKeySequence& keys,
                                    const std::function<void()>& intent) {
        auto* item = new QAction(caption, panel);
        item->setShortcut(keys);
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        panel->addAction(item);
        QObject::connect(item, &QAction::triggered, &c, intent);
        return item;
    };
    const auto onList = [&action, &c](const QString& caption, const QKeySequence& keys,
                                      void (*command)(Workspace&)) {
        return action(caption, keys, [&c, command] { c.runOnList(command); });
    };
    const ListActions list{
        .invertSelection = onList(ui::kInvertSelection, Qt::CTRL | Qt::Key_I, invertSelection),
        .selectAll = onList(ui::kSelectAll, Qt::CTRL | Qt::Key_A, selectAll),
        .check = onList(ui::kCheck, Qt::CTRL | Qt::Key_C, checkSelected),
        .uncheck = onList(ui::kUncheck, Qt::CTRL | Qt::Key_D, uncheckSelected),
        .invertCheck = onList(ui::kInvertCheck, Qt::CTRL | Qt::Key_E, invertCheck),
        .exclude = onList(ui::kExclude, QKeySequence(Qt::Key_Delete), exclude),
        .cut = onList(ui::kCut, Qt::CTRL | Qt::Key_X, cut),
        .paste = onList(ui::kPaste, Qt::CTRL | Qt::Key_V, paste),
        .rename = action(ui::kRename, QKeySequence(Qt::Key_F2), window.rename),
        .recordWithThisFile = action(ui::kRecordWithThisFile, {}, [&c] { c.recordWithThisFile(); }),
    };
    controller.actions().bind(ActionId::RecordWithThisFile, list.recordWithThisFile);
    return list;
}

void buildMainMenus(QMenuBar* bar, MainController& controller, const WindowCommands& window,
                    const ListActions& list) {
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
    QMenu* lists = file->addMenu(ui::kListMenu);
    entry(lists, ui::kNew, onList(newList));
    entry(lists, ui::kLoadList, onList(loadList));
    entry(lists, ui::kSave, onList(saveList));
    entry(file, ui::kClose, window.close);

    QMenu* edit = bar->addMenu(ui::kEditMenu);
    edit->addActions({list.invertSelection, list.selectAll});
    edit->addSeparator();
    edit->addActions({list.check, list.uncheck, list.invertCheck});
    edit->addSeparator();
    edit->addActions({list.exclude, list.cut, list.paste, list.rename});

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
    QAction* companions = view->addAction(ui::kWithCompanions);
    companions->setCheckable(true);
    companions->setChecked(c.workspace().withCompanions());
    QObject::connect(companions, &QAction::toggled, &controller, [&c, companions](bool on) {
        c.setWithCompanions(on);
        const QSignalBlocker quiet(companions);
        companions->setChecked(c.workspace().withCompanions());
    });
    entry(view, ui::kPastBatches, window.showPastBatches);

    QMenu* macro = bar->addMenu(ui::kMacroMenu);
    actions.bind(ActionId::MacroMenu, macro->menuAction());
    macro->addAction(list.recordWithThisFile);
    actions.bind(ActionId::StopRecording,
                 entry(macro, ui::kStopRecording, [&c] { c.stopRecording(); }));
    actions.bind(ActionId::EditMacro, entry(macro, ui::kEdit, [&c] { c.editMacro(); }));
    actions.bind(ActionId::SaveMacro, entry(macro, ui::kSave, [&c] { c.saveMacro(); }));
    actions.bind(ActionId::ChooseMacro, entry(macro, ui::kLoad, [&c] { c.loadMacro(); }));
    actions.bind(ActionId::RunMacro, entry(macro, ui::kRun, [&c] { c.runMacro(); }));

    QMenu* help = bar->addMenu(ui::kHelpMenu);
    entry(
        help, ui::kHowToUse, [&c] { c.howToUse(); }, QKeySequence(Qt::Key_F1));
}

void buildListContextMenu(QWidget* list, MainController& controller, const ListActions& shared) {
    MainController& c = controller;
    const auto entry = [&controller, list](const QString& caption,
                                           const std::function<void()>& intent) {
        auto* item = new QAction(caption, list);
        QObject::connect(item, &QAction::triggered, &controller, intent);
        list->addAction(item);
    };
    const auto separator = [list] {
        auto* line = new QAction(list);
        line->setSeparator(true);
        list->addAction(line);
    };
    entry(ui::kOpen, [&c] { c.openFirstSelected(); });
    entry(ui::kOpenFolder, [&c] { c.openFolderOfFirstSelected(); });
    list->addActions({shared.rename, shared.check, shared.uncheck, shared.recordWithThisFile});
    separator();
    list->addActions({shared.cut, shared.paste, shared.exclude});
    separator();
    entry(ui::kProperties, [&c] { c.showPropertiesOfFirstSelected(); });
}

}  // namespace vartel

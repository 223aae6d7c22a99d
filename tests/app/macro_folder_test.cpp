#include <QComboBox>
#include <QtTest>
#include <fstream>

#include "../support/temporary_folder.h"
#include "app/messages.h"
#include "gui_test_registry.h"
#include "test_program.h"

namespace vartel {

class MacroFolderTest : public QObject {
    Q_OBJECT

  private slots:
    void aSavedMacroIsOfferedAtOnceBeforeTheBundledOnes() {
        TemporaryFolder folder;
        const std::string user = folder.file("data/vartel/Data");  // made by the first save
        const std::string bundled = folder.file("share/vartel/Data");
        std::filesystem::create_directories(bundled);
        std::ofstream(bundled + "/given.vmc") << "[Main]\r\nCaption=given\r\n";
        ProgramFiles files;
        files.installed = true;
        files.guide = folder.file("share/doc/vartel/ReadMe.html");
        files.macroFolders = {user, bundled};
        files.macroSaveFolder = user;

        Script script;
        Program program(script.dialogs, script.clock, std::chrono::milliseconds(0), files);
        program.window.show();
        QWidget* tab = openTab(program.window.editTabs(), QStringLiteral("マクロ"));
        QVERIFY(tab != nullptr);
        auto* chooser = tab->findChild<QComboBox*>();
        QVERIFY(chooser != nullptr);
        QCOMPARE(chooser->count(), 1);
        QCOMPARE(chooser->itemText(0), QStringLiteral("given"));

        script.dialogs.texts = {U"mine"};
        script.dialogs.files = {user + "/mine.vmc"};
        QVERIFY(clickButton(tab, ui::kSave));
        QCOMPARE(script.dialogs.saveFolders, std::vector<std::string>{user});
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->itemText(0), QStringLiteral("mine"));
        QCOMPARE(chooser->itemText(1), QStringLiteral("given"));
    }
};

VARTEL_GUI_TEST(MacroFolderTest)

}  // namespace vartel

#include "macro_folder_test.moc"

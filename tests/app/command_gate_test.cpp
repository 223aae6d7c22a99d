#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "../support/temporary_folder.h"
#include "app/editor/macro_test_window.h"
#include "app/lists/result_list_panel.h"
#include "app/main/progress_box.h"
#include "common/error.h"
#include "gui_test_registry.h"
#include "test_program.h"

using namespace vartel;
namespace fs = std::filesystem;

namespace {

void writeFiles(const fs::path& folder, int count) {
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i) std::ofstream(folder / ("f" + std::to_string(i))) << "data";
}

bool isEnabled(QObject* control) {
    if (auto* entry = qobject_cast<QAction*>(control)) return entry->isEnabled();
    return static_cast<QWidget*>(control)->isEnabled();
}

}  // namespace

// The one boundary that every window's command passes, and what it keeps out while a long
// command runs.
class CommandGateTest : public QObject {
    Q_OBJECT

  private slots:
    // Every failure, of the program's own kind or not, ends in an error box; a command asked
    // for while another runs does not run.
    void theBoundaryShowsEveryFailureAndRunsOneCommandAtATime() {
        TestProgram program;
        CommandBoundary& boundary = program.controller.boundary();
        QVERIFY(boundary.run([] { throw VartelError(U"割り算できません"); }));
        QVERIFY(boundary.run([] { throw std::runtime_error("disk full"); }));
        QCOMPARE(program.dialogs.errors, (std::vector<Text>{U"割り算できません", U"disk full"}));
        bool inner = false;
        QVERIFY(boundary.run([&] { inner = boundary.run([] {}); }));
        QVERIFY(!inner);
        QCOMPARE(boundary.depth(), 0);
    }

    // Paths dropped while a walk runs are added after it, even when the walk is aborted.
    void aDropDuringAWalkSurvivesItsAbort() {
        TemporaryFolder folder;
        writeFiles(folder.path() / "tree", 200);
        std::ofstream(folder.file("late.txt")) << "late";
        TestProgram program;
        QTimer::singleShot(0, &program.window, [&] {
            program.window.addPaths({QString::fromStdString(folder.file("late.txt"))});
            QVERIFY(clickButton(program.window.addingBox(), "中止"));
        });
        program.window.addPaths({QString::fromStdString((folder.path() / "tree").string())});
        QVERIFY(program.rows() > 0 && program.rows() < 201);
        QCOMPARE(program.workspace.conversionList().back().name, Text(U"late.txt"));
        QCOMPARE(program.listCount(),
                 QStringLiteral("変換リスト数： ") + QString::number(program.rows()));
    }

    // While a macro runs over the list, the editor and the test window wait: a test run would
    // reset the variables the running macro uses.
    void theEditorAndTheTestWindowWaitForARunningMacro() {
        TemporaryFolder folder;
        writeFiles(folder.path(), 100);
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ編集"));
        program.testWindow.openTest();
        typeText(program.testWindow.nameField(), QStringLiteral("a"));
        bool waiting = false;
        QString resultDuringRun = QStringLiteral("unset");
        QTimer::singleShot(0, &program.window, [&] {
            waiting = !program.editorWindow.isEnabled() && !program.testWindow.isEnabled();
            program.testWindow.runTest();
            resultDuringRun = program.testWindow.resultField()->text();
            QVERIFY(clickButton(program.window.progressBox(), "中止"));
        });
        QVERIFY(clickButton(program.tab("マクロ"), "マクロ実行"));
        QVERIFY(waiting);
        QCOMPARE(resultDuringRun, QString());
        QVERIFY(program.editorWindow.isEnabled() && program.testWindow.isEnabled());
        program.testWindow.runTest();
        QCOMPARE(program.testWindow.resultField()->text(), QStringLiteral("a."));
    }

    // A walk, an operation and an execution each put every control the action table names
    // for the busy state out of reach, and all come back afterwards.
    void theBusyStateDisablesWhatTheActionTableSays() {
        TemporaryFolder folder;
        writeFiles(folder.path(), 150);
        TestProgram program;
        std::vector<QObject*> controls;
        for (const ActionRule& rule : actionRules()) {
            if (rule.usableWhileBusy) continue;
            const auto& bound = program.controller.actions().controls(rule.id);
            QVERIFY2(!bound.empty(), "an action without controls");
            controls.insert(controls.end(), bound.begin(), bound.end());
        }
        const auto countEnabled = [&] {
            return std::count_if(controls.begin(), controls.end(), isEnabled);
        };
        QCOMPARE(countEnabled(), static_cast<long>(controls.size()));

        const auto whileBusy = [&](QWidget* abortBox, const std::function<void()>& command) {
            long enabledWhileBusy = -1;
            QTimer::singleShot(0, &program.window, [&] {
                enabledWhileBusy = countEnabled();
                QVERIFY(clickButton(abortBox, "中止"));
            });
            command();
            QCOMPARE(enabledWhileBusy, 0L);
            QCOMPARE(countEnabled(), static_cast<long>(controls.size()));
        };
        whileBusy(program.window.addingBox(), [&] {
            program.window.addPaths({QString::fromStdString(folder.path().string())});
        });
        whileBusy(program.window.progressBox(),
                  [&] { QVERIFY(clickButton(program.tab("追加"), "プレビュー")); });
        retype(program.field("追加", "追加文字"), "x");
        QVERIFY(clickButton(program.tab("追加"), "プレビュー"));
        QVERIFY(!program.workspace.previewList().empty());
        whileBusy(program.window.progressBox(),
                  [&] { QVERIFY(clickButton(program.window.previewPanel(), "変換実行")); });
    }
};

VARTEL_GUI_TEST(CommandGateTest)
#include "command_gate_test.moc"

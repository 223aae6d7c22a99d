#include <QCheckBox>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "../support/temporary_folder.h"
#include "app/lists/result_list_panel.h"
#include "gui_input.h"
#include "gui_test_registry.h"
#include "test_program.h"

using namespace vartel;
namespace fs = std::filesystem;

namespace {

QCheckBox* regexSwitch(QWidget* tab) {
    return qobject_cast<QCheckBox*>(buttonIn(tab, QStringLiteral("正規表現")));
}

QStringList previewNames(TestProgram& program) {
    QStringList names;
    auto* model = program.window.previewPanel()->list()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 1).data().toString();
    return names;
}

}  // namespace

class ReplaceTabTest : public QObject {
    Q_OBJECT

  private slots:
    // The conversions are kinds of the tab like the case conversions, and rename on disk.
    void aTextConversionRenamesThroughTheTab() {
        TemporaryFolder folder;
        std::ofstream(folder.path() / "ＡＢＣ１２３.txt") << "x";
        std::ofstream(folder.path() / "ｶﾞｲﾄﾞ.txt") << "x";
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QWidget* tab = program.tab("置換");
        QVERIFY(clickButton(tab, "全角英数→半角"));
        QVERIFY(!regexSwitch(tab)->isEnabled());
        QVERIFY(clickButton(tab, "プレビュー"));
        // Half-width kana are not letters or digits: that name stays in the list.
        QCOMPARE(previewNames(program), QStringList({"ABC123.txt"}));
        QCOMPARE(program.rows(), 1);

        QVERIFY(clickButton(program.window.previewPanel(), "変換リストに戻す"));
        QVERIFY(clickButton(tab, "半角カナ→全角"));
        QVERIFY(clickButton(tab, "プレビュー"));
        QCOMPARE(previewNames(program), QStringList({"ガイド.txt"}));
        QVERIFY(clickButton(program.window.previewPanel(), "変換実行"));
        QCOMPARE(program.dialogs.lastMessage(), Text(U"正常終了"));
        QVERIFY(fs::exists(folder.path() / "ガイド.txt"));
    }

    // A pattern with groups rewrites the name; a broken one says why and previews nothing.
    void aRegularExpressionReplacesAndABrokenOneIsRefused() {
        TemporaryFolder folder;
        std::ofstream(folder.path() / "IMG_0042.jpg") << "x";
        TestProgram program;
        program.window.addPaths({QString::fromStdString(folder.file("IMG_0042.jpg"))});
        QWidget* tab = program.tab("置換");
        QVERIFY(regexSwitch(tab)->isEnabled());
        QVERIFY(clickButton(tab, "正規表現"));
        QVERIFY(regexSwitch(tab)->isChecked());
        retype(program.field("置換", "検索文字"), "IMG_(\\d+)");
        retype(program.field("置換", "置換文字"), "写真$1");
        QVERIFY(clickButton(tab, "プレビュー"));
        QCOMPARE(previewNames(program), QStringList({"写真0042.jpg"}));
        QVERIFY(clickButton(program.window.previewPanel(), "変換リストに戻す"));

        retype(program.field("置換", "検索文字"), "IMG_(\\d+");
        const std::size_t errorsBefore = program.dialogs.errors.size();
        QVERIFY(clickButton(tab, "プレビュー"));
        QCOMPARE(program.dialogs.errors.size(), errorsBefore + 1);
        QVERIFY(!program.dialogs.errors.back().empty());
        QCOMPARE(previewNames(program), QStringList());
        QCOMPARE(program.rows(), 1);

        // Without the switch the same text is taken literally.
        QVERIFY(clickButton(tab, "正規表現"));
        retype(program.field("置換", "検索文字"), "(\\d+)");
        retype(program.field("置換", "置換文字"), "");
        std::ofstream(folder.path() / "a(\\d+)b.jpg") << "x";
        program.window.addPaths({QString::fromStdString(folder.file("a(\\d+)b.jpg"))});
        QVERIFY(clickButton(tab, "プレビュー"));
        QCOMPARE(previewNames(program), QStringList({"ab.jpg"}));
    }
};

VARTEL_GUI_TEST(ReplaceTabTest)
#include "replace_tab_test.moc"

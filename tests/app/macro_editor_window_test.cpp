#include "app/editor/macro_editor_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"
#include "app/editor/line_input_row.h"
#include "app/editor/macro_test_window.h"
#include "app/editor/modify_dialog.h"
#include "app/editor/multi_condition_tab.h"
#include "app/editor/shortcut_tab.h"
#include "app/main/command_boundary.h"
#include "app/qt/qt_text.h"
#include "editor/messages.h"
#include "gui_input.h"
#include "gui_test_registry.h"
#include "macro/instruction_catalogue.h"
#include "macro/macro_file.h"

using namespace vartel;

namespace {

class NoCheckedFiles : public CheckedFileCount {
  public:
    int checkedFileCount() const override { return 0; }
};

QAction* menuAction(QMenuBar* bar, const QString& menu, const QString& entry) {
    for (QAction* top : bar->actions()) {
        if (top->text() != menu) continue;
        for (QAction* action : top->menu()->actions())
            if (action->text() == entry) return action;
    }
    return nullptr;
}

QAction* action(QMenu* menu, const QString& entry) {
    for (QAction* action : menu->actions())
        if (action->text() == entry) return action;
    return nullptr;
}

QPushButton* button(QWidget* parent, const QString& caption) {
    for (auto* found : parent->findChildren<QPushButton*>())
        if (found->text() == caption) return found;
    return nullptr;
}

QString cell(QTableView* view, int row, int column, int role = Qt::DisplayRole) {
    return view->model()->index(row, column).data(role).toString();
}

void selectRows(QTableView* view, std::initializer_list<int> rows) {
    view->clearSelection();
    for (const int row : rows)
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

class MacroEditorWindowTest : public QObject {
    Q_OBJECT

  private:
    // Types the focused field's text from the shortcut buttons.
    void typeWithShortcuts(QLineEdit* field, const QString& variable, int digit) {
        field->setFocus();
        QTest::mouseClick(button(window->shortcutTab(), variable), Qt::LeftButton);
        QTest::mouseClick(button(window->shortcutTab(), QString::number(digit)), Qt::LeftButton);
    }

    void typeLine(const QString& target, int kind, int type, const QStringList& operands) {
        const auto& fields = window->inputRow()->fields();
        typeText(fields[0], target);
        choose(window->inputRow()->kindChooser(), kind);
        choose(window->inputRow()->typeChooser(), type);
        for (int k = 0; k < operands.size(); ++k) typeText(fields[k + 1], operands[k]);
    }

    // The editor's "追加", not the one of the tab "複数条件".
    void add() {
        QTest::mouseClick(button(window->inputRow()->parentWidget(), QStringLiteral("追加")),
                          Qt::LeftButton);
    }

    MacroEditor editor;
    ScriptedDialogs dialogs;
    FixedClock clock{{2024, 5, 6, 7, 8, 9}};
    NoCheckedFiles files;
    QtPump pump;
    Workspace workspace{dialogs, pump};
    CommandBoundary boundary{workspace, dialogs, pump};
    std::unique_ptr<MacroEditorWindow> window;

  private slots:
    void init() {
        editor = MacroEditor{};
        dialogs = ScriptedDialogs{};
        window = std::make_unique<MacroEditorWindow>(editor, dialogs, boundary);
        window->showEditor();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void hasItsFixedSizes() {
        QCOMPARE(window->windowTitle(), QStringLiteral("マクロ"));
        QCOMPARE(window->minimumSize(), QSize(886, 523));
        QCOMPARE(window->maximumSize(), QSize(886, 523));
        QCOMPARE(window->modifyDialog()->minimumSize(), QSize(651, 148));
        QCOMPARE(window->modifyDialog()->windowTitle(), QStringLiteral("修正"));
        QCOMPARE(window->inputRow()->kindChooser()->placeholderText(), QStringLiteral("種類"));
        QCOMPARE(window->inputRow()->typeChooser()->count(), 0);
        MacroTestWindow test(editor, dialogs, clock, files, boundary);
        QCOMPARE(test.size(), QSize(772, 446));
        QCOMPARE(test.minimumSize(), QSize(661, 142));
    }

    void writesSavesReopensAndTestsAMacro() {
        const auto& fields = window->inputRow()->fields();
        // 固定数値１ ＝ 固定数値１ ＋ 1, with the arithmetic button choosing the instruction.
        typeWithShortcuts(fields[0], QStringLiteral("固定数値"), 1);
        typeWithShortcuts(fields[1], QStringLiteral("固定数値"), 1);
        typeText(fields[2], QStringLiteral("1"));
        QTest::mouseClick(button(window->shortcutTab(), QStringLiteral("＋")), Qt::LeftButton);
        QCOMPARE(window->referenceName()->text(), QStringLiteral("数値演算（＋）"));
        add();
        typeLine(QStringLiteral("文字１"), kKindConvert, 2, {QStringLiteral("固定数値１")});
        add();
        typeLine(QStringLiteral("ファイル名"), kKindTextOutput, 2,
                 {QStringLiteral("ファイル名"), QStringLiteral("文字１")});
        add();
        typeLine(QString(), kKindInformation, 2, {QStringLiteral("メモ")});
        add();
        QVERIFY(dialogs.messages.empty());
        QTableView* list = window->lineList();
        QCOMPARE(list->model()->rowCount(), 4);
        QCOMPARE(cell(list, 0, 1), QStringLiteral("固定数値１"));
        QCOMPARE(cell(list, 2, 5), QStringLiteral("文字１"));
        QCOMPARE(cell(list, 3, 0), QStringLiteral("4"));
        QCOMPARE(list->model()->index(3, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(Qt::red));
        QVERIFY(!list->model()->index(2, 0).data(Qt::ForegroundRole).isValid());
        // The input is empty again after every line.
        QVERIFY(fields[0]->text().isEmpty());
        QCOMPARE(window->inputRow()->kindChooser()->currentIndex(), -1);

        // Values can be edited, names cannot.
        QAbstractItemModel* fixedNumbers = window->variableTable(1)->model();
        QVERIFY(!(fixedNumbers->flags(fixedNumbers->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(fixedNumbers->setData(fixedNumbers->index(0, 1), QStringLiteral("41")));

        TemporaryFolder folder;
        const std::string path = folder.file("macro.vmc");
        dialogs.texts = {U"連番"};
        // Saved, emptied and opened again by the keys of the menu's entries, from a field.
        fields[0]->setFocus();
        dialogs.files = {path};
        QTest::keyClick(fields[0], Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(readMacroCaption(path), std::optional<Text>(U"連番"));

        dialogs.answers = {Answer::No};
        QTest::keyClick(fields[0], Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(list->model()->rowCount(), 0);
        QCOMPARE(cell(window->variableTable(1), 0, 1), QStringLiteral("0"));

        dialogs.files = {path};
        QTest::keyClick(fields[0], Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(list->model()->rowCount(), 4);
        QCOMPARE(cell(window->variableTable(1), 0, 1), QStringLiteral("41"));

        MacroTestWindow test(editor, dialogs, clock, files, boundary);
        connect(window.get(), &MacroEditorWindow::testRequested, &test, &MacroTestWindow::openTest);
        menuAction(window->menuBar(), QStringLiteral("メニュー"), QStringLiteral("テスト"))
            ->trigger();
        QVERIFY(test.isVisible());
        typeText(test.nameField(), QStringLiteral("n"));
        typeText(test.extensionField(), QStringLiteral("e"));
        // Every test starts from the tables, so two tests agree.
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(button(&test, QStringLiteral("テスト")), Qt::LeftButton);
            QCOMPARE(test.resultField()->text(), QStringLiteral("n42.e"));
            QCOMPARE(test.traceList()->model()->rowCount(), 4);
            QCOMPARE(cell(test.traceList(), 0, 1), QStringLiteral("42"));
            QCOMPARE(cell(test.traceList(), 0, 6), QStringLiteral("1"));
        }
        // A failing run is reported and keeps the last result.
        QVERIFY(fixedNumbers->setData(fixedNumbers->index(0, 1), QStringLiteral("x")));
        QTest::mouseClick(button(&test, QStringLiteral("テスト")), Qt::LeftButton);
        QCOMPARE(dialogs.errors.size(), std::size_t{1});
        QCOMPARE(test.resultField()->text(), QStringLiteral("n42.e"));
        QCOMPARE(test.traceList()->model()->rowCount(), 0);

        menuAction(window->menuBar(), QStringLiteral("メニュー"), QStringLiteral("閉じる"))
            ->trigger();
        QVERIFY(!window->isVisible());
        // A recording changes the lines while the editor is hidden; showing it shows them.
        editor.program().removeLine(0);
        window->showEditor();
        QCOMPARE(list->model()->rowCount(), 3);
    }

    void shortcutDigitsFollowTheWidthSwitch() {
        QLineEdit* target = window->inputRow()->fields()[0];
        typeWithShortcuts(target, QStringLiteral("文字"), 1);
        QTest::mouseClick(button(window->shortcutTab(), QStringLiteral("2")), Qt::LeftButton);
        QCOMPARE(target->text(), QStringLiteral("文字１２"));
        window->shortcutTab()->findChildren<QRadioButton*>().at(1)->click();
        typeWithShortcuts(target, QStringLiteral("文字"), 1);
        QCOMPARE(target->text(), QStringLiteral("文字1"));
        QTest::mouseClick(button(window->shortcutTab(), QStringLiteral("消去")), Qt::LeftButton);
        QVERIFY(target->text().isEmpty());
    }

    // "数値1" looks like a variable; the refusal says which field and how it is written.
    void aHalfWidthVariableNumberIsRefusedByItsField() {
        typeLine(QStringLiteral("数値1"), kKindAssign, 0, {QStringLiteral("5")});
        add();
        QCOMPARE(dialogs.lastMessage(), Text(U"代入変数の「数値1」は変数になりません。"
                                             U"変数の番号は全角数字で入力してください（数値１）"));
        QCOMPARE(editor.program().lineCount(), 0);
    }

    // A long signature is read from its start; the choosers show every kind and type whole.
    void theReferenceAndTheChoosersShowWholeTexts() {
        typeLine(QString(), kKindTextOutput, 0, {});
        QVERIFY(window->referenceSignature()->text().startsWith(QStringLiteral("（文字型変数D）")));
        QCOMPARE(window->referenceSignature()->cursorPosition(), 0);
        QComboBox* kinds = window->inputRow()->kindChooser();
        QComboBox* types = window->inputRow()->typeChooser();
        const auto room = [](QComboBox* chooser) {
            QStyleOptionComboBox option;
            option.initFrom(chooser);
            return chooser->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                 chooser)
                .width();
        };
        for (int kind = 0; kind < kinds->count(); ++kind) {
            choose(kinds, kind);
            QVERIFY2(kinds->fontMetrics().horizontalAdvance(kinds->currentText()) <= room(kinds),
                     qPrintable(kinds->currentText()));
            for (int type = 0; type < types->count(); ++type)
                QVERIFY2(
                    types->fontMetrics().horizontalAdvance(types->itemText(type)) <= room(types),
                    qPrintable(types->itemText(type)));
        }
    }

    // Each line added or inserted is scrolled into view; every line is one text line high.
    void addedLinesComeIntoViewOneTextLineHigh() {
        QTableView* lines = window->lineList();
        const auto shown = [lines](int row) {
            return lines->viewport()->rect().contains(
                lines->visualRect(lines->model()->index(row, 1)));
        };
        for (int i = 0; i < 30; ++i) {
            typeLine(QString(), kKindInformation, 2, {QStringLiteral("メモ%1").arg(i)});
            add();
            QVERIFY(shown(i));
        }
        QCOMPARE(lines->rowHeight(0), lines->fontMetrics().height() + 4);
        // A line chosen near the top, the list scrolled to its end: the insertion brings the
        // top back.
        lines->scrollToTop();
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                          lines->visualRect(lines->model()->index(1, 1)).center());
        lines->scrollToBottom();
        QVERIFY(!shown(1));
        typeLine(QString(), kKindInformation, 2, {QStringLiteral("挿入")});
        QTest::mouseClick(button(window->inputRow()->parentWidget(), QStringLiteral("挿入")),
                          Qt::LeftButton);
        QCOMPARE(cell(lines, 1, 4), QStringLiteral("挿入"));
        QVERIFY(shown(1));
    }

    void treeDoubleClickChoosesKindAndType() {
        QTreeWidget* tree = window->shortcutTab()->tree();
        QTreeWidgetItem* type = tree->topLevelItem(kKindCondition)->child(2);
        emit tree->itemDoubleClicked(type, 0);
        QCOMPARE(window->inputRow()->kindChooser()->currentText(), QStringLiteral("条件処理"));
        QCOMPARE(window->inputRow()->typeChooser()->currentText(), QStringLiteral("＞"));
        QCOMPARE(window->referenceName()->text(), QStringLiteral("条件処理（＞）"));
        typeText(window->inputRow()->fields()[1], QStringLiteral("数値１"));
        typeText(window->inputRow()->fields()[2], QStringLiteral("3"));
        add();
        QCOMPARE(window->lineList()->model()->rowCount(), 2);
        QCOMPARE(cell(window->lineList(), 1, 3), QStringLiteral("条件開始"));
    }

    void insertAndModifyNeedOneSelectedLine() {
        typeLine(QString(), kKindInformation, 2, {QStringLiteral("a")});
        add();
        typeLine(QString(), kKindInformation, 2, {QStringLiteral("b")});
        QTest::mouseClick(button(window.get(), QStringLiteral("挿入")), Qt::LeftButton);
        QCOMPARE(dialogs.messages, std::vector<Text>{editor_messages::kNoInsertPosition});
        selectRows(window->lineList(), {0});
        QTest::mouseClick(button(window.get(), QStringLiteral("挿入")), Qt::LeftButton);
        QCOMPARE(cell(window->lineList(), 0, 4), QStringLiteral("b"));

        // The dialog opens on the line, refuses a wrong line and stays open, then takes a good one.
        selectRows(window->lineList(), {1});
        ModifyDialog* dialog = window->modifyDialog();
        bool checked = false;
        QTimer::singleShot(0, dialog, [&] {
            LineInputRow* row = dialog->inputRow();
            checked = row->kindChooser()->currentText() == QStringLiteral("情報") &&
                      row->fields()[1]->text() == QStringLiteral("a");
            choose(row->kindChooser(), kKindAssign);
            QCOMPARE(row->typeChooser()->currentIndex(), 0);
            row->fields()[0]->setText(QStringLiteral("文字１"));
            QTest::mouseClick(button(dialog, QStringLiteral("修正")), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            row->fields()[0]->setText(QStringLiteral("数値１"));
            row->fields()[1]->setText(QStringLiteral("5"));
            QTest::mouseClick(button(dialog, QStringLiteral("修正")), Qt::LeftButton);
        });
        action(window->lineContextMenu(), QStringLiteral("修正"))->trigger();
        QVERIFY(checked);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(window->lineList()->model()->rowCount(), 2);
        QCOMPARE(cell(window->lineList(), 1, 1), QStringLiteral("数値１"));
        QCOMPARE(cell(window->lineList(), 1, 3), QStringLiteral("数値"));
        QCOMPARE(dialogs.lastMessage(), editor_messages::kKindTypeWrong);
    }

    void contextMenuOffersPastesForOneSelectedLine() {
        for (const auto* text : {"a", "b", "c"}) {
            typeLine(QString(), kKindInformation, 2, {QString::fromLatin1(text)});
            add();
        }
        QMenu* menu = window->lineContextMenu();
        const auto pastesEnabled = [&] {
            emit menu->aboutToShow();
            return action(menu, QStringLiteral("貼り付け"))->isEnabled() &&
                   action(menu, QStringLiteral("最後に貼り付け"))->isEnabled();
        };
        selectRows(window->lineList(), {0});
        QVERIFY(!pastesEnabled());  // nothing to paste yet
        selectRows(window->lineList(), {0, 2});
        action(menu, QStringLiteral("コピー"))->trigger();
        QVERIFY(window->selectedLines().empty());
        selectRows(window->lineList(), {0, 1});
        QVERIFY(!pastesEnabled());
        selectRows(window->lineList(), {1});
        QVERIFY(pastesEnabled());
        action(menu, QStringLiteral("貼り付け"))->trigger();
        QCOMPARE(cell(window->lineList(), 1, 4), QStringLiteral("a"));
        QCOMPARE(cell(window->lineList(), 4, 0), QStringLiteral("5"));
    }

    void multiConditionTabAddsAndDeletesPairs() {
        MultiConditionTab* tab = window->multiConditionTab();
        QPushButton* add = tab->findChild<QPushButton*>(QStringLiteral("addPair"));
        typeText(tab->searchField(), QStringLiteral("abc"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(dialogs.messages, std::vector<Text>{editor_messages::kEmptyField});
        QCOMPARE(tab->searchField()->text(), QStringLiteral("abc"));
        typeText(tab->outputField(), QStringLiteral("XYZ"));
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(tab->searchField()->text().isEmpty());
        QCOMPARE(cell(tab->list(), 0, 1), QStringLiteral("XYZ"));
        selectRows(tab->list(), {0});
        action(tab->contextMenu(), QStringLiteral("削除"))->trigger();
        QCOMPARE(tab->list()->model()->rowCount(), 0);
    }
};

VARTEL_GUI_TEST(MacroEditorWindowTest)
#include "macro_editor_window_test.moc"

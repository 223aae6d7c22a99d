#include <QHeaderView>
#include <QMenu>
#include <QtTest>
#include <fstream>

#include "../support/media_files.h"
#include "../support/temporary_folder.h"
#include "app/lists/conversion_list_view.h"
#include "app/lists/result_list_panel.h"
#include "gui_test_registry.h"
#include "test_program.h"

using namespace vartel;

namespace {

constexpr int kDateTaken = 5;
constexpr int kCameraModel = 6;
constexpr int kReading = 7;

// Right-clicks the list's header and toggles the entry with this caption.
void toggleInHeaderMenu(QHeaderView* header, const QString& caption) {
    QTimer::singleShot(0, [caption] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* entry : menu->actions())
            if (entry->text() == caption) entry->trigger();
        menu->close();
    });
    const QPoint at(10, header->height() / 2);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
    QApplication::sendEvent(header->viewport(), &request);
}

void clickSection(QHeaderView* header, int column) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}

// Presses the mouse on the header at `from`, drags it to `to` and lets go there.
void dragOnHeader(QHeaderView* header, int from, int to) {
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(from, y));
    QTest::mouseMove(header->viewport(), QPoint((from + to) / 2, y));
    QTest::mouseMove(header->viewport(), QPoint(to, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(to, y));
}

// The shown columns from left to right, each as its caption and width.
QStringList shownColumns(QHeaderView* header) {
    QStringList shown;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (header->isSectionHidden(column)) continue;
        shown << QStringLiteral("%1 %2")
                     .arg(header->model()->headerData(column, Qt::Horizontal).toString())
                     .arg(header->sectionSize(column));
    }
    return shown;
}

}  // namespace

class PhotoColumnsTest : public QObject {
    Q_OBJECT

  private slots:
    // The photo columns start hidden and unread; shown from the header's menu they are read,
    // and a click on 撮影日時 orders the photos as they were taken, undated ones last.
    void theHeaderMenuShowsTheDateTakenAndSortsByIt() {
        TemporaryFolder folder;
        writeJpeg(folder.file("a.jpg"), {{"Exif.Photo.DateTimeOriginal", "2024:05:03 09:05:07"},
                                         {"Exif.Image.Model", "Camera X  "}});
        writeJpeg(folder.file("b.jpg"), {{"Exif.Photo.DateTimeOriginal", "2023:12:31 23:59:59"}});
        writeJpeg(folder.file("c.jpg"), {});
        TestProgram program;
        ConversionListView* list = program.window.conversionList();
        QHeaderView* header = list->horizontalHeader();
        QVERIFY(list->isColumnHidden(kDateTaken) && list->isColumnHidden(kCameraModel));
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QCOMPARE(program.rows(), 3);
        QVERIFY(!program.workspace.conversionList()[0].photoFacts);

        toggleInHeaderMenu(header, "撮影日時");
        QVERIFY(!list->isColumnHidden(kDateTaken));
        QVERIFY(list->isColumnHidden(kCameraModel));
        for (const auto& row : program.workspace.conversionList()) QVERIFY(row.photoFacts);

        clickSection(header, kDateTaken);
        const auto cell = [&](int row, int column) {
            return list->model()->index(row, column).data().toString();
        };
        QCOMPARE(cell(0, 0), QStringLiteral("b.jpg"));
        QCOMPARE(cell(0, kDateTaken), QStringLiteral("2023/12/31 23:59:59"));
        QCOMPARE(cell(1, 0), QStringLiteral("a.jpg"));
        QCOMPARE(cell(2, 0), QStringLiteral("c.jpg"));
        QCOMPARE(cell(2, kDateTaken), QString());

        // Rows added while the column shows are read after they came.
        writeJpeg(folder.file("d.jpg"), {{"Exif.Image.Model", "Camera Y"}});
        program.window.addPaths({QString::fromStdString(folder.file("d.jpg"))});
        QTRY_VERIFY(program.workspace.conversionList().back().photoFacts != nullptr);

        toggleInHeaderMenu(header, "カメラ機種");
        QVERIFY(!list->isColumnHidden(kCameraModel));
        // Shown, they come right after the modified time, before the wide full path.
        QStringList captions;
        for (int visual = 0; visual < header->count(); ++visual)
            captions << list->model()
                            ->headerData(header->logicalIndex(visual), Qt::Horizontal)
                            .toString();
        QCOMPARE(captions, QStringList({"ファイル名", "ファイル名（読み）", "拡張子", "サイズ",
                                        "更新日時", "撮影日時", "カメラ機種", "フルパス"}));
        QCOMPARE(cell(1, kCameraModel), QStringLiteral("Camera X"));
        QCOMPARE(cell(3, kCameraModel), QStringLiteral("Camera Y"));
        toggleInHeaderMenu(header, "撮影日時");
        QVERIFY(list->isColumnHidden(kDateTaken));
    }

    // ファイル名（読み） shows beside the name how it reads, and a click on it sorts by that:
    // kanji by their reading in 五十音 order among the kana, Latin names after them.
    void theReadingColumnSortsInTheOrderOfTheKana() {
        TemporaryFolder folder;
        for (const char* name : {"桜.txt", "Beatles.txt", "青空.txt", "カメラ.txt", "赤とんぼ.txt"})
            std::ofstream(folder.file(name)) << "x";
        TestProgram program;
        ConversionListView* list = program.window.conversionList();
        QHeaderView* header = list->horizontalHeader();
        QVERIFY(list->isColumnHidden(kReading));
        program.window.addPaths({QString::fromStdString(folder.path().string())});
        QCOMPARE(program.rows(), 5);

        toggleInHeaderMenu(header, "ファイル名（読み）");
        QVERIFY(!list->isColumnHidden(kReading));
        QCOMPARE(header->visualIndex(kReading), 1);
        clickSection(header, kReading);
        QStringList names;
        for (int row = 0; row < program.rows(); ++row)
            names << list->model()->index(row, 0).data().toString() + " " +
                         list->model()->index(row, kReading).data().toString();
        QCOMPARE(names, QStringList({"青空.txt アオゾラ.txt", "赤とんぼ.txt アカトンボ.txt",
                                     "カメラ.txt カメラ.txt", "桜.txt サクラ.txt",
                                     "Beatles.txt Beatles.txt"}));
    }

    // A column widened and one moved with the mouse, and a photo column shown, are as the user
    // left them when the window opens again.
    void theColumnsComeBackAfterARestart() {
        TemporaryFolder folder;
        // The state's folder is made when the window closes.
        const std::string state = folder.file("state/vartel/window.ini");
        QStringList left;
        {
            TestProgram program(state);
            QHeaderView* header = program.window.conversionList()->horizontalHeader();
            toggleInHeaderMenu(header, "撮影日時");
            const int nameEdge = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
            const int nameWidth = header->sectionSize(0);
            dragOnHeader(header, nameEdge, nameEdge + 40);
            QCOMPARE(header->sectionSize(0), nameWidth + 40);
            // 拡張子 let go past the middle of サイズ takes its place.
            const int size = header->sectionViewportPosition(2) + header->sectionSize(2) * 3 / 4;
            dragOnHeader(header, header->sectionViewportPosition(1) + 5, size);
            QCOMPARE(header->visualIndex(1), header->visualIndex(2) + 1);
            left = shownColumns(header);
            QVERIFY(program.window.close());
        }
        TestProgram program(state);
        ConversionListView* list = program.window.conversionList();
        QCOMPARE(shownColumns(list->horizontalHeader()), left);
        QVERIFY(list->isColumnHidden(kCameraModel));
        // The photo column shows again, and rows added are read for it.
        writeJpeg(folder.file("a.jpg"), {{"Exif.Photo.DateTimeOriginal", "2024:05:03 09:05:07"}});
        program.window.addPaths({QString::fromStdString(folder.file("a.jpg"))});
        QTRY_VERIFY(program.workspace.conversionList().back().photoFacts != nullptr);

        // A damaged state, or another version's, leaves every list as it starts.
        std::ofstream(folder.file("damaged.ini"))
            << "[ConversionList]\nColumns=0:100 0:100 2:100 3:100 4:100 5:100 6:100\n"
               "[PreviewList]\nColumns=5:50 4:50 3:50 2:50 1:50 0:50 9:50\n"
               "[HistoryList]\nColumns=0:x 1:10 2:10\n";
        TestProgram damaged(folder.file("damaged.ini"));
        const auto lists = [](const TestProgram& started) {
            QStringList shown;
            for (QTableView* list :
                 {static_cast<QTableView*>(started.window.conversionList()),
                  static_cast<QTableView*>(started.window.previewPanel()->list()),
                  static_cast<QTableView*>(started.window.historyPanel()->list())})
                shown << shownColumns(list->horizontalHeader());
            return shown;
        };
        QCOMPARE(lists(damaged), lists(TestProgram()));
    }
};

VARTEL_GUI_TEST(PhotoColumnsTest)
#include "photo_columns_test.moc"

#include <QHeaderView>
#include <QMenu>
#include <QtTest>

#include "../support/media_files.h"
#include "../support/temporary_folder.h"
#include "app/lists/conversion_list_view.h"
#include "gui_test_registry.h"
#include "test_program.h"

using namespace vartel;

namespace {

constexpr int kDateTaken = 5;
constexpr int kCameraModel = 6;

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
        QCOMPARE(cell(1, kCameraModel), QStringLiteral("Camera X"));
        QCOMPARE(cell(3, kCameraModel), QStringLiteral("Camera Y"));
        toggleInHeaderMenu(header, "撮影日時");
        QVERIFY(list->isColumnHidden(kDateTaken));
    }
};

VARTEL_GUI_TEST(PhotoColumnsTest)
#include "photo_columns_test.moc"

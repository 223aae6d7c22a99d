#include "app/editor/macro_test_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "app/editor/editor_captions.h"
#include "app/lists/one_line_rows.h"
#include "app/lists/text_table_model.h"
#include "app/main/command_boundary.h"
#include "app/qt/qt_text.h"
#include "common/integer_text.h"
#include "editor/test_run.h"

namespace vartel {
namespace {

Text traceCell(const TraceRow& row, int column) {
    if (column == 0) return formatInteger(row.number);
    if (column == 1) return row.output;
    if (column <= 4) return row.operandTexts[static_cast<std::size_t>(column - 2)];
    return formatInteger(row.operandNumbers[static_cast<std::size_t>(column - 5)]);
}

}  // namespace

MacroTestWindow::MacroTestWindow(MacroEditor& editor, Dialogs& dialogs, const Clock& clock,
                                 const CheckedFileCount& fileCount, CommandBoundary& boundary,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window),
      editor_(editor),
      dialogs_(dialogs),
      clock_(clock),
      fileCount_(fileCount),
      boundary_(boundary) {
    using namespace editor_captions;
    setWindowTitle(kTestTitle);
    resize(772, 446);
    setMinimumSize(661, 142);

    name_ = new QLineEdit(this);
    extension_ = new QLineEdit(this);
    path_ = new QLineEdit(this);
    result_ = new QLineEdit(this);
    result_->setReadOnly(true);
    // Room for a whole new name of the usual kind: the sample fields give way first.
    result_->setMinimumWidth(
        result_->fontMetrics().horizontalAdvance(QStringLiteral("2024年01月02日_旅行_0001.JPG")) +
        2 * result_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
    auto* run = new QPushButton(kTest, this);
    connect(run, &QPushButton::clicked, this, &MacroTestWindow::runTest);

    auto* fields = new QHBoxLayout;
    const std::pair<QString, QLineEdit*> labelled[] = {
        {kSampleName, name_}, {kSampleExtension, extension_}, {kSamplePath, path_}};
    for (const auto& [label, field] : labelled) {
        fields->addWidget(new QLabel(label, this));
        fields->addWidget(field, 1);
    }
    fields->addWidget(run);
    fields->addWidget(new QLabel(kResult, this));
    fields->addWidget(result_, 3);

    traceModel_ = new TextTableModel(
        kTraceColumns, [trace = trace_] { return static_cast<int>(trace->size()); },
        [trace = trace_](int row, int column) {
            return traceCell((*trace)[static_cast<std::size_t>(row)], column);
        },
        this);
    traceList_ = new QTableView(this);
    traceList_->setModel(traceModel_);
    traceList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    traceList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    traceList_->verticalHeader()->hide();
    showOneTextLinePerRow(traceList_);
    // All eight columns fit the window at its first size.
    traceList_->setColumnWidth(0, 40);
    for (int column = 1; column < kTraceColumns.size(); ++column)
        traceList_->setColumnWidth(column, 95);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(traceList_, 1);
}

void MacroTestWindow::openTest() {
    trace_->clear();
    traceModel_->refresh();
    show();
    raise();
}

void MacroTestWindow::runTest() {
    const TestSample sample{toText(name_->text()), toText(extension_->text()),
                            toText(path_->text())};
    // A failure keeps the previous result; the trace keeps the lines run before it.
    boundary_.run([&] {
        const auto result = testRun(editor_, sample, {dialogs_, clock_, fileCount_}, *trace_);
        result_->setText(result ? toQString(*result) : QString());
    });
    traceModel_->refresh();
}

}  // namespace vartel

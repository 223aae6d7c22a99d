#include "app/lists/result_row_models.h"

#include "app/messages.h"
#include "common/error.h"
#include "macro/japanese_readings.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/preview_batch.h"

namespace vartel {
namespace {

bool failedWithReason(const PreviewEntry& row) {
    return row.failed && !row.failureReason.empty();
}

Text statusColumn(const PreviewEntry& row) {
    if (failedWithReason(row)) return row.failureReason.text();
    Text text = statusText(row.status);
    if (row.companions == 0) return text;
    if (!text.empty()) text += toText(ui::kCompanionCountSeparator);
    return text + toText(ui::kCompanionCount.arg(row.companions));
}

QString statusHint(PlanStatus status) {
    return toQString(Text(planStatusRow(status).hint));
}

// The files the row takes along are looked up again when asked for, one row at a time, so
// that a large preview keeps only their count.
QString previewToolTip(const Workspace& workspace, const PreviewEntry& row) {
    if (failedWithReason(row)) return toQString(row.failureReason.text());
    QString tip = statusHint(row.status);
    if (row.companions == 0) return tip;
    if (!tip.isEmpty()) tip += QLatin1Char('\n');
    tip += ui::kCompanionsHeading;
    for (const RenameRequest& companion : companionsOfRow(
             workspace, static_cast<std::size_t>(&row - workspace.previewList().data()))) {
        tip +=
            QLatin1Char('\n') + ui::kCompanionLine.arg(toQString(textFromBytes(companion.name())),
                                                       toQString(textFromBytes(companion.newName)));
    }
    return tip;
}

// Read as the row is drawn, so only the rows in sight are read. Without the dictionary the
// column stays empty; sorting by it says why.
Text nameReading(const FileEntry& row) {
    try {
        return katakanaReading(row.name);
    } catch (const VartelError&) {
        return {};
    }
}

}  // namespace

RowTableModel<FileEntry>* makeConversionModel(ConversionList& rows, QObject* parent) {
    return new RowTableModel<FileEntry>(
        rows, ui::kConversionColumns,
        {&FileEntry::name, &FileEntry::extension,
         [](const FileEntry& row) { return row.facts.sizeText(); },
         [](const FileEntry& row) { return row.facts.modifiedText(); }, &FileEntry::fullPath,
         [](const FileEntry& row) { return row.photoFacts ? row.photoFacts->dateTaken : Text(); },
         [](const FileEntry& row) { return row.photoFacts ? row.photoFacts->cameraModel : Text(); },
         nameReading},
        parent);
}

RowTableModel<PreviewEntry>* makePreviewModel(Workspace& workspace, QObject* parent) {
    return new RowTableModel<PreviewEntry>(
        workspace.previewList(), ui::kPreviewColumns,
        {&PreviewEntry::oldName, &PreviewEntry::newName, statusColumn,
         [](const PreviewEntry& row) { return row.facts.sizeText(); },
         [](const PreviewEntry& row) { return row.facts.modifiedText(); },
         &PreviewEntry::fullPathBefore},
        parent,
        {[&workspace](const PreviewEntry& row) { return previewToolTip(workspace, row); },
         [](const PreviewEntry& row) { return !row.failed && blocksRow(row.status); }});
}

RowTableModel<HistoryEntry>* makeHistoryModel(HistoryList& rows, QObject* parent) {
    return new RowTableModel<HistoryEntry>(
        rows, ui::kHistoryColumns,
        {&HistoryEntry::oldName, &HistoryEntry::newName, &HistoryEntry::pathAfter}, parent,
        {[](const HistoryEntry& row) {
             return row.failed ? toQString(row.failureReason.text()) : QString();
         },
         {}});
}

}  // namespace vartel

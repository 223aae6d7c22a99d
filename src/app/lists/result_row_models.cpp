#include "app/lists/result_row_models.h"

#include "app/messages.h"
#include "common/error.h"
#include "macro/japanese_readings.h"
#include "workspace/batch/plan_texts.h"

namespace vartel {
namespace {

bool failedWithReason(const PreviewEntry& row) {
    return row.failed && !row.failureReason.empty();
}

Text statusColumn(const PreviewEntry& row) {
    return failedWithReason(row) ? row.failureReason.text() : statusText(row.status);
}

QString statusHint(PlanStatus status) {
    return toQString(Text(planStatusRow(status).hint));
}

QString previewToolTip(const PreviewEntry& row) {
    return failedWithReason(row) ? toQString(row.failureReason.text()) : statusHint(row.status);
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

RowTableModel<PreviewEntry>* makePreviewModel(PreviewList& rows, QObject* parent) {
    return new RowTableModel<PreviewEntry>(
        rows, ui::kPreviewColumns,
        {&PreviewEntry::oldName, &PreviewEntry::newName, statusColumn,
         [](const PreviewEntry& row) { return row.facts.sizeText(); },
         [](const PreviewEntry& row) { return row.facts.modifiedText(); },
         &PreviewEntry::fullPathBefore},
        parent, {previewToolTip, [](const PreviewEntry& row) {
                     return !row.failed && blocksRow(row.status);
                 }});
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

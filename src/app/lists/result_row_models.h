#pragma once

#include "app/lists/row_list_model.h"
#include "workspace/rows/file_entry.h"
#include "workspace/rows/history_entry.h"
#include "workspace/rows/preview_entry.h"
#include "workspace/workspace.h"

namespace vartel {

// The conversion list's rows: name, extension, size, modified, full path, the photo columns
// 撮影日時 and カメラ機種, empty until they have been read, and the name's reading.
RowTableModel<FileEntry>* makeConversionModel(ConversionList& rows, QObject* parent);

// The preview's rows with the status the plan gives each one: a row that will fail is drawn on
// the warning colour until the clash is resolved, a row that failed says why in its status
// column, and the tooltip explains either and names the companion files the row takes along.
RowTableModel<PreviewEntry>* makePreviewModel(Workspace& workspace, QObject* parent);

// The history's rows; a row whose undo failed says why in its tooltip.
RowTableModel<HistoryEntry>* makeHistoryModel(HistoryList& rows, QObject* parent);

}  // namespace vartel

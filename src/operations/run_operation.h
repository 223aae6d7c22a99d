#pragma once

#include <variant>

#include "operations/add_text_operation.h"
#include "operations/delete_operation.h"
#include "operations/extension_operation.h"
#include "operations/numbering_operation.h"
#include "operations/recording_frame.h"
#include "operations/replace_operation.h"
#include "workspace/workspace.h"

namespace vartel {

using OperationSettings = std::variant<AddTextSettings, DeleteSettings, ReplaceSettings,
                                       NumberingSettings, ExtensionSettings>;

// "プレビュー" of an editing tab: inside the busy state, either records the step (while
// recording; the lists stay untouched and a step without free variables is refused with a
// message) or moves the checked rows whose name changes into the preview. Returns whether a
// step was recorded.
bool runOperation(Workspace& workspace, RecordingFrame& recording,
                  const OperationSettings& operation);

}  // namespace vartel

#pragma once

#include "operations/operation.h"
#include "workspace/workspace.h"

namespace vartel {

// "プレビュー" of an editing tab: inside the busy state, either records the step (while
// recording; the lists stay untouched and a step without free variables is refused with a
// message) or moves the checked rows whose name changes into the preview. Returns whether a
// step was recorded.
bool runOperation(Workspace& workspace, RecordingFrame& recording,
                  const OperationSettings& operation);

}  // namespace vartel

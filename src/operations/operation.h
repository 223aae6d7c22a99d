#pragma once

#include <functional>
#include <variant>

#include "macro/checked_file_count.h"
#include "operations/add_text_operation.h"
#include "operations/delete_operation.h"
#include "operations/extension_operation.h"
#include "operations/numbering_operation.h"
#include "operations/recording_frame.h"
#include "operations/replace_operation.h"

namespace vartel {

// The settings of one editing tab.
using OperationSettings = std::variant<AddTextSettings, DeleteSettings, ReplaceSettings,
                                       NumberingSettings, ExtensionSettings>;

// The new full name of one file from its stem and its extension (with the dot). Called once
// per file in list order, since the numbering counts on from file to file.
using NewNameOfParts = std::function<Text(const Text& stem, const Text& extension)>;

// The list path of an operation. Made before any row moves: the numbering's automatic digits
// follow the checked count as it is then (or its largest folder group), and per folder it asks
// the list where each row stands as the walk reaches it.
NewNameOfParts newNameFunction(const OperationSettings& operation, const CheckedFileCount& list);

// The recording path: records the step on the frame; false when no variable was left, and
// then nothing is recorded. The list gives the counts the numbering's sample is filled to.
bool recordOperation(const OperationSettings& operation, const CheckedFileCount& list,
                     RecordingFrame& frame);

}  // namespace vartel

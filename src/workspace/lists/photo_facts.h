#pragma once

#include "platform/media_metadata.h"
#include "workspace/workspace.h"

namespace vartel {

// The photo columns of one file. A file that cannot be read shows empty columns, as a row
// without a date does.
PhotoFacts photoFactsOf(const MetadataReader& reader, const Text& fullPath);

// Reads the photo columns of every row of the conversion list that has not been read yet, as a
// long command: the progress box counts the rows and "中止" stops it; rows read until then keep
// their values. Returns false when it was stopped or could not start.
bool readPhotoFacts(Workspace& workspace, const MetadataReader& reader);

}  // namespace vartel

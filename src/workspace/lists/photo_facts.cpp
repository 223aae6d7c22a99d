#include "workspace/lists/photo_facts.h"

#include "workspace/rows/modified_time.h"

namespace vartel {

PhotoFacts photoFactsOf(const MetadataReader& reader, const Text& fullPath) {
    const auto metadata = reader.read(bytesFromText(fullPath));
    if (!metadata) return {};
    PhotoFacts facts;
    if (metadata->dateTaken) {
        facts.dateTaken = modifiedText(metadata->dateTaken->at);
        facts.dateSortKey = metadata->dateTaken->sortKey();
    }
    facts.cameraModel = textFromBytes(metadata->cameraModel);
    return facts;
}

bool readPhotoFacts(Workspace& workspace, const MetadataReader& reader) {
    if (workspace.busy()) return false;
    auto& rows = workspace.conversionList();
    BusyScope busy(workspace);
    workspace.planOnlyTouchedFolders();  // the preview stays as it is
    for (auto& row : rows) {
        if (!row.photoFacts) {
            row.photoFacts =
                std::make_shared<const PhotoFacts>(photoFactsOf(reader, row.fullPath()));
        }
        if (!workspace.nextItem()) return false;
    }
    return true;
}

}  // namespace vartel

#include "workspace/lists/photo_facts.h"

#include <gtest/gtest.h>

#include "../../support/list_rows.h"
#include "../../support/media_files.h"
#include "../../support/workspace_fixture.h"
#include "workspace/lists/list_editing.h"

namespace vartel {
namespace {

// Counts the reads; presses "中止" during the read given.
class CountingReader : public MetadataReader {
  public:
    Workspace* workspace = nullptr;
    int abortAt = -1;
    mutable int reads = 0;
    std::optional<MediaMetadata> read(const std::string& path) const override {
        if (++reads == abortAt) workspace->abort();
        return fileMetadataReader().read(path);
    }
};

class PhotoFactsTest : public WorkspaceTest {
  protected:
    // A photo in the folder and a row for it; an empty date makes a photo without one.
    void addPhoto(const std::string& name, const std::string& date, const std::string& fraction,
                  const std::string& model) {
        ImageTags tags;
        if (!date.empty()) tags["Exif.Photo.DateTimeOriginal"] = date;
        if (!fraction.empty()) tags["Exif.Photo.SubSecTimeOriginal"] = fraction;
        if (!model.empty()) tags["Exif.Image.Model"] = model;
        writeJpeg(path(name), tags);
        workspace.conversionList().push_back(rowAt(pathText(name)));
    }
    CountingReader reader;
};

TEST_F(PhotoFactsTest, ReadsEachRowOnceAndSortsByDateTakenWithUndatedRowsLast) {
    addPhoto("c.jpg", "2024:05:03 09:05:07", "5", "Model B");
    addPhoto("none1.jpg", "", "", "");
    addPhoto("b.jpg", "2024:05:03 09:05:07", "45", "model a");
    addPhoto("none2.jpg", "", "", "Model C");
    addPhoto("a.jpg", "2023:12:31 23:59:59", "", "");
    workspace.conversionList().push_back(rowAt(pathText("gone.jpg")));

    ASSERT_TRUE(readPhotoFacts(workspace, reader));
    EXPECT_EQ(reader.reads, 6);
    EXPECT_FALSE(workspace.busy());
    const auto& first = *workspace.conversionList()[0].photoFacts;
    EXPECT_EQ(first.dateTaken, U"2024/05/03 9:05:07");
    EXPECT_EQ(first.cameraModel, U"Model B");
    // A file that cannot be read shows empty columns.
    EXPECT_EQ(workspace.conversionList()[5].photoFacts->dateTaken, U"");

    sortByColumn(workspace, SortColumn::DateTaken);
    EXPECT_EQ(names(), (std::vector<Text>{U"a.jpg", U"b.jpg", U"c.jpg", U"none1.jpg", U"none2.jpg",
                                          U"gone.jpg"}));
    sortByColumn(workspace, SortColumn::CameraModel);
    EXPECT_EQ(names(), (std::vector<Text>{U"b.jpg", U"c.jpg", U"none2.jpg", U"a.jpg", U"none1.jpg",
                                          U"gone.jpg"}));

    // What was read is kept: a second pass reads nothing.
    ASSERT_TRUE(readPhotoFacts(workspace, reader));
    EXPECT_EQ(reader.reads, 6);
}

TEST_F(PhotoFactsTest, AbortKeepsTheRowsReadSoFarAndTheNextPassReadsTheRest) {
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg", "4.jpg"}) {
        addPhoto(name, "2024:05:03 09:05:07", "", "");
    }
    reader.workspace = &workspace;
    reader.abortAt = 2;
    EXPECT_FALSE(readPhotoFacts(workspace, reader));
    EXPECT_FALSE(workspace.busy());
    const auto& rows = workspace.conversionList();
    EXPECT_TRUE(rows[0].photoFacts && rows[1].photoFacts);
    EXPECT_FALSE(rows[2].photoFacts || rows[3].photoFacts);

    reader.abortAt = -1;
    EXPECT_TRUE(readPhotoFacts(workspace, reader));
    EXPECT_EQ(reader.reads, 4);
    EXPECT_EQ(rows[3].photoFacts->dateTaken, U"2024/05/03 9:05:07");
}

}  // namespace
}  // namespace vartel

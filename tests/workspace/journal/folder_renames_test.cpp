#include "workspace/journal/folder_renames.h"

#include <gtest/gtest.h>

#include "../../support/list_rows.h"

namespace vartel {
namespace {

TEST(FolderRenamesTest, DeeperPathsGoFirstAndOneDepthKeepsItsOrder) {
    const std::vector<Text> paths = {U"/a", U"/a/x", U"/b/y", U"/a/b/z", U"/c", U"/a/w"};
    EXPECT_EQ(FolderRenames::deeperFirst(paths), (std::vector<std::size_t>{3, 1, 2, 5, 0, 4}));
    EXPECT_TRUE(FolderRenames::deeperFirst(std::vector<Text>{}).empty());
}

TEST(FolderRenamesTest, PathsBelowRenamedFoldersFollowThem) {
    FolderRenames renames;
    EXPECT_EQ(renames.now(U"/a/b/f"), U"/a/b/f");
    renames.add(U"/a", U"A");
    renames.add(U"/a/b", U"B");  // renamed first, while /a still had its old name
    renames.add(U"rel", U"REL");
    struct Case {
        Text before;
        Text after;
    };
    const Case cases[] = {
        {U"/a/b/f", U"/A/B/f"}, {U"/a/f", U"/A/f"},
        {U"/a/b", U"/A/b"},  // a renamed folder's own name is its own row's business
        {U"/a", U"/a"},         {U"/ab/f", U"/ab/f"},  // a look-alike prefix is another folder
        {U"/x/a/f", U"/x/a/f"}, {U"rel/f", U"REL/f"},
        {U"/a//f", U"/A//f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(renames.now(c.before), c.after) << bytesFromText(c.before);
}

TEST(FolderRenamesTest, OnlyFoldersAboveRowsOfTheListsAreFollowed) {
    const ConversionList rows = {rowAt(U"/a/b/f"), rowAt(U"g")};
    const PreviewList preview = {previewRowAt(U"rel/x/f", U"g")};
    const HistoryList history = {historyRowAt(U"/a//c/g", U"f")};
    EXPECT_EQ(foldersAboveRows(rows, preview, history),
              (std::unordered_set<Text>{U"/a", U"/a/b", U"rel", U"rel/x", U"/a/", U"/a//c"}));
    EXPECT_TRUE(foldersAboveRows({}, {}, {}).empty());
}

}  // namespace
}  // namespace vartel

#include "workspace/rows/folder_groups.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

struct Row {
    Text path;
    bool checked = true;
};

struct Case {
    const char* what;
    std::vector<Row> rows;
    std::vector<int> positions;
    int largest;
};

TEST(FolderGroupsTest, CheckedRowsOfOneFolderAreCountedWhereverTheyStand) {
    const Case cases[] = {
        {"empty list", {}, {}, 0},
        {"one folder", {{U"/a/1"}, {U"/a/2"}, {U"/a/3"}}, {1, 2, 3}, 3},
        {"a folder met again counts on", {{U"/a/1"}, {U"/b/1"}, {U"/a/2"}}, {1, 1, 2}, 2},
        {"folders interleaved by a sort",
         {{U"/b/1"}, {U"/a/1"}, {U"/b/2"}, {U"/a/2", false}, {U"/a/3"}, {U"/b/3"}},
         {1, 1, 2, 0, 2, 3},
         3},
        {"unchecked rows are passed over, even in another folder",
         {{U"/a/1"}, {U"/b/1", false}, {U"/a/2"}, {U"/a/3", false}, {U"/a/4"}},
         {1, 0, 2, 0, 3},
         3},
        {"a subfolder and a look-alike prefix are other folders",
         {{U"/a/b/1"}, {U"/a/b/c/1"}, {U"/a/bc/1"}, {U"/a/bc/2"}},
         {1, 1, 1, 2},
         2},
        {"a folder row belongs to its parent", {{U"/a/x"}, {U"/a/y"}, {U"/a/y/1"}}, {1, 2, 1}, 2},
        {"nothing checked", {{U"/a/1", false}, {U"/a/2", false}}, {0, 0}, 0},
        {"the largest group may come first", {{U"/a/1"}, {U"/a/2"}, {U"/b/1"}}, {1, 2, 1}, 2},
    };
    for (const auto& c : cases) {
        ConversionList rows;
        for (const auto& row : c.rows) {
            FileEntry entry = fileEntryAt(row.path, {});
            entry.checked = row.checked;
            rows.push_back(entry);
        }
        const FolderGroups groups = folderGroupsOf(rows);
        EXPECT_EQ(groups.positions, c.positions) << c.what;
        EXPECT_EQ(groups.largest, c.largest) << c.what;
    }
}

}  // namespace
}  // namespace vartel

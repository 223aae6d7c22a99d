#include "common/name_parts.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(NamePartsTest, SplitsAtTheLastDotAndSeparator) {
    struct Case {
        Text path, name, folder, stem, extension;
    };
    const Case cases[] = {
        {U"/a/b/photo.jpg", U"photo.jpg", U"/a/b", U"photo", U".jpg"},
        {U"/a/archive.tar.gz", U"archive.tar.gz", U"/a", U"archive.tar", U".gz"},
        {U"/a/README", U"README", U"/a", U"README", U""},
        {U"/a/.hidden", U".hidden", U"/a", U"", U".hidden"},
        {U"/a/name.", U"name.", U"/a", U"name", U"."},
        {U"/x.txt", U"x.txt", U"", U"x", U".txt"},
        {U"写真/テスト.ＪＰＧ", U"テスト.ＪＰＧ", U"写真", U"テスト", U".ＪＰＧ"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nameOfPath(c.path), c.name);
        EXPECT_EQ(folderOfPath(c.path), c.folder);
        EXPECT_EQ(stemOf(c.name), c.stem);
        EXPECT_EQ(extensionOf(c.name), c.extension);
        EXPECT_EQ(extensionStart(c.name), c.stem.size());
    }
    EXPECT_EQ(joinPath(U"/a", U"b"), U"/a/b");
    EXPECT_EQ(joinPath(U"/", U"b"), U"/b");
}

}  // namespace
}  // namespace vartel

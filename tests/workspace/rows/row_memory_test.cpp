#include <gtest/gtest.h>
#include <malloc.h>

#include "../../support/workspace_fixture.h"
#include "workspace/execution/execute.h"

namespace vartel {
namespace {

// The sanitizers keep their own heap, which the C library's counters do not see.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kHeapCounted = false;
#else
constexpr bool kHeapCounted = true;
#endif

// Large blocks such as a list's array are mapped apart from the rest of the heap.
std::size_t heapInUse() {
    const auto counts = ::mallinfo2();
    return counts.uordblks + counts.hblkhd;
}

// Heap per row of each list for ten thousand files with names as cameras give them, in a
// hundred folders. The bounds leave room for growth but not for a row that keeps its texts
// one by one again.
class RowMemoryTest : public WorkspaceTest {
  protected:
    static constexpr int kFolders = 100;
    static constexpr int kFilesPerFolder = 100;
    static constexpr std::size_t kRows = kFolders * kFilesPerFolder;

    void SetUp() override {
        if (!kHeapCounted) GTEST_SKIP() << "the heap is not counted under the sanitizers";
        for (int f = 0; f < kFolders; ++f) {
            for (int i = 0; i < kFilesPerFolder; ++i) {
                makeFile("2023-08 旅行 " + std::to_string(f) + "/IMG_20230815_" +
                         std::to_string(100000 + f * kFilesPerFolder + i) + ".JPG");
            }
        }
    }
    // What the lists hold beyond the empty workspace, per row.
    double perRow() const {
        return (static_cast<double>(heapInUse()) - static_cast<double>(empty_)) /
               static_cast<double>(kRows);
    }
    // Lists emptied by a command keep their capacity, which is no part of the other lists.
    void releaseConversionList() {
        workspace.conversionList().clear();
        workspace.conversionList().shrink_to_fit();
    }
    std::size_t empty_ = 0;
};

TEST_F(RowMemoryTest, EachListHoldsLittleMoreThanItsNames) {
    empty_ = heapInUse();
    workspace.drop({textFromBytes(folder.path().string())});
    ASSERT_EQ(workspace.conversionList().size(), kRows);
    EXPECT_LT(perRow(), 450.0) << "conversion list";

    {
        BusyScope busy(workspace);
        walkCheckedRows(workspace, [](const FileEntry& row) { return U"旅行_" + row.name; });
    }
    ASSERT_EQ(workspace.previewList().size(), kRows);
    releaseConversionList();
    EXPECT_LT(perRow(), 600.0) << "preview list with its statuses";

    execute(workspace);
    ASSERT_EQ(workspace.historyList().size(), kRows);
    ASSERT_TRUE(workspace.previewList().empty());
    releaseConversionList();
    workspace.previewList().shrink_to_fit();
    EXPECT_LT(perRow(), 600.0) << "history list";
}

}  // namespace
}  // namespace vartel

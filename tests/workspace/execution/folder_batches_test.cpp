// Random batches that rename folders together with files and folders below them: nothing is
// lost, every row and history entry still names its file afterwards, and undo brings back the
// very tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "../../support/workspace_fixture.h"
#include "common/name_parts.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"
#include "workspace/list_walk.h"

namespace vartel {
namespace {

using Tree = std::map<std::string, std::string>;  // relative path -> content, "/" for a folder

class FolderBatchesTest : public WorkspaceTest, public ::testing::WithParamInterface<unsigned> {
  protected:
    FolderBatchesTest() : random(GetParam()) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }

    // Folders up to three deep, a few files in each; names repeat between folders.
    void makeTree(const std::string& relative, int depth) {
        static const char* names[] = {"a", "b", "photo.2020", "x"};
        for (int i = below(3); i >= 0; --i) {
            const std::string file = relative + names[below(4)] + std::to_string(below(3)) + ".txt";
            if (!exists(file)) makeFile(file, file);
        }
        if (depth == 3) return;
        for (int i = below(3); i > 0; --i) {
            const std::string sub = relative + names[below(4)];
            if (exists(sub)) continue;
            std::filesystem::create_directory(path(sub));
            makeTree(sub + "/", depth + 1);
        }
    }

    Tree tree() const {
        Tree result;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            const std::string relative = entry.path().lexically_relative(folder.path()).string();
            result[relative] = entry.is_directory() ? "/" : contentOf(relative);
        }
        return result;
    }

    // Every file and every folder of the tree as a row, in a random order.
    void takeEverything() {
        std::vector<Text> folders;
        for (const auto& [relative, content] : tree()) {
            if (content == "/" && relative.find('/') == std::string::npos)
                folders.push_back(pathText(relative));
        }
        workspace.drop({textFromBytes(folder.path().string())});
        workspace.addFolderRows(folders, true);
        std::shuffle(workspace.conversionList().begin(), workspace.conversionList().end(), random);
    }

    // New names with a suffix, which no name of the tree has, so every rename can succeed;
    // the other rows keep their names.
    void makePreview() {
        BusyScope busy(workspace);
        walkCheckedRows(workspace, [&](const FileEntry& row) -> std::optional<Text> {
            const int kind = below(3);
            if (kind == 2) return row.name;
            return row.name.substr(0, row.name.size() - row.extension().size()) + U"_" +
                   textFromBytes(std::to_string(kind)) + row.extension();
        });
    }

    static std::vector<std::string> contents(const Tree& tree) {
        std::vector<std::string> result;
        for (const auto& [relative, content] : tree) {
            if (content != "/") result.push_back(content);
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    void expectRowsNameTheirFiles() {
        for (const auto& row : workspace.conversionList()) {
            EXPECT_TRUE(
                exists(bytesFromText(row.fullPath()).substr(folder.path().string().size() + 1)))
                << bytesFromText(row.fullPath());
            EXPECT_EQ(row.name, nameOfPath(row.fullPath()));
        }
        for (const auto& row : workspace.previewList()) {
            EXPECT_EQ(row.oldName, nameOfPath(row.fullPathBefore()));
            EXPECT_TRUE(exists(
                bytesFromText(row.fullPathBefore()).substr(folder.path().string().size() + 1)))
                << bytesFromText(row.fullPathBefore());
        }
        for (const auto& entry : workspace.historyList()) {
            EXPECT_TRUE(
                exists(bytesFromText(entry.pathAfter()).substr(folder.path().string().size() + 1)))
                << bytesFromText(entry.pathAfter());
        }
    }

    std::mt19937 random;
};

TEST_P(FolderBatchesTest, NothingLostAndUndoRestoresTheTree) {
    makeTree("", 0);
    const Tree original = tree();
    takeEverything();
    makePreview();
    if (workspace.previewList().empty()) return;  // every row drew its own name
    execute(workspace);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), U"正常終了");
    EXPECT_TRUE(workspace.previewList().empty());
    EXPECT_EQ(contents(tree()), contents(original));
    expectRowsNameTheirFiles();

    dialogs.messages.clear();
    undo(workspace);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), U"正常終了");
    EXPECT_EQ(tree(), original);
    EXPECT_TRUE(workspace.historyList().empty());
    expectRowsNameTheirFiles();
}

INSTANTIATE_TEST_SUITE_P(Seeds, FolderBatchesTest, ::testing::Range(1u, 41u));

}  // namespace
}  // namespace vartel

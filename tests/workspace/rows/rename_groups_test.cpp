// A check box of the preview plans only the rows it can touch; the statuses and the count of
// failing rows must be exactly those of planning the whole preview again.
#include "workspace/rows/rename_groups.h"

#include <gtest/gtest.h>

#include <random>

#include "../../support/list_rows.h"
#include "../../support/workspace_fixture.h"
#include "common/integer_text.h"
#include "workspace/execution/execute.h"
#include "workspace/execution/undo.h"
#include "workspace/messages.h"

namespace vartel {
namespace {

std::vector<std::vector<std::uint32_t>> groupsOf(const PreviewList& rows) {
    const RenameGroups groups(rows);
    std::vector<std::vector<std::uint32_t>> result;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto group = groups.groupOf(row);
        result.emplace_back(group.begin(), group.end());
    }
    return result;
}

// Made with the window breathing, the keys are sorted in pieces and merged: the groups are the
// same, chains across the pieces included.
TEST(RenameGroupsTest, MadeInStepsTheGroupsAreTheSame) {
    constexpr int kRows = 70000;
    PreviewList rows;
    for (int i = 0; i < kRows; ++i) {
        // Every fifth row wants the name of a row far down; every seventh takes another folder.
        const Text folder = i % 7 == 0 ? U"/e/" : U"/d/";
        const int wanted = i % 5 == 0 ? (i + kRows / 2) % kRows : kRows + i;
        rows.push_back(previewRowAt(folder + formatInteger(i), formatInteger(wanted)));
    }
    int breaths = 0;
    const RenameGroups inSteps(rows, [&breaths] { return ++breaths > 0; });
    const RenameGroups atOnce(rows);
    EXPECT_GT(breaths, 10);
    ASSERT_EQ(inSteps.rowCount(), atOnce.rowCount());
    std::size_t joined = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto a = inSteps.groupOf(row);
        const auto b = atOnce.groupOf(row);
        ASSERT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << row;
        joined += a.size() > 1 ? 1 : 0;
    }
    EXPECT_GT(joined, 0u);
}

TEST(RenameGroupsTest, rowsMeetThroughNamesOfOneFolderButForLetterCase) {
    const PreviewList rows = {
        previewRowAt(U"/d/a", U"b"),         // 0: a chain a -> b -> c
        previewRowAt(U"/d/b", U"c"),         // 1
        previewRowAt(U"/d/x", U"y"),         // 2: alone
        previewRowAt(U"/e/b", U"c"),         // 3: the same names in another folder
        previewRowAt(U"/d/p", U"ＣＡＳＥ"),  // 4: wants the name of 5 in other letters
        previewRowAt(U"/d/ｃａｓｅ", U"q"),  // 5
        previewRowAt(U"/d/m", U"C"),         // 6: wants what 1 wants, but for letter case
    };
    const std::vector<std::vector<std::uint32_t>> expected = {{0, 1, 6}, {0, 1, 6}, {2},      {3},
                                                              {4, 5},    {4, 5},    {0, 1, 6}};
    EXPECT_EQ(groupsOf(rows), expected);
    EXPECT_TRUE(groupsOf({}).empty());
}

// Random previews on a real folder whose new names meet a lot: chains, rings, two rows for one
// name, names of files outside the batch, letter-case variants, unusable names.
class ReplanRowTest : public WorkspaceTest, public ::testing::WithParamInterface<unsigned> {
  protected:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    void makePreview() {
        static const std::vector<std::string> names = {"a",  "b",  "c", "d", "e", "A", "B",
                                                       "ａ", "Ａ", "f", "g", "h", "i"};
        std::vector<std::string> files;
        for (const auto& name : names) {
            if (below(3) > 0) files.push_back("one/" + name);
            if (below(3) == 0) files.push_back("two/" + name);
        }
        makeFile("one/outside");
        std::map<Text, Text> renames;
        for (const auto& name : names) {
            static const std::vector<Text> targets = {U"a",  U"b",       U"c", U"d", U"A",
                                                      U"ａ", U"outside", U"",  U"z", U"y"};
            if (below(4) > 0) renames[textFromBytes(name)] = targets[below(10)];
        }
        preview(files, renames);
    }

    std::vector<PlanStatus> statuses() const {
        std::vector<PlanStatus> result;
        for (const auto& row : workspace.previewList()) result.push_back(row.status);
        return result;
    }

    // The whole preview planned from the bottom row up, and the count of failing rows as the
    // status bar writes it.
    std::pair<std::vector<PlanStatus>, Text> wholePlan(bool literal) const {
        const auto& rows = workspace.previewList();
        std::vector<RenameRequest> requests;
        std::vector<std::size_t> rowOf;
        for (std::size_t i = rows.size(); i-- > 0;) {
            if (!rows[i].checked) continue;
            requests.push_back({bytesFromText(rows[i].fullPathBefore()),
                                bytesFromText(rows[i].newName), rows[i].identity});
            rowOf.push_back(i);
        }
        const RenamePlan plan = planRenames(requests, {literal, true});
        std::vector<PlanStatus> result(rows.size(), PlanStatus::Unplanned);
        for (std::size_t k = 0; k < rowOf.size(); ++k) result[rowOf[k]] = plan.statuses[k];
        return {result, kConflictCaption +
                            formatInteger(static_cast<std::int64_t>(plan.blockedRows)) +
                            kConflictSuffix};
    }

    std::mt19937 random{GetParam()};
};

TEST_P(ReplanRowTest, aClickedCheckBoxPlansAsTheWholePreviewWould) {
    makePreview();
    const bool literal = GetParam() % 2 == 1;
    workspace.setLiteralOrder(literal);
    workspace.replanPreview();
    auto& rows = workspace.previewList();
    ASSERT_FALSE(rows.empty());
    for (int click = 0; click < 40; ++click) {
        const auto row = static_cast<std::size_t>(below(static_cast<int>(rows.size())));
        rows[row].checked = !rows[row].checked;
        workspace.replanPreviewRow(row);
        const auto [expected, conflicts] = wholePlan(literal);
        ASSERT_EQ(statuses(), expected) << "click " << click << " on row " << row;
        ASSERT_EQ(workspace.status().conflicts, conflicts) << "click " << click;
    }
}

// Commands that plan only the folders they touched on their way out, stopped by "中止" at any
// row or run to the end, leave the statuses and the count a whole plan gives.
TEST_P(ReplanRowTest, commandsStoppedAnywherePlanAsTheWholePreviewWould) {
    makePreview();
    const bool literal = GetParam() % 2 == 1;
    workspace.setLiteralOrder(literal);
    workspace.replanPreview();
    const std::vector<Text> newNames = {U"a", U"b", U"c", U"A", U"ａ", U"outside", U"z", U"n"};
    for (int step = 0; step < 30; ++step) {
        pump.calls = 0;
        pump.abortAt = below(2) == 0 ? -1 : 1 + below(6);
        const int command = below(5);
        if (command == 0) {
            execute(workspace);
        } else if (command == 1) {
            undo(workspace);
        } else if (command == 2) {
            returnToConversionList(workspace);
        } else if (command == 3) {
            BusyScope busy(workspace);
            workspace.planOnlyTouchedFolders();
            walkCheckedRows(workspace, [&](const FileEntry&) -> std::optional<Text> {
                return newNames[static_cast<std::size_t>(below(8))];
            });
        } else if (!workspace.previewList().empty()) {
            auto& rows = workspace.previewList();
            const auto row = static_cast<std::size_t>(below(static_cast<int>(rows.size())));
            rows[row].checked = !rows[row].checked;
            workspace.replanPreviewRow(row);
        }
        const auto [expected, conflicts] = wholePlan(literal);
        ASSERT_EQ(statuses(), expected) << "step " << step << ", command " << command;
        ASSERT_EQ(workspace.status().conflicts, conflicts) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ReplanRowTest, ::testing::Range(1u, 25u));

}  // namespace
}  // namespace vartel

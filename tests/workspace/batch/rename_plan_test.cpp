// The planner on real folders: what it foresees for each row, and that carrying the plan out
// gives exactly the foreseen names with every file's content intact.
#include "workspace/batch/rename_plan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "../../support/file_bytes.h"
#include "../../support/injected_faults.h"
#include "../../support/temporary_folder.h"
#include "workspace/batch/plan_execution.h"

namespace vartel {
namespace {

using Disk = std::map<std::string, std::string>;  // name -> content
using S = PlanStatus;

struct PlanCase {
    std::string title;
    std::vector<std::string> files;                            // each holds its own name
    std::vector<std::pair<std::string, std::string>> renames;  // in execution order
    std::vector<PlanStatus> statuses;
    Disk after;
    bool literal = false;
};

// Takes every folder as folding letter case, as FAT or a case-folding ext4 folder would.
class FoldingFolders : public InjectedFaults {
  public:
    std::optional<bool> foldsCase(const std::string&) override { return true; }
};

class RenamePlanTest : public ::testing::Test {
  protected:
    void make(const std::vector<std::string>& files) {
        for (const auto& file : files) writeBytes(folder.file(file), file);
    }
    std::vector<RenameRequest> requestsOf(
        const std::vector<std::pair<std::string, std::string>>& renames) const {
        std::vector<RenameRequest> requests;
        for (const auto& [from, to] : renames) {
            requests.push_back({folder.file(from), to, {}});
        }
        return requests;
    }
    Disk disk() const {
        Disk files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            files[entry.path().filename().string()] = readBytes(entry.path().string());
        }
        return files;
    }
    // Carries the plan out and tells which rows were renamed.
    std::vector<bool> carryOut(const std::vector<RenameRequest>& requests, const RenamePlan& plan) {
        RenameRun run;
        carryOutPlan(
            requests, plan, lookUpBatchFiles(requests, plan), [](std::size_t) { return true; },
            run);
        std::vector<bool> renamed;
        for (const auto& row : run.rows) renamed.push_back(row.renamed);
        return renamed;
    }
    void check(const PlanCase& c) {
        SCOPED_TRACE(c.title);
        std::filesystem::remove_all(folder.path());
        std::filesystem::create_directories(folder.path());
        make(c.files);
        const auto requests = requestsOf(c.renames);
        const RenamePlan plan = planRenames(requests, {c.literal});
        EXPECT_EQ(plan.statuses, c.statuses);
        const auto renamed = carryOut(requests, plan);
        for (std::size_t i = 0; i < renamed.size(); ++i) {
            EXPECT_EQ(renamed[i], !blocksRow(plan.statuses[i])) << "row " << i;
        }
        EXPECT_EQ(disk(), c.after);
    }

    TemporaryFolder folder;
};

// Numbered files 1..n shifted by one, either way round, in the order given.
PlanCase shift(int n, bool upwards) {
    PlanCase c{upwards ? "shift up" : "shift down", {}, {}, {}, {}};
    for (int i = 1; i <= n; ++i) {
        const std::string name = std::to_string(i);
        const std::string next = std::to_string(upwards ? i + 1 : i - 1);
        c.files.push_back(name);
        c.renames.push_back({name, next});
        c.after[next] = name;
        const bool last = upwards ? i == n : i == 1;
        c.statuses.push_back(last ? S::Ok : S::Chain);
    }
    return c;
}

PlanCase ring(int n) {
    PlanCase c{std::to_string(n) + "-ring", {}, {}, {}, {}};
    for (int i = 0; i < n; ++i) {
        const std::string name = "r" + std::to_string(i);
        const std::string next = "r" + std::to_string((i + 1) % n);
        c.files.push_back(name);
        c.renames.push_back({name, next});
        c.after[next] = name;
        c.statuses.push_back(S::Cycle);
    }
    return c;
}

TEST_F(RenamePlanTest, StatusesAndResultsOnDisk) {
    const std::string longest(255, 'x');
    const std::string utf8Longest = [] {
        std::string name;
        for (int i = 0; i < 85; ++i) name += "\xE3\x81\x82";  // 255 bytes
        return name;
    }();
    const std::vector<PlanCase> cases = {
        shift(10, true),
        shift(10, false),
        ring(2),
        ring(3),
        ring(10),
        {"two rows want one name: the first keeps it",
         {"a", "b"},
         {{"a", "x"}, {"b", "x"}},
         {S::Ok, S::Duplicate},
         {{"x", "a"}, {"b", "b"}}},
        {"a duplicate among chains blocks only itself",
         {"a", "b", "d"},
         {{"a", "b"}, {"b", "c"}, {"d", "c"}},
         {S::Chain, S::Ok, S::Duplicate},
         {{"b", "a"}, {"c", "b"}, {"d", "d"}}},
        {"a name taken outside the batch blocks the whole chain up to it",
         {"a", "b", "e", "f"},
         {{"a", "b"}, {"b", "e"}, {"f", "g"}},
         {S::Exists, S::Exists, S::Ok},
         {{"a", "a"}, {"b", "b"}, {"e", "e"}, {"g", "f"}}},
        {"a chain into a row that fails on its own",
         {"a", "b"},
         {{"a", "b"}, {"b", "x/y"}},
         {S::Exists, S::InvalidName},
         {{"a", "a"}, {"b", "b"}}},
        {"names no folder can hold",
         {"a", "b", "c", "d"},
         {{"a", ""}, {"b", "."}, {"c", ".."}, {"d", std::string("n\0l", 3)}},
         {S::InvalidName, S::InvalidName, S::InvalidName, S::InvalidName},
         {{"a", "a"}, {"b", "b"}, {"c", "c"}, {"d", "d"}}},
        {"255 bytes fit, 256 do not, counted as encoded",
         {"a", "b", "c", "d", "e"},
         {{"a", longest},
          {"b", longest + "y"},
          {"c", utf8Longest},
          {"d", utf8Longest + "\xE3\x81\x82"},
          {"e", std::string(254, 'z') + "\xFF"}},
         {S::Ok, S::TooLong, S::Ok, S::TooLong, S::Ok},
         {{longest, "a"},
          {"b", "b"},
          {utf8Longest, "c"},
          {"d", "d"},
          {std::string(254, 'z') + "\xFF", "e"}}},
        {"one file in two rows",
         {"a"},
         {{"a", "x"}, {"a", "y"}},
         {S::Ok, S::SameFile},
         {{"x", "a"}}},
        {"the literal order: only chains that run the right way succeed",
         {"1", "2", "a", "b"},
         {{"2", "3"}, {"1", "2"}, {"a", "b"}, {"b", "a"}},
         {S::Ok, S::Chain, S::Exists, S::Exists},
         {{"2", "1"}, {"3", "2"}, {"a", "a"}, {"b", "b"}},
         true},
        {"the literal order: a chain the wrong way round fails",
         {"1", "2"},
         {{"1", "2"}, {"2", "3"}},
         {S::Exists, S::Ok},
         {{"1", "1"}, {"3", "2"}},
         true},
    };
    for (const auto& c : cases) check(c);
}

TEST_F(RenamePlanTest, FoldingFoldersCompareNamesWithoutCase) {
    const std::vector<PlanCase> cases = {
        {"a change of case only", {"a.txt"}, {{"a.txt", "A.txt"}}, {S::Ok}, {{"A.txt", "a.txt"}}},
        {"names differing in case clash",
         {"a", "b"},
         {{"a", "X"}, {"b", "x"}},
         {S::Ok, S::Duplicate},
         {{"X", "a"}, {"b", "b"}}},
        {"a swap that also changes case keeps the new spelling",
         {"a", "b"},
         {{"a", "B"}, {"b", "A"}},
         {S::Cycle, S::Cycle},
         {{"B", "a"}, {"A", "b"}}},
        {"a chain through another spelling",
         {"a", "b"},
         {{"a", "B"}, {"b", "c"}},
         {S::Chain, S::Ok},
         {{"B", "a"}, {"c", "b"}}},
    };
    FoldingFolders folding;
    for (const auto& c : cases) check(c);
}

TEST_F(RenamePlanTest, TheSystemStillHasTheLastWord) {
    make({"a", "b", "c", "r0", "r1", "r2"});
    // A file created after planning is never replaced; the rest of the batch goes on.
    auto requests = requestsOf({{"a", "x"}, {"b", "y"}});
    auto plan = planRenames(requests);
    writeBytes(folder.file("x"), "newcomer");
    EXPECT_EQ(carryOut(requests, plan), (std::vector<bool>{false, true}));
    EXPECT_EQ(readBytes(folder.file("x")), "newcomer");
    EXPECT_EQ(readBytes(folder.file("a")), "a");

    // A file replaced under its name since the preview is not renamed.
    requests = requestsOf({{"c", "z"}});
    requests[0].identity = lookUpFile(folder.file("c"))->identity;
    plan = planRenames(requests);
    std::filesystem::rename(folder.file("c"), folder.file("c-moved"));
    writeBytes(folder.file("c"), "other");
    RenameRun run;
    carryOutPlan(
        requests, plan, lookUpBatchFiles(requests, plan), [](std::size_t) { return true; }, run);
    EXPECT_EQ(run.rows[0].error, FileError::Replaced);
    EXPECT_EQ(readBytes(folder.file("c")), "other");

    // A ring whose second rename fails is put back whole.
    requests = requestsOf({{"r0", "r1"}, {"r1", "r2"}, {"r2", "r0"}});
    plan = planRenames(requests);
    {
        InjectedFaults faults({{FileCall::Rename, EIO, 2}});
        carryOutPlan(
            requests, plan, lookUpBatchFiles(requests, plan), [](std::size_t) { return true; },
            run);
    }
    for (const auto& row : run.rows) EXPECT_EQ(row.error, FileError::Other);
    for (const std::string name : {"r0", "r1", "r2"}) EXPECT_EQ(readBytes(folder.file(name)), name);
    EXPECT_EQ(disk().size(), 8u);  // no temporary name left
}

// A change of case only where case is ignored goes through a temporary name; whichever step
// fails, the file ends under its own name and nothing is left behind.
TEST_F(RenamePlanTest, ACaseOnlyRenameThatFailsHalfWayPutsTheFileBack) {
    make({"a"});
    FoldingFolders folding;
    for (const int nth : {0, 1, 2}) {
        SCOPED_TRACE(nth);
        const auto requests = requestsOf({{"a", "A"}});
        const auto plan = planRenames(requests);
        ASSERT_EQ(plan.steps.size(), 2u);
        InjectedFaults faults(nth == 0 ? std::vector<Fault>{}
                                       : std::vector<Fault>{{FileCall::Rename, EIO, nth}});
        EXPECT_EQ(carryOut(requests, plan), std::vector<bool>{nth == 0});
        EXPECT_EQ(faults.calls(FileCall::Rename), nth == 0 ? 2 : nth == 1 ? 1 : 3);
        EXPECT_EQ(disk(), (Disk{{nth == 0 ? "A" : "a", "a"}}));
        if (nth == 0) std::filesystem::rename(folder.file("A"), folder.file("a"));
    }
    // Two in one folder pass through two temporary names, never one.
    make({"b"});
    const auto both = requestsOf({{"a", "A"}, {"b", "B"}});
    const auto plan = planRenames(both);
    ASSERT_EQ(plan.temporaries.size(), 2u);
    EXPECT_NE(plan.temporaries[0], plan.temporaries[1]);
    EXPECT_EQ(carryOut(both, plan), (std::vector<bool>{true, true}));
    EXPECT_EQ(disk(), (Disk{{"A", "a"}, {"B", "b"}}));
}

TEST_F(RenamePlanTest, ASwapWithoutTheExchangeCallGoesRoundThroughATemporaryName) {
    make({"a", "b"});
    const auto requests = requestsOf({{"a", "b"}, {"b", "a"}});
    const auto plan = planRenames(requests);
    InjectedFaults faults({{FileCall::Exchange, EINVAL}});
    EXPECT_EQ(carryOut(requests, plan), (std::vector<bool>{true, true}));
    EXPECT_EQ(faults.calls(FileCall::Rename), 3);
    EXPECT_EQ(disk(), (Disk{{"a", "b"}, {"b", "a"}}));
}

// A batch too large to plan without a pause lets the caller's window run now and then, and is
// planned as it would be without.
TEST_F(RenamePlanTest, ALargeBatchBreathesAndPlansTheSame) {
    std::vector<std::pair<std::string, std::string>> renames;
    for (int i = 0; i < 20000; ++i) {
        const std::string name = "f" + std::to_string(i);
        // Chains, swaps and clashes among free names.
        const int to = i % 3 == 0 ? i + 1 : i % 3 == 1 ? i - 1 : i + 7;
        renames.emplace_back(name, "f" + std::to_string(to));
    }
    const auto requests = requestsOf(renames);
    int breaths = 0;
    const RenamePlan breathing = planRenames(requests, {.pace = [&] { return ++breaths > 0; }});
    const RenamePlan plain = planRenames(requests);
    EXPECT_GT(breaths, 20);
    EXPECT_EQ(breathing.statuses, plain.statuses);
    EXPECT_EQ(breathing.targets, plain.targets);
    ASSERT_EQ(breathing.steps.size(), plain.steps.size());
    for (std::size_t i = 0; i < plain.steps.size(); ++i) {
        EXPECT_EQ(breathing.steps[i].row, plain.steps[i].row);
        EXPECT_EQ(breathing.steps[i].kind, plain.steps[i].kind);
    }
}

// Every kind of status repeated over many thousands of rows of one folder, so that the
// planner's tables are large and crowded: each row still gets the status of its kind.
TEST_F(RenamePlanTest, EveryStatusHoldsAcrossTwentyThousandRows) {
    const auto f = [](int i) { return "f" + std::to_string(i); };
    const auto g = [](int i) { return "g" + std::to_string(i); };
    std::vector<std::pair<std::string, std::string>> renames;
    const std::vector<PlanStatus> kinds = {S::Chain,     S::Ok, S::Cycle,    S::Cycle, S::Ok,
                                           S::Duplicate, S::Ok, S::SameFile, S::Ok,    S::Ok};
    for (int i = 0; i < 20000; ++i) {
        switch (i % 10) {
            case 0:  // into the name row i + 1 leaves
            case 2:  // swaps with row i + 1
                renames.emplace_back(f(i), f(i + 1));
                break;
            case 3:
                renames.emplace_back(f(i), f(i - 1));
                break;
            case 5:  // wants the new name of row i - 1
                renames.emplace_back(f(i), g(i - 1));
                break;
            case 7:  // renames the file of row i - 1 again
                renames.emplace_back(f(i - 1), g(i));
                break;
            default:
                renames.emplace_back(f(i), g(i));
        }
    }
    const auto requests = requestsOf(renames);
    const RenamePlan plan = planRenames(requests, {.lookUpTargets = false});
    for (std::size_t i = 0; i < requests.size(); ++i) {
        ASSERT_EQ(plan.statuses[i], kinds[i % 10]) << "row " << i;
    }
    EXPECT_EQ(plan.blockedRows, 4000u);
}

// A window stops a long plan through its pace: the plan ends at the next breath, marked
// stopped, and says nothing about the rows it did not reach.
TEST(RenamePlanStopTest, APlanStopsAtTheFirstNoAndSaysSo) {
    TemporaryFolder folder;
    std::vector<RenameRequest> requests;
    for (int i = 0; i < 10000; ++i) {
        requests.push_back({folder.file("f" + std::to_string(i)), "g" + std::to_string(i)});
    }
    for (const int answers : {0, 1, 3, -1}) {
        int asked = 0;
        const RenamePlan plan = planRenames(requests, {.lookUpTargets = false, .pace = [&] {
                                                           return answers < 0 || asked++ < answers;
                                                       }});
        EXPECT_EQ(plan.stopped, answers >= 0) << answers;
        EXPECT_EQ(plan.steps.empty(), answers >= 0) << answers;
        if (answers >= 0) {
            EXPECT_EQ(asked, answers + 1);
        }
    }
}

}  // namespace
}  // namespace vartel

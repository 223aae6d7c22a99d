#include "workspace/batch/rename_plan.h"

#include <algorithm>
#include <deque>
#include <string_view>
#include <unordered_map>

#include "platform/file_system.h"
#include "platform/folder_case.h"
#include "platform/letter_case.h"
#include "platform/rename_calls.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/batch/rows_by_key.h"

namespace vartel {
namespace {

constexpr std::size_t kLongestName = 255;  // bytes, as Linux file systems count them
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Paths split once into their folder (with its separator) and their name.
std::size_t nameStart(std::string_view path) {
    const auto separator = path.rfind('/');
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// Remembers per folder whether its file system folds case, and gives the keys under which two
// spellings of one path meet. A key views the path it was made from, or a folded copy kept
// here; its hash is made from the hash of its folder (shared by the rows of that folder) and
// that of its name, so no table ever hashes a whole path. Rows of one folder mostly come
// together, so the last folder is checked before the table.
class NameKeys {
  public:
    NameKey keyOf(const std::string& path) {
        const std::size_t start = nameStart(path);
        const std::string_view folder(path.data(), start);
        if (!haveLast_ || folder != lastFolder_) {
            auto found = folds_.find(std::string(folder));
            if (found == folds_.end()) {
                const bool folds = folderFoldsCase(folder.empty() ? "." : std::string(folder));
                found = folds_.emplace(std::string(folder), folds).first;
            }
            lastFolder_ = folder;
            lastFolds_ = found->second;
            lastFolderHash_ = std::hash<std::string_view>()(folder);
            haveLast_ = true;
        }
        if (!lastFolds_) return {path, hashWithFolder(std::string_view(path).substr(start))};
        const std::string& folded = folded_.emplace_back(
            std::string(folder) +
            bytesFromText(toLower(textFromBytes(std::string_view(path).substr(start)))));
        return {folded, hashWithFolder(std::string_view(folded).substr(start))};
    }

  private:
    std::size_t hashWithFolder(std::string_view name) const {
        const std::size_t nameHash = std::hash<std::string_view>()(name);
        return lastFolderHash_ ^
               (nameHash + 0x9e3779b97f4a7c15 + (lastFolderHash_ << 6) + (lastFolderHash_ >> 2));
    }

    std::unordered_map<std::string, bool> folds_;
    std::string_view lastFolder_;
    std::size_t lastFolderHash_ = 0;
    bool lastFolds_ = false;
    bool haveLast_ = false;
    std::deque<std::string> folded_;  // keys of folding folders; a deque keeps them in place
};

class Planner {
  public:
    // held gives the rows already known to fail, with their statuses; empty when none are.
    // lookedUp marks the rows whose targets are looked up although the options leave targets
    // alone; empty when none are.
    Planner(const std::vector<RenameRequest>& requests, PlanOptions options,
            const std::vector<PlanStatus>& held, const std::vector<char>& lookedUp)
        : requests_(requests),
          options_(options),
          held_(held),
          lookedUp_(lookedUp),
          next_(requests.size(), kNone) {
        plan_.statuses.assign(requests.size(), PlanStatus::Ok);
        plan_.targets.reserve(requests.size());
        Pace pace = options_.pace;
        for (std::size_t i = 0; i < requests.size(); ++i) {
            const RenameRequest& request = requests[i];
            const std::size_t folderLength = nameStart(request.path);
            std::string& target = plan_.targets.emplace_back();
            target.reserve(folderLength + request.newName.size());
            target.append(request.path, 0, folderLength).append(request.newName);
            if (!goOn(pace)) return;
        }
    }

    RenamePlan run() {
        // Each pass ends early once stopped, and the next does not begin.
        if (!stopped_) checkNames();
        if (!stopped_) findLinks();
        if (!stopped_) resolve();
        if (!stopped_ && !options_.statusesOnly) orderSteps();
        for (const auto status : plan_.statuses) plan_.blockedRows += blocksRow(status) ? 1 : 0;
        plan_.stopped = stopped_;
        return std::move(plan_);
    }

  private:
    // Once per row of a pass, which holds its own copy of the options' pace. Tells whether
    // the pass goes on.
    bool goOn(Pace& pace) {
        if (!pace.step()) stopped_ = true;
        return !stopped_;
    }

    // Rows that fail on their own, then rows that lose a file or a name to an earlier row.
    void checkNames() {
        const std::size_t n = requests_.size();
        sourceKeys_.reserve(n);
        targetKeys_.reserve(n);
        RowsByKey targetsTaken(targetKeys_, n);
        Pace pace = options_.pace;
        for (std::size_t i = 0; i < n; ++i) {
            sourceKeys_.push_back(keys_.keyOf(requests_[i].path));
            targetKeys_.push_back(keys_.keyOf(plan_.targets[i]));
            PlanStatus& status = plan_.statuses[i];
            const std::string& name = requests_[i].newName;
            if (!held_.empty() && held_[i] != PlanStatus::Unplanned) {
                status = held_[i];
            } else if (!isUsableName(name)) {
                status = PlanStatus::InvalidName;
            } else if (name.size() > kLongestName) {
                status = PlanStatus::TooLong;
            } else if (movers_.insert(i) != i) {
                status = PlanStatus::SameFile;
            } else if (targetsTaken.insert(i) != i) {
                status = PlanStatus::Duplicate;
            }
            if (!goOn(pace)) return;
        }
        // A duplicate's file stays where it is, as does the file of a row that fails alone.
        fileStays_.assign(n, 0);
        pace = options_.pace;
        for (std::size_t i = 0; i < n; ++i) {
            fileStays_[i] =
                blocksRow(plan_.statuses[i]) && plan_.statuses[i] != PlanStatus::SameFile;
            if (!goOn(pace)) return;
        }
    }

    // The row whose file bears the name of the key and leaves it, if any.
    std::size_t moverOf(const NameKey& key) const {
        const std::size_t row = movers_.find(key);
        return row == kNone || fileStays_[row] ? kNone : row;
    }

    // Each moving row's target is either free, its own name in another case, the name of
    // another moving row's file, or taken for good.
    void findLinks() {
        RowsByKey staying(sourceKeys_, requests_.size());
        Pace pace = options_.pace;
        for (std::size_t i = 0; i < requests_.size(); ++i) {
            if (blocksRow(plan_.statuses[i]) && moverOf(sourceKeys_[i]) == kNone) {
                staying.insert(i);
            }
            if (!goOn(pace)) return;
        }
        pace = options_.pace;
        for (std::size_t i = 0; i < requests_.size(); ++i) {
            if (!goOn(pace)) return;
            if (blocksRow(plan_.statuses[i])) continue;
            const NameKey& target = targetKeys_[i];
            if (target == sourceKeys_[i]) {
                next_[i] = i;  // only the letter case changes
            } else if (const std::size_t mover = moverOf(target); mover != kNone) {
                next_[i] = mover;
            } else if (staying.find(target) != kNone ||
                       (lookUpTarget(i) && lookUpFile(plan_.targets[i]).has_value())) {
                plan_.statuses[i] = PlanStatus::Exists;
            }
        }
    }

    bool lookUpTarget(std::size_t i) const {
        return options_.lookUpTargets || (!lookedUp_.empty() && lookedUp_[i]);
    }

    // Follows each row's links to a free name, a blocked row or back to itself (a ring).
    // Every name is the target of at most one row here, so the links form plain paths and
    // rings, and each row is visited once.
    void resolve() {
        enum : char { kUnseen, kOnPath, kDone };
        std::vector<char> state(requests_.size(), kUnseen);
        std::vector<std::size_t> path;
        Pace pace = options_.pace;
        for (std::size_t start = 0; start < requests_.size(); ++start) {
            if (!goOn(pace)) return;
            if (state[start] != kUnseen || blocksRow(plan_.statuses[start])) continue;
            std::size_t at = start;
            while (at != kNone && state[at] == kUnseen && !blocksRow(plan_.statuses[at])) {
                state[at] = kOnPath;
                path.push_back(at);
                at = next_[at] == at ? kNone : next_[at];
            }
            if (at != kNone && state[at] == kOnPath) {
                // The ring is the path from where it closes to its end.
                std::size_t ringStart = path.size();
                while (path[ringStart - 1] != at) --ringStart;
                --ringStart;
                for (std::size_t k = ringStart; k < path.size(); ++k) {
                    plan_.statuses[path[k]] =
                        options_.literalOrder ? PlanStatus::Exists : PlanStatus::Cycle;
                    state[path[k]] = kDone;
                }
                path.resize(ringStart);
            }
            while (!path.empty()) {
                const std::size_t row = path.back();
                path.pop_back();
                state[row] = kDone;
                const std::size_t target = next_[row];
                if (target == kNone || target == row) continue;  // a free name
                const bool freedInTime = !options_.literalOrder || target < row;
                plan_.statuses[row] = !blocksRow(plan_.statuses[target]) && freedInTime
                                          ? PlanStatus::Chain
                                          : PlanStatus::Exists;
            }
        }
    }

    // Steps number rows and temporary names in 32 bits, as the planner's tables do.
    static std::uint32_t numbered(std::size_t index) { return static_cast<std::uint32_t>(index); }
    static StepPath source(std::size_t row) { return {StepPath::Of::Source, numbered(row)}; }
    static StepPath target(std::size_t row) { return {StepPath::Of::Target, numbered(row)}; }

    void addStep(std::size_t row, StepPath from, StepPath to, bool startsGroup, bool givesNewName) {
        plan_.steps.push_back(
            {RenameStep::Kind::Rename, from, to, numbered(row), 0, {}, startsGroup, givesNewName});
    }

    StepPath temporaryNear(std::size_t row) {
        const std::string& path = requests_[row].path;
        plan_.temporaries.push_back(path.substr(0, nameStart(path)) + temporaryName());
        return {StepPath::Of::Temporary, numbered(plan_.temporaries.size() - 1)};
    }

    // One row whose file goes straight to its new name; a change of letter case only goes
    // through a temporary name where the file system takes both spellings as one.
    void addMove(std::size_t row) {
        if (next_[row] == row) {
            const StepPath temporary = temporaryNear(row);
            addStep(row, source(row), temporary, true, false);
            addStep(row, temporary, target(row), false, true);
        } else {
            addStep(row, source(row), target(row), true, true);
        }
    }

    // A ring r0 -> r1 -> ... -> rk -> r0: two rows swap at once where the system can; longer
    // rings free r0's name through a temporary name and move the others backwards into the
    // name freed before them.
    void addRing(std::vector<std::size_t>& ring) {
        // An exchange keeps both spellings, so it serves only where each target is spelt as the
        // other file's name; the second name is then the first row's own target.
        if (ring.size() == 2 && plan_.targets[ring[0]] == requests_[ring[1]].path &&
            plan_.targets[ring[1]] == requests_[ring[0]].path) {
            plan_.steps.push_back({RenameStep::Kind::Exchange, source(ring[0]), target(ring[0]),
                                   numbered(ring[0]), numbered(ring[1]), temporaryNear(ring[0]),
                                   true, true});
            return;
        }
        const StepPath temporary = temporaryNear(ring[0]);
        addStep(ring[0], source(ring[0]), temporary, true, false);
        for (std::size_t k = ring.size() - 1; k >= 1; --k) {
            addStep(ring[k], source(ring[k]), target(ring[k]), false, true);
        }
        addStep(ring[0], temporary, target(ring[0]), false, true);
    }

    // Rows in the order given; a row whose target is still taken waits for the rows down its
    // chain, which go first.
    void orderSteps() {
        // Most rows take one step; growing the list step by step would copy it again and again.
        plan_.steps.reserve(requests_.size());
        std::vector<char> placed(requests_.size(), 0);
        std::vector<std::size_t> pending;
        Pace pace = options_.pace;
        for (std::size_t start = 0; start < requests_.size(); ++start) {
            if (!goOn(pace)) return;
            if (placed[start] || blocksRow(plan_.statuses[start])) continue;
            if (options_.literalOrder) {
                addMove(start);
                continue;
            }
            pending.clear();
            std::size_t at = start;
            while (at != kNone && !placed[at]) {
                placed[at] = 1;
                pending.push_back(at);
                at = next_[at] == at ? kNone : next_[at];
            }
            if (plan_.statuses[start] == PlanStatus::Cycle) {
                addRing(pending);
                continue;
            }
            for (auto row = pending.rbegin(); row != pending.rend(); ++row) addMove(*row);
        }
    }

    const std::vector<RenameRequest>& requests_;
    PlanOptions options_;
    const std::vector<PlanStatus>& held_;
    const std::vector<char>& lookedUp_;
    RenamePlan plan_;
    NameKeys keys_;
    // They view the requests' paths and the plan's targets, which stay in place until run ends.
    std::vector<NameKey> sourceKeys_;
    std::vector<NameKey> targetKeys_;
    RowsByKey movers_{sourceKeys_, requests_.size()};  // the first row of each file's key
    std::vector<char> fileStays_;    // per row: its file is not moved, although its row is filed
    std::vector<std::size_t> next_;  // the row whose file holds this row's target, or kNone
    bool stopped_ = false;
};

// Holds every request of a group that another of its requests blocks. False when no group was
// split, so the plan stands.
bool holdSplitGroups(const RenamePlan& plan, const RequestGroups& groups,
                     std::vector<PlanStatus>& held) {
    const std::size_t n = plan.statuses.size();
    std::vector<char> blocked(n, 0);
    for (std::size_t k = 0; k < n; ++k) {
        if (blocksRow(plan.statuses[k])) blocked[groups.leaderOf[k]] = 1;
    }
    bool split = false;
    for (std::size_t k = 0; k < n; ++k) {
        if (blocked[groups.leaderOf[k]] && !blocksRow(plan.statuses[k])) {
            held[k] = PlanStatus::GroupBlocked;
            split = true;
        }
    }
    return split;
}

}  // namespace

bool blocksRow(PlanStatus status) {
    return planStatusRow(status).blocks;
}

bool isUsableName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

RenamePlan planRenames(const std::vector<RenameRequest>& requests, PlanOptions options) {
    if (options.groups == nullptr) return Planner(requests, options, {}, {}).run();
    std::vector<PlanStatus> held(requests.size(), PlanStatus::Unplanned);
    // A row must not go when its companion would fail: the targets of both are looked up, even
    // where execution leaves the others to the renames.
    std::vector<char> lookedUp(requests.size(), 0);
    for (std::size_t k = 0; k < requests.size(); ++k) {
        if (options.groups->claimedTwice[k]) held[k] = PlanStatus::Duplicate;
        const std::uint32_t leader = options.groups->leaderOf[k];
        if (leader != k) lookedUp[k] = lookedUp[leader] = 1;
    }
    // Holding a row only ever blocks more rows, so this ends; a batch without clashes on its
    // companions is planned once.
    for (;;) {
        RenamePlan plan = Planner(requests, options, held, lookedUp).run();
        if (plan.stopped || !holdSplitGroups(plan, *options.groups, held)) return plan;
    }
}

}  // namespace vartel

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/pace.h"
#include "common/text.h"
#include "platform/file_system.h"

namespace vartel {

// What the planner foresees for one row of a batch. What the user is shown of each, and
// whether it blocks the row (it fails without being tried), is its row in plan_texts.h.
enum class PlanStatus {
    Unplanned,  // not part of the batch (an unchecked row)
    Ok,
    Chain,      // its target is the name of another row's file, which moves away first
    Cycle,      // part of a swap or a longer ring of names, done through a temporary name
    Duplicate,  // another row earlier in the batch takes the same new name
    Exists,     // the target exists and the batch does not move it away
    InvalidName,
    TooLong,
    SameFile,  // an earlier row of the batch renames the same file
    // A file of its group (a row and its companion files) cannot be renamed, so none of the
    // group is: a photo never leaves its sidecar behind, nor the sidecar its photo.
    GroupBlocked,
};
inline constexpr std::size_t kPlanStatusCount = 10;  // one more than the last status

bool blocksRow(PlanStatus status);

// False for a new name that could name another folder or no entry at all: empty, ".", "..",
// or holding "/" or NUL. A rename never moves a file out of its folder.
bool isUsableName(std::string_view name);

// One row of a batch: the file's full path and the name it is to get in its folder, and the
// file that is expected under that path when known. Paths and names are the bytes the file
// system is given: a batch converts each once, and compares names as the disk does.
struct RenameRequest {
    std::string path;
    std::string newName;
    FileIdentity identity{};
    // What else the file must be: known for undo, whose file must be the one its batch renamed.
    FileFingerprint expected{};

    // The name the file bears now: the path's last part.
    std::string_view name() const { return std::string_view(path).substr(path.rfind('/') + 1); }
};

// A path a step names, kept by reference: a row's current path, a row's target, or one of the
// plan's temporary names. Most steps only move a row between its two paths, so a plan of a
// million rows copies no path. Rows are numbered in 32 bits, as in the planner's tables, which
// halves a step.
struct StepPath {
    enum class Of : unsigned char { Source, Target, Temporary };
    Of of = Of::Source;
    std::uint32_t index = 0;  // the row, or the place in RenamePlan::temporaries
};

// One call on the file system. Steps come in groups that are carried out whole or put back: a
// ring of names must never stop half-way.
struct RenameStep {
    enum class Kind : unsigned char {
        Rename,    // from -> to
        Exchange,  // from <-> to, for the rows row and otherRow at once
    };
    Kind kind = Kind::Rename;
    StepPath from;
    StepPath to;
    std::uint32_t row = 0;
    std::uint32_t otherRow = 0;  // only for Exchange
    StepPath temporary;          // only for Exchange: the way round where it is not offered
    bool startsGroup = true;     // the first step of its group
    bool givesNewName = false;   // after it the row's file bears its new name
};

struct RenamePlan {
    std::vector<PlanStatus> statuses;      // one per request
    std::vector<std::string> targets;      // one per request: folder of the path + new name
    std::vector<std::string> temporaries;  // full paths of the temporary names steps pass through
    std::vector<RenameStep> steps;         // in the order they are to be made
    std::size_t blockedRows = 0;
    bool stopped = false;  // the pace said no: the plan is unfinished and must not be used

    // The text of a step's path; requests are those the plan was made from.
    const std::string& pathOf(const std::vector<RenameRequest>& requests, StepPath path) const {
        switch (path.of) {
            case StepPath::Of::Source:
                return requests[path.index].path;
            case StepPath::Of::Target:
                return targets[path.index];
            case StepPath::Of::Temporary:
                break;
        }
        return temporaries[path.index];
    }
};

// Requests that are renamed together or not at all: a row and its companion files.
struct RequestGroups {
    std::vector<std::uint32_t> leaderOf;  // per request: the row it goes with, itself for a row
    // Per request: a file that two rows claim, which neither may take; it fails as Duplicate.
    std::vector<char> claimedTwice;
};

struct PlanOptions {
    // Each row renamed on its own, in the order given, without planning:
    // a row whose target is freed only later, or a ring of names, then fails.
    bool literalOrder = false;
    // Only the statuses are wanted (a preview): no steps are made.
    bool statusesOnly = false;
    // Targets that no row of the batch frees are looked up on disk, so that a preview shows
    // the rows that would fail. Execution leaves it out: no step ever replaces a file, so such
    // a row fails all the same when it is tried, and the lookups would cost a tenth of the
    // batch. Rows of a group (see groups) are looked up either way.
    bool lookUpTargets = true;
    // Asked every few thousand rows of each pass while a large batch is planned, so a window
    // can handle its events; it must leave the requests alone. Once it says no, planning ends
    // at once with the plan stopped.
    Pace pace = {};
    // When given, a group with a blocked request is blocked whole (GroupBlocked), which may
    // block further rows in turn; the planner plans again until no group is split.
    const RequestGroups* groups = nullptr;
};

// Plans a batch. The requests come in the order they are to be carried out; where two rows
// compete for a name, the earlier one keeps it. Names are compared the way each folder's file
// system compares them. Looks each distinct target up once on disk.
RenamePlan planRenames(const std::vector<RenameRequest>& requests, PlanOptions options = {});

}  // namespace vartel

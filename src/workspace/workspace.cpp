#include "workspace/workspace.h"

#include <algorithm>
#include <exception>
#include <numeric>

#include "common/integer_text.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/messages.h"
#include "workspace/pacing/release_on_helper_thread.h"
#include "workspace/pacing/remove_flagged.h"
#include "workspace/preview_batch.h"
#include "workspace/rows/path_bytes.h"

namespace vartel {

std::uint32_t Workspace::placeOfBatch(const std::string& id) {
    // A session makes a handful of batches; the latest is asked for most.
    for (std::size_t place = historyBatches_.size(); place-- > 0;) {
        if (historyBatches_[place] == id) return static_cast<std::uint32_t>(place);
    }
    historyBatches_.push_back(id);
    return static_cast<std::uint32_t>(historyBatches_.size() - 1);
}

Workspace::Workspace(Dialogs& dialogs, Pump& pump, PumpThrottle::Interval pumpInterval)
    : dialogs_(dialogs), pump_(pump), throttle_(pump, pumpInterval) {}

void Workspace::enterBusy() {
    // The helper thread is free again for the walk, unless it still frees the last batch.
    finishReleasingIfDone();
    state_.busy = true;
    state_.progressShown = true;
    state_.progressPosition = 0;
    state_.progressMaximum = static_cast<int>(conversion_.size());
    state_.moved = 0;
    leaving_.assign(conversion_.size(), 0);
    leavingChecked_ = 0;
    checkedAtStart_ = -1;
    groupsAtStart_.reset();
    currentRow_ = -1;
    planTouchedOnly_ = false;
    touched_.clear();
    earlyFolderPlans_.start(preview_.size());
    plannedEarly_ = false;
    throttle_.restart();
}

void Workspace::leaveBusy() {
    removeMovedRows();
    writePreviewCount();
    writeListCount();
    if (planTouchedOnly_)
        replanTouchedFolders();
    else
        replanPreview();
    // Not after "中止", which is to end at once; the first click makes them then.
    if (groupingAhead_ && planningPreview_ && state_.busy && !renameGroups_ && !preview_.empty()) {
        if (const Pace pace = paceOnTheWayOut()) renameGroups_.emplace(preview_, pace);
    }
    planTouchedOnly_ = false;
    touched_.clear();
    plannedEarly_ = false;
    state_.progressShown = false;
    state_.busy = false;
    pump_.busyEnded();
}

void Workspace::replanPreview() {
    renameGroups_.reset();
    blockedRows_ = 0;
    if (!planningPreview_) return;
    for (auto& row : preview_) row.status = PlanStatus::Unplanned;
    // The batch runs from the bottom row up.
    std::vector<std::size_t> rows(preview_.size());
    std::iota(rows.rbegin(), rows.rend(), std::size_t{0});
    planPreviewRows(rows);
}

void Workspace::replanTouchedFolders() {
    for (const auto& folder : earlyFolderPlans_.takeFoldersToPlanLater()) touched_.add(folder);
    if (touched_.empty() && !plannedEarly_) return;
    renameGroups_.reset();
    if (!planningPreview_) return;
    Pace pace = paceOnTheWayOut();
    std::vector<std::size_t> rows;
    for (std::size_t i = preview_.size(); i-- > 0;) {
        pace.step();
        PreviewEntry& row = preview_[i];
        if (!touched_.contains(row.folder)) continue;
        row.status = PlanStatus::Unplanned;
        rows.push_back(i);
    }
    planPreviewRows(rows);
    // Rows that left the preview took their statuses with them.
    blockedRows_ = static_cast<std::size_t>(std::count_if(
        preview_.begin(), preview_.end(), [](const auto& row) { return blocksRow(row.status); }));
    writeConflictCount();
}

void Workspace::planMovedRun(const EarlyFolderPlans::Finished& run) {
    for (const std::size_t i : run.rows) preview_[i].status = PlanStatus::Unplanned;
    planPreviewRows(run.rows);
    plannedEarly_ = true;
}

void Workspace::replanPreviewRow(std::size_t row) {
    if (row >= preview_.size()) return;
    // Anything but a check box that changes the preview plans it whole, which drops the groups;
    // the count guards against a list emptied without a plan.
    if (!renameGroups_ || renameGroups_->rowCount() != preview_.size())
        renameGroups_.emplace(preview_);
    const auto group = renameGroups_->groupOf(row);
    for (const std::uint32_t member : group) {
        PreviewEntry& entry = preview_[member];
        if (blocksRow(entry.status)) --blockedRows_;
        entry.status = PlanStatus::Unplanned;
    }
    // In the batch's order, from the bottom up.
    const std::vector<std::size_t> bottomUp(group.rbegin(), group.rend());
    planPreviewRows(bottomUp);
}

template <typename Rows>
void Workspace::planPreviewRows(const Rows& rows) {
    const Pace pace = paceOnTheWayOut();
    const PreviewBatch batch = previewBatch(*this, rows, pace);
    PlanOptions options;
    options.literalOrder = literalOrder_;
    options.statusesOnly = true;  // the preview shows statuses; execution plans afresh
    options.pace = pace;
    options.groups = batch.groupsOrNone();
    const RenamePlan plan = planRenames(batch.requests, options);
    for (const std::size_t i : rows) preview_[i].companions = 0;
    for (std::size_t k = 0; k < batch.requests.size(); ++k) {
        PreviewEntry& row = preview_[batch.rowOf[k]];
        if (!batch.isCompanion(k)) {
            row.status = plan.statuses[k];
            blockedRows_ += blocksRow(row.status) ? 1 : 0;
        } else if (row.companions < kMostCompanionsCounted) {
            ++row.companions;
        }
    }
    writeConflictCount();
}

Pace Workspace::paceOnTheWayOut() {
    if (!state_.progressShown || std::uncaught_exceptions() > 0) return {};
    return paceToTheEnd();
}

void Workspace::writeConflictCount() {
    status_.conflicts =
        kConflictCaption + formatInteger(static_cast<std::int64_t>(blockedRows_)) + kConflictSuffix;
}

int Workspace::moveToPreview(int index, Text newName) {
    const auto at = static_cast<std::size_t>(index);
    FileEntry& row = conversion_[at];
    if (row.name != newName) {
        // The row leaves the list when the command ends and nothing reads its name before, so
        // the preview takes the name over rather than a copy of it.
        // Room for every row still to come is taken at once rather than by doubling, which
        // would copy the rows moved so far and touch twice the memory; removeMovedRows gives
        // back what was not used.
        if (preview_.size() == preview_.capacity())
            preview_.reserve(preview_.size() + (conversion_.size() - at));
        PreviewEntry entry{row.folder, std::move(row.name), std::move(newName), row.facts};
        entry.identity = row.identity;
        preview_.push_back(std::move(entry));
        if (planTouchedOnly_ && planningPreview_) {
            if (const auto run = earlyFolderPlans_.moved(row.folder, preview_.size() - 1, preview_))
                planMovedRun(*run);
        }
        leaving_[at] = 1;
        if (row.checked) ++leavingChecked_;
        ++state_.moved;
    }
    state_.progressPosition = index + 1;
    return keepGoing() ? index : static_cast<int>(conversion_.size());
}

bool Workspace::keepGoing() {
    throttle_.tick();
    return state_.busy;
}

bool Workspace::nextItem() {
    ++state_.progressPosition;
    return keepGoing();
}

void Workspace::removeMovedRows() {
    if (state_.moved > 0) {
        removeFlagged(conversion_, leaving_, paceOnTheWayOut());
        if (preview_.capacity() > 2 * preview_.size()) preview_.shrink_to_fit();
    }
    leaving_.clear();
    leavingChecked_ = 0;
    checkedAtStart_ = -1;
    groupsAtStart_.reset();
    currentRow_ = -1;
}

void Workspace::writeListCount() {
    status_.listCount =
        kListCountCaption + formatInteger(static_cast<std::int64_t>(conversion_.size()));
}

void Workspace::writePreviewCount() {
    status_.previewCount =
        kPreviewCountCaption + formatInteger(static_cast<std::int64_t>(preview_.size()));
}

void Workspace::writeHitCount(int hits) {
    status_.hits = formatInteger(hits) + kHitCountSuffix;
}

int Workspace::checkedFileCount() const {
    const auto count = [this] {
        int checked = 0;
        for (const auto& row : conversion_) checked += row.checked ? 1 : 0;
        return checked;
    };
    if (!state_.busy) return count();
    // A macro may ask for every row of a long run; the list does not change meanwhile except
    // by the rows that leave it.
    if (checkedAtStart_ < 0) checkedAtStart_ = count();
    return checkedAtStart_ - leavingChecked_;
}

const FolderGroups& Workspace::groupsAtStart() const {
    if (!groupsAtStart_) groupsAtStart_ = folderGroupsOf(conversion_);
    return *groupsAtStart_;
}

int Workspace::positionInFolder() const {
    if (!state_.busy || currentRow_ < 0) return 1;
    return groupsAtStart().positions[static_cast<std::size_t>(currentRow_)];
}

int Workspace::largestFolderGroup() const {
    if (!state_.busy) return folderGroupsOf(conversion_).largest;
    return groupsAtStart().largest;
}

}  // namespace vartel

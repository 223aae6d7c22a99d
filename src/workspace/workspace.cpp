#include "workspace/workspace.h"

#include <exception>
#include <numeric>

#include "common/integer_text.h"
#include "workspace/messages.h"
#include "workspace/remove_flagged.h"
#include "workspace/rename_plan.h"

namespace vartel {

Workspace::Workspace(Dialogs& dialogs, Pump& pump, PumpThrottle::Interval pumpInterval)
    : dialogs_(dialogs), throttle_(pump, pumpInterval) {}

void Workspace::enterBusy() {
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
    throttle_.restart();
}

void Workspace::leaveBusy() {
    removeMovedRows();
    writePreviewCount();
    writeListCount();
    replanPreview();
    state_.progressShown = false;
    state_.busy = false;
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
    const auto breathe = breatherOnTheWayOut();
    std::vector<RenameRequest> requests;
    std::vector<std::size_t> rowOf;
    std::size_t seen = 0;
    for (const std::size_t i : rows) {
        if (breathe && ++seen % 4096 == 0) breathe();
        const PreviewEntry& row = preview_[i];
        if (!row.checked) continue;
        requests.push_back({row.fullPathBefore(), row.newName, row.identity});
        rowOf.push_back(i);
    }
    PlanOptions options;
    options.literalOrder = literalOrder_;
    options.statusesOnly = true;  // the preview shows statuses; execution plans afresh
    options.breathe = breathe;
    const RenamePlan plan = planRenames(requests, options);
    for (std::size_t k = 0; k < requests.size(); ++k) preview_[rowOf[k]].status = plan.statuses[k];
    blockedRows_ += plan.blockedRows;
    writeConflictCount();
}

std::function<void()> Workspace::breatherOnTheWayOut() {
    if (!state_.progressShown || std::uncaught_exceptions() > 0) return nullptr;
    return [this] { breathe(); };
}

void Workspace::writeConflictCount() {
    status_.conflicts =
        kConflictCaption + formatInteger(static_cast<std::int64_t>(blockedRows_)) + kConflictSuffix;
}

int Workspace::moveToPreview(int index, const Text& newName) {
    const auto at = static_cast<std::size_t>(index);
    const FileEntry& row = conversion_[at];
    if (row.name != newName) {
        PreviewEntry entry{row.folder, row.name, newName, row.facts};
        entry.identity = row.identity;
        preview_.push_back(std::move(entry));
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
    if (state_.moved > 0) removeFlagged(conversion_, leaving_, breatherOnTheWayOut());
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

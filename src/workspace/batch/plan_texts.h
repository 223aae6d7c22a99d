#pragma once

#include <array>
#include <string_view>

#include "common/text.h"
#include "platform/file_system.h"
#include "workspace/batch/rename_plan.h"

namespace vartel {

// Everything the user is shown of a plan status, one row per status in the enum's order: the
// preview's column, its tooltip and colour, and the word the command line prints for it. A new
// status is a row here and its case in the planner.
struct PlanStatusRow {
    PlanStatus status;
    std::string_view key;      // printed by `vartel-cli preview --status`; stable for scripts
    std::u32string_view text;  // the preview's "状態" column; empty for a row simply renamed
    std::u32string_view hint;  // the row's tooltip in the preview
    bool blocks;               // the row fails without being tried, and is shown as failing
    std::string_view help;     // what `preview --help` says of the key; empty: said by another
};

inline constexpr std::array<PlanStatusRow, kPlanStatusCount> kPlanStatuses = {{
    {PlanStatus::Unplanned, "ok", U"", U"", false, ""},
    {PlanStatus::Ok, "ok", U"", U"", false, "renamed straight away"},
    {PlanStatus::Chain, "chain", U"順序を調整",
     U"この名前のファイルが先に名前を変えてから、この名前にします", false,
     "waits for another row's file to move"},
    {PlanStatus::Cycle, "cycle", U"入れ替え",
     U"ファイル同士で名前を入れ替えるため、一時的な名前を経由して変更します", false,
     "a swap or a ring of names"},
    {PlanStatus::Duplicate, "duplicate", U"重複",
     U"ほかの行が同じ名前に変更するため、この行は変更されません", true,
     "fails: an earlier row takes the same new name"},
    {PlanStatus::Exists, "exists", U"同名のファイルがあります",
     U"同じ名前のファイルがすでにあるため、この行は変更されません", true,
     "fails: a file of that name exists and stays"},
    {PlanStatus::InvalidName, "invalid", U"使えない名前",
     U"空の名前、「.」「..」、「/」を含む名前はファイル名に使えないため、この行は変更されません",
     true, "fails: empty, . or .., or holding /"},
    {PlanStatus::TooLong, "too-long", U"名前が長すぎます",
     U"名前が255バイトを超えるため、この行は変更されません", true, "fails: longer than 255 bytes"},
    {PlanStatus::SameFile, "same-file", U"同じファイルが複数あります",
     U"同じファイルを別の行でも変更するため、この行は変更されません", true,
     "fails: an earlier row renames the same file"},
    {PlanStatus::GroupBlocked, "with-companion", U"関連ファイルを変更できません",
     U"この行と関連ファイルのどちらかの名前を変更できないため、一緒に変更しません", true,
     "fails with its companion file, or its row"},
}};

constexpr bool rowsInEnumOrder() {
    for (std::size_t i = 0; i < kPlanStatuses.size(); ++i) {
        if (static_cast<std::size_t>(kPlanStatuses[i].status) != i) return false;
    }
    return true;
}
static_assert(rowsInEnumOrder(), "one row per plan status, in the enum's order");

constexpr const PlanStatusRow& planStatusRow(PlanStatus status) {
    return kPlanStatuses[static_cast<std::size_t>(status)];
}

// The status column's text of a planned row; empty for a row that is simply renamed.
inline Text statusText(PlanStatus status) {
    return Text(planStatusRow(status).text);
}
// Why a rename failed, in the user's words.
Text failureReasonText(FileError error);

}  // namespace vartel

#pragma once

#include <cstdint>

#include "common/dialogs.h"
#include "common/integer_text.h"
#include "common/text.h"

namespace vartel {

// What the rename workspace shows the user, exactly as shown.
inline const Text kListCountCaption = U"変換リスト数： ";
inline const Text kPreviewCountCaption = U"変換候補数： ";
inline const Text kHitCountSuffix = U"ヒット";
inline const Text kCreatePreviewFirst = U"プレビューを作成してください";
inline const Text kNoHistory = U"履歴がありません";
inline const Text kFinishedNormally = U"正常終了";
inline const Text kErrorCountSuffix = U"個のエラーがあります";
// "衝突 N件": how many rows of the preview would fail.
inline const Text kConflictCaption = U"衝突 ";
inline const Text kConflictSuffix = U"件";

// What a command says when it ends: "正常終了", or how many rows failed.
inline Text summaryText(std::int64_t errors) {
    return errors == 0 ? kFinishedNormally : formatInteger(errors) + kErrorCountSuffix;
}
// The same in a box: failures are a warning.
inline void showSummary(Dialogs& dialogs, std::int64_t errors) {
    if (errors == 0)
        dialogs.message(kFinishedNormally);
    else
        dialogs.warning(summaryText(errors));
}

}  // namespace vartel

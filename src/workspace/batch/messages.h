#pragma once

#include "common/text.h"

namespace vartel {

// What a planned or carried out rename shows the user, exactly as shown.
// The status of a planned row is shown as its row in plan_texts.h says.
// Why a rename failed, from what the system said.
inline const Text kReasonAccessDenied = U"アクセスが拒否されました";
inline const Text kReasonNotFound = U"ファイルが見つかりません";
inline const Text kReasonBusy = U"ファイルが使用中です";
inline const Text kReasonReadOnly = U"読み取り専用のファイルシステムです";
inline const Text kReasonNoSpace = U"ディスクの空き容量が足りません";
inline const Text kReasonReplaced = U"別のファイルに置き換わっています";
// When the system gave no reason that has a text of its own.
inline const Text kCannotRename = U"ファイル名を変更できません";

}  // namespace vartel

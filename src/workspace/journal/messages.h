#pragma once

#include "common/text.h"

namespace vartel {

// What the journal of renames shows the user, exactly as shown.
inline const Text kJournalUnwritable =
    U"変換の記録を書き込めないため、ファイル名を変更しませんでした";
inline const Text kJournalUnavailable =
    U"変換の記録を保存するフォルダを作成できないため、記録を残さずに続けます";
// %s stands for the number of files of the batch.
inline const Text kUnfinishedBatchQuestion =
    U"前回の変換が途中で終わっています（%s個のファイル）。\n"
    U"「はい」で変換を最後まで行い、「いいえ」で元の名前に戻します。\n"
    U"「後で」では何もせず、次に名前を変更するときにもう一度確認します。";
inline const Text kUnfinishedBatchRefusal =
    U"途中で終わった変換があります。vartel-cli recover --finish または vartel-cli recover "
    U"--undo で復旧してください";
inline const Text kNoUnfinishedBatch = U"途中で終わった変換はありません";
inline const Text kDamagedJournal = U"壊れた変換の記録を別の場所に移しました: %s";
// After a recovery that could not bring every file to one of its two names; %s stands for
// the count. The batch stays open, and each file left is named after this.
inline const Text kRecoveryLeftFiles =
    U"%s個のファイルを戻せなかったため、変換は途中のままです。次のファイルを確かめてから、もう一度"
    U"復旧してください:";
// A damaged journal's batch is recovered as far as its intact records go; %s stands for the
// count of files it no longer names, which the user must look for.
inline const Text kDamagedJournalRows =
    U"変換の記録の一部が壊れていたため、%s個のファイルは確かめられませんでした";
// Why recovery leaves a row alone: its journal names a path outside the batch's folder.
inline const Text kReasonOutsideBatch = U"変換の記録のパスが正しくありません";

}  // namespace vartel

#pragma once

#include "common/text.h"

namespace vartel {

// What the rename workspace shows the user, exactly as shown.
inline const Text kListCountCaption = U"変換リスト数： ";
inline const Text kPreviewCountCaption = U"変換候補数： ";
inline const Text kHitCountSuffix = U"ヒット";
inline const Text kGettingFilesFailed = U"ファイルの取得に失敗しました。";
inline const Text kCreatePreviewFirst = U"プレビューを作成してください";
inline const Text kNoHistory = U"履歴がありません";
inline const Text kFinishedNormally = U"正常終了";
inline const Text kErrorCountSuffix = U"個のエラーがあります";
inline const Text kSaveListQuestion = U"現在の変換リストを保存しますか？";
inline const Text kListFileFilter = U"CSVファイル（*.csv）|*.csv";
inline const Text kListFileExtension = U".csv";
inline const Text kEnterSize = U"検索するサイズを数値で入力してください";
inline const Text kCannotRename = U"ファイル名を変更できません";
// The status of a planned row, as the preview's "状態" column shows it.
inline const Text kStatusChain = U"順序を調整";
inline const Text kStatusCycle = U"入れ替え";
inline const Text kStatusDuplicate = U"重複";
inline const Text kStatusExists = U"同名のファイルがあります";
inline const Text kStatusInvalidName = U"使えない名前";
inline const Text kStatusTooLong = U"名前が長すぎます";
inline const Text kStatusSameFile = U"同じファイルが複数あります";
// "衝突 N件": how many rows of the preview would fail.
inline const Text kConflictCaption = U"衝突 ";
inline const Text kConflictSuffix = U"件";
// Why a rename failed, from what the system said.
inline const Text kReasonAccessDenied = U"アクセスが拒否されました";
inline const Text kReasonNotFound = U"ファイルが見つかりません";
inline const Text kReasonBusy = U"ファイルが使用中です";
inline const Text kReasonReadOnly = U"読み取り専用のファイルシステムです";
inline const Text kReasonNoSpace = U"ディスクの空き容量が足りません";
inline const Text kReasonReplaced = U"別のファイルに置き換わっています";
// The journal of renames.
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
// The size column of a row that stands for a folder itself.
inline const Text kFolderSizeText = U"<フォルダ>";
// Followed by one path per line.
inline const Text kRowsNotSaved = U"次のファイルは名前に改行を含むため保存しませんでした。";
// %s stands for the count.
inline const Text kMoreRowsNotSaved = U"ほか %s 件";

}  // namespace vartel

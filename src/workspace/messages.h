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
// The size column of a row that stands for a folder itself.
inline const Text kFolderSizeText = U"<フォルダ>";
// Followed by one path per line.
inline const Text kRowsNotSaved = U"次のファイルは名前に改行を含むため保存しませんでした。";
// %s stands for the count.
inline const Text kMoreRowsNotSaved = U"ほか %s 件";
// The conversion message of the sort by time; %s stands for the text.
inline const Text kNotADateTime = U"'%s' is not a valid date and time";

}  // namespace vartel

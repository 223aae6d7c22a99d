#pragma once

#include "common/text.h"

namespace vartel {

// What the list commands show the user, exactly as shown.
inline const Text kSaveListQuestion = U"現在の変換リストを保存しますか？";
inline const Text kListFileFilter = U"CSVファイル（*.csv）|*.csv";
inline const Text kListFileExtension = U".csv";
inline const Text kEnterSize = U"検索するサイズを数値で入力してください";
// Followed by one path per line.
inline const Text kRowsNotSaved = U"次のファイルは名前に改行を含むため保存しませんでした。";
// %s stands for the count.
inline const Text kMoreRowsNotSaved = U"ほか %s 件";

}  // namespace vartel

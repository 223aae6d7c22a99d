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

// Names written out as text. %s stands for a line number, the reason follows.
inline const Text kNamesListLine = U"%s 行目：";
inline const Text kNameHoldsControl = U"名前にタブや制御文字を含めることはできません。";
inline const Text kNameHoldsLineBreak = U"名前に改行を含めることはできません。";
inline const Text kPairNeedsTwoFields = U"「元の名前,新しい名前」の2つの欄が必要です。";
// The first %s stands for the number of names, the second for the number of checked rows.
inline const Text kNameCountDiffers =
    U"名前の数（%s）がチェックされたファイルの数（%s）と合わないため、プレビューしませんでした。";
// %s stands for the number of rows no pair named.
inline const Text kRowsWithoutPair = U"%s 個のファイルは一覧に名前がないため、そのままにしました。";

}  // namespace vartel

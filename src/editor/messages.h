#pragma once

#include <array>

#include "common/text.h"

namespace vartel::editor_messages {

inline const Text kKindTypeWrong = U"種類・タイプが間違っています";
inline const Text kNoInsertPosition = U"挿入位置を決定できません";
inline const Text kNoModifyPosition = U"修正位置を特定できません";
inline const Text kFunctionError = U"関数にエラーがあります";
inline const Text kSaveCurrentMacro = U"現在のマクロを保存しますか？";
inline const Text kTitleCaption = U"タイトル";
inline const Text kTitlePrompt = U"ソースのタイトルを入力してください";
inline const Text kMacroFilter = U"ソースファイル（*.vmc）|*.vmc";
inline const Text kMacroExtension = U".vmc";
inline const Text kTableFilter = U"CSVファイル（*.csv）|*.csv";
inline const Text kTableExtension = U".csv";
inline const Text kEmptyField = U"空欄は入力できません";
// %s is the field's caption, %v what was typed in it, %w the same with full-width digits.
inline const Text kHalfWidthVariable =
    U"%sの「%v」は変数になりません。変数の番号は全角数字で入力してください（%w）";
// The captions of the four fields of the line input, in its order.
inline const std::array<Text, 4> kInputFieldCaptions = {U"代入変数", U"第一関数", U"第二関数",
                                                        U"第三関数"};
// The title of a saved macro that has none.
inline const Text kUntitledMacro = U"名前なし";
inline const Text kLineBreakRefused = U"改行を含む文字列は入力できません";

}  // namespace vartel::editor_messages

#pragma once

#include "common/text.h"

namespace vartel {

// The title of a saved macro that has none.
inline const Text kUntitledMacro = U"名前なし";

// Starting a recording over a macro that has lines.
inline const Text kSaveCurrentMacro = U"現在のマクロを保存しますか？";
inline const Text kTitleCaption = U"タイトル";
inline const Text kTitlePrompt = U"ソースのタイトルを入力してください";
inline const Text kMacroFileFilter = U"ソースファイル（*.vmc）|*.vmc";
inline const Text kMacroFileExtension = U".vmc";

}  // namespace vartel

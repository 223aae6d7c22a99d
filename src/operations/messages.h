#pragma once

#include "common/text.h"

namespace vartel::messages {

inline const Text kNoFreeVariable = U"使える変数がありません";
// The second operand of the comment line that closes every recorded step.
inline const Text kNameAfterConversion = U"変換後のファイル名：";

// Processing kinds shown in the step list and the comment lines.
inline const Text kKindAdd = U"追加";
inline const Text kKindDelete = U"削除";
inline const Text kKindReplace = U"置換";
inline const Text kKindToLower = U"大→小";
inline const Text kKindToUpper = U"小→大";
inline const Text kKindNumbering = U"連番";
inline const Text kKindExtension = U"拡張子";
// Appended to the numbering's description when the number starts again in every folder.
inline const Text kPerFolderNote = U"（フォルダごと）";
// The text conversions' kinds and descriptions are their rows in kTextConversions.

}  // namespace vartel::messages

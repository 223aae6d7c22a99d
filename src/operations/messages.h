#pragma once

#include <array>

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
// The text conversions, in their order: the processing kind and how the description ends.
inline const std::array<Text, 8> kKindTextConversions = {
    U"全角英数→半角",     U"半角英数→全角",     U"半角カナ→全角", U"全角カナ→半角",
    U"ひらがな→カタカナ", U"カタカナ→ひらがな", U"NFC正規化",     U"文字化け修復"};
inline const std::array<Text, 8> kTextConversionEndings = {
    U"を半角英数に変換", U"を全角英数に変換", U"を全角カナに変換", U"を半角カナに変換",
    U"をカタカナに変換", U"をひらがなに変換", U"をNFC正規化",      U"の文字化けを修復"};

}  // namespace vartel::messages

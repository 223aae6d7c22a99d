#pragma once

#include "common/text.h"
#include "macro/instruction_catalogue.h"

namespace vartel {

// Kind and type names of the catalogue that recorded lines use.
inline const Text kAssign = U"代入";
inline const Text kTextType = U"文字";
inline const Text kTextOutput = U"文字出力";
inline const Text kCopy = U"コピー";
inline const Text kInsert = U"挿入";
inline const Text kJoin = U"結合";
inline const Text kDeleteKind = U"削除";
inline const Text kDeleteType = U"削除";
inline const Text kReplaceKind = U"置換処理";
inline const Text kSearch = U"検索";
inline const Text kCaseSensitiveType = U"大小区別";
inline const Text kIgnoreCaseType = U"区別なし";
inline const Text kConvert = U"変換";
inline const Text kToLowerType = U"大→小";
inline const Text kToUpperType = U"小→大";
inline const Text kNumberToText = U"数値→文字";
inline const Text kInformation = U"情報";
inline const Text kLength = U"文字数";
inline const Text kFileCount = U"ファイル数";
inline const Text kArithmetic = U"数値演算";
inline const Text kPlus = U"＋";
inline const Text kMinus = U"－";
inline const Text kJump = U"ジャンプ";
inline const Text kJumpType = U"ジャンプ";
inline const Text kCondition = U"条件処理";
inline const Text kLoop = U"繰り返し";
inline const Text kGreater = U"＞";

inline const Text& caseTypeOf(bool caseSensitive) {
    return caseSensitive ? kCaseSensitiveType : kIgnoreCaseType;
}

}  // namespace vartel

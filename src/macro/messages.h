#pragma once

#include "common/text.h"

namespace vartel::messages {

// %s stands for the offending text.
inline const Text kNotAnInteger = U"'%s' is not a valid integer value";
inline const Text kJumpGuard =
    U"ジャンプが50回繰り返されました、無限ループとみなし処理を中断しますか？";
inline const Text kLoopGuard =
    U"繰り返しが合計50回繰り返されました、無限ループとみなし処理を中断しますか？";
inline const Text kVersionMismatch = U"ファイルのバージョンが一致しません";
inline const Text kTooManyMacroLines = U"マクロの行数が多すぎます（100000行まで）";

// %s stands for the code as written.
inline const Text kNoSuchSlot = U"'%s' は変数の番号として使えません";
// %d stands for the line number.
inline const Text kLoopEndWithoutStart =
    U"%d行目の「繰り返し終了」に対応する「繰り返し開始」がありません";
inline const Text kDivisionByZero = U"0で割ることはできません";
inline const Text kDivisionOverflow = U"割り算の結果が数値の範囲を超えています";
inline const Text kTextTooLong = U"文字列が長すぎます";
// %s stands for the full path.
inline const Text kFileNotFound = U"ファイル '%s' が見つかりません";
// %s stands for the full path.
inline const Text kFileNotReadable = U"ファイル '%s' を読み込めません";

// Regular expressions. %s stands for the problem, %d for the position in the pattern.
inline const Text kInvalidPattern = U"正規表現が正しくありません：%s（%d文字目）";
inline const Text kInvalidReplacement = U"置換文字列が正しくありません：%s";
inline const Text kRegexTooLong = U"正規表現の処理に時間がかかりすぎるため中止しました";
inline const Text kRegexUnbalancedParentheses = U"括弧の対応が取れていません";
inline const Text kRegexUnclosedSet = U"［ ］が閉じていません";
inline const Text kRegexBadEscape = U"\\ の後の文字が正しくありません";
inline const Text kRegexBadRepeat = U"繰り返しの指定が正しくありません";
inline const Text kRegexBadRange = U"文字の範囲が正しくありません";
inline const Text kRegexBadBackReference = U"存在しないグループを参照しています";
inline const Text kRegexSyntax = U"書き方が正しくありません";
inline const Text kRegexNoSuchGroup = U"$ の後の番号のグループがありません";

}  // namespace vartel::messages

#pragma once

#include "common/text.h"

namespace vartel {

// What the file layer tells the user after the file's path and ": ", exactly as shown.
inline const Text kNotARegularFile = U"通常のファイルではありません";
inline const Text kFileTooLarge = U"ファイルが大きすぎます（64MB まで）";
inline const Text kReadOnlyFile = U"読み取り専用のファイルには保存できません";

// A broken installation: the part that reads photo and music tags is missing; %s is why.
inline const Text kMediaModuleMissing = U"写真と音楽のタグを読む部品を読み込めません: %s";

// The library or dictionary that gives names their readings is missing; %s is why.
inline const Text kReadingDictionaryMissing =
    U"読みを調べる辞書（MeCab と mecab-ipadic-utf8）を読み込めません: %s";

// A folder that could not be listed.
inline const Text kGettingFilesFailed = U"ファイルの取得に失敗しました。";

}  // namespace vartel

#pragma once

#include "common/text.h"

namespace vartel {

// What the file layer tells the user after the file's path and ": ", exactly as shown.
inline const Text kNotARegularFile = U"通常のファイルではありません";
inline const Text kFileTooLarge = U"ファイルが大きすぎます（64MB まで）";
inline const Text kReadOnlyFile = U"読み取り専用のファイルには保存できません";

}  // namespace vartel

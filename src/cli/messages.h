#pragma once

#include "common/text.h"

namespace vartel::cli {

// What the command line says on standard error, after the path and ": " where there is one.
inline const Text kNoSuchPath = U"ファイルまたはフォルダが見つかりません";
inline const Text kNotAFile = U"ファイルではありません";
inline const Text kDamagedMedia = U"写真や音楽のデータが壊れているため読み取れません";
inline const Text kEmptyFilesSkipped =
    U"空のファイル（0 バイト）は変換しないため、指定された %s 個のファイルを除きました";
inline const Text kFolderNotListed = U"フォルダの内容を読み込めませんでした";
inline const Text kInterrupted = U"中断しました";
inline const Text kCannotWriteOutput = U"標準出力に書き込めません";
inline const Text kEditorFailed = U"エディタで名前を編集できませんでした";
inline const Text kAskBeforeRenaming = U"この名前で変更しますか？ [y/N] ";
inline const Text kCannotReadStandardInput = U"標準入力を読み込めません";

}  // namespace vartel::cli

#pragma once

#include <QString>

namespace vartel::ui {

// What the windows show, exactly as shown.
inline const QString kApplicationTitle = QStringLiteral("Vartel");
inline const QString kConfirmCaption = QStringLiteral("確認");
inline const QString kYes = QStringLiteral("はい(&Y)");
inline const QString kNo = QStringLiteral("いいえ(&N)");
inline const QString kCancel = QStringLiteral("キャンセル");
inline const QString kOk = QStringLiteral("OK");

// Regions of the main window.
inline const QString kConversionListCaption = QStringLiteral("変換リスト");
inline const QString kLoad = QStringLiteral("読込");
inline const QString kSave = QStringLiteral("保存");
inline const QString kSelectAll = QStringLiteral("全選択");
inline const QString kMoveUp = QStringLiteral("▲");
inline const QString kMoveDown = QStringLiteral("▼");
inline const QString kHideLeft = QStringLiteral("<");
inline const QString kShowRight = QStringLiteral(">");
inline const QString kLoadListHint = QStringLiteral("変換リストを読込ます");
inline const QString kSaveListHint = QStringLiteral("変換リストを保存します");
inline const QString kSelectAllHint = QStringLiteral("全てのファイルを選択します");
inline const QString kMoveUpHint = QStringLiteral("選択されたファイルを上に移動します");
inline const QString kMoveDownHint = QStringLiteral("選択されたファイルを下に移動します");

// Tabs.
inline const QString kAddTab = QStringLiteral("追加");
inline const QString kDeleteTab = QStringLiteral("削除");
inline const QString kReplaceTab = QStringLiteral("置換");
inline const QString kNumberTab = QStringLiteral("連番");
inline const QString kExtensionTab = QStringLiteral("拡張子");
inline const QString kMacroTab = QStringLiteral("マクロ");
inline const QString kSearchTab = QStringLiteral("検索");
inline const QString kPreviewTab = QStringLiteral("プレビュー");
inline const QString kHistoryTab = QStringLiteral("履歴");

// Boxes over the conversion list.
inline const QString kRecordingBoxCaption = QStringLiteral("マクロ記録中");
inline const QString kAddingBoxCaption = QStringLiteral("ファイルを追加中");
inline const QString kAddedFiles = QStringLiteral("追加したファイル：");
inline const QString kAbort = QStringLiteral("中止");
inline const QString kInitialFileName = QStringLiteral("初期ファイル名");
inline const QString kCurrentFileName = QStringLiteral("現在のファイル名");
inline const QString kReset = QStringLiteral("リセット");
inline const QString kResetHint = QStringLiteral("現在記録中のマクロをリセットします");
inline const QString kStopRecording = QStringLiteral("記録終了");
inline const QString kStopRecordingHint = QStringLiteral("マクロの記録を終了します");
inline const QString kStartRecording = QStringLiteral("記録開始");
inline const QString kStartRecordingHint = QStringLiteral("マクロの記録を開始します");

// Menus.
inline const QString kFileMenu = QStringLiteral("ファイル");
inline const QString kListMenu = QStringLiteral("変換リスト");
inline const QString kNew = QStringLiteral("新規");
inline const QString kLoadList = QStringLiteral("読み込み");
inline const QString kClose = QStringLiteral("閉じる");
inline const QString kEditMenu = QStringLiteral("編集");
inline const QString kInvertSelection = QStringLiteral("選択反転");
inline const QString kCheck = QStringLiteral("チェック");
inline const QString kUncheck = QStringLiteral("チェック解除");
inline const QString kUncheckButton = QStringLiteral("ﾁｪｯｸ解除");
inline const QString kInvertCheck = QStringLiteral("チェック反転");
inline const QString kExclude = QStringLiteral("除外");
inline const QString kCut = QStringLiteral("切り取り");
inline const QString kPaste = QStringLiteral("貼り付け");
inline const QString kRename = QStringLiteral("名前の変更");
inline const QString kViewMenu = QStringLiteral("表示");
inline const QString kFolderTree = QStringLiteral("フォルダツリー");
inline const QString kEditTabs = QStringLiteral("編集タブ");
inline const QString kEditMacro = QStringLiteral("マクロ編集");
inline const QString kMacroMenu = QStringLiteral("マクロ");
inline const QString kRecordWithThisFile = QStringLiteral("このファイルでマクロを記録");
inline const QString kEdit = QStringLiteral("編集");
inline const QString kRun = QStringLiteral("実行");
inline const QString kHelpMenu = QStringLiteral("ヘルプ");
inline const QString kHowToUse = QStringLiteral("使い方");
inline const QString kOpen = QStringLiteral("開く");
inline const QString kOpenFolder = QStringLiteral("フォルダを開く");
inline const QString kProperties = QStringLiteral("プロパティ");
inline const QString kAddFilesBelow = QStringLiteral("下層ファイルを追加");
inline const QString kAddToList = QStringLiteral("変換リストに追加");

// Result tabs.
inline const QString kReturnToList = QStringLiteral("変換リストに戻す");
inline const QString kExecute = QStringLiteral("変換実行");
inline const QString kClear = QStringLiteral("クリア");
inline const QString kUndo = QStringLiteral("元に戻す");
inline const QString kSwitchView = QStringLiteral("表示切替");
inline const QString kSwitchViewHint = QStringLiteral("マクロの表示形式を切り替えます");
inline const QString kRunMacro = QStringLiteral("マクロ実行");
inline const QString kRunMacroHint = QStringLiteral("マクロを実行します");
inline const QString kSaveMacroHint = QStringLiteral("マクロを保存します");
inline const QString kLoadMacroHint = QStringLiteral("マクロを読み込みます");
inline const QString kChooseMacroHint = QStringLiteral("Dataフォルダ内のマクロを選択します");
inline const QString kNewMacroGroup = QStringLiteral("新規マクロ");
inline const QString kEarlierMacroGroup = QStringLiteral("以前のマクロ");
inline const QString kInDataFolder = QStringLiteral("Dataフォルダ内");

// Operation tabs.
inline const QString kPreviewButton = QStringLiteral("プレビュー");
inline const QString kPreviewHint = QStringLiteral("変換候補にファイルを追加します");
inline const QString kCaseSensitive = QStringLiteral("大文字小文字を区別する");
inline const QString kTextA = QStringLiteral("’Ａ’");
inline const QString kTextB = QStringLiteral("’Ｂ’");
inline const QString kCountN = QStringLiteral("Ｎ：");
inline const QString kCountC = QStringLiteral("Ｃ：");

// The file dialogs' caption of every filter, and the note of a missing association.
inline const QString kAllFiles = QStringLiteral("すべてのファイル (*)");
inline const QString kNotAssociated = QStringLiteral("関連付けされていません");

// The rename dialog.
inline const QString kRenameDialogCaption = QStringLiteral("ダイアログ");
inline const QString kNameBefore = QStringLiteral("変更前のファイル名：");
inline const QString kNameAfter = QStringLiteral("変更するファイル名；");
inline const QString kAppliedAtOnce = QStringLiteral("（この処理はすぐに適応されます）");

// Our own properties box.
inline const QString kPropertiesPath = QStringLiteral("場所");
inline const QString kPropertiesSize = QStringLiteral("サイズ");
inline const QString kPropertiesModified = QStringLiteral("更新日時");
inline const QString kPropertiesPermissions = QStringLiteral("アクセス権");
inline const QString kBytes = QStringLiteral(" バイト");

}  // namespace vartel::ui

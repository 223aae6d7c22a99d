#pragma once

#include <QString>
#include <QStringList>

namespace vartel::ui {

// What the windows show, exactly as shown.
inline const QString kApplicationTitle = QStringLiteral("Vartel");
inline const QString kConfirmCaption = QStringLiteral("確認");
inline const QString kYes = QStringLiteral("はい(&Y)");
inline const QString kNo = QStringLiteral("いいえ(&N)");
inline const QString kCancel = QStringLiteral("キャンセル");
inline const QString kLater = QStringLiteral("後で");
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
inline const QString kNameTextTab = QStringLiteral("名前を直接編集");

// The tab "名前を直接編集".
inline const QString kRefillNames = QStringLiteral("現在の名前に戻す");
inline const QString kRefillNamesHint =
    QStringLiteral("チェックされたファイルの今の名前を一行ずつ表示し直します");
inline const QString kLoadNamesList = QStringLiteral("リストから名前を読み込む");
inline const QString kLoadNamesListHint = QStringLiteral(
    "一行に一つの新しい名前を並べたテキストまたは CSV、または「元の名前,新しい名前」の CSV "
    "から名前を変えます");
inline const QString kPreviewNamesHint = QStringLiteral(
    "i 行目の名前を i 番目のチェックされたファイルの新しい名前としてプレビューします");

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
inline const QString kLiteralOrder = QStringLiteral("順序を調整しない");
inline const QString kWithCompanions = QStringLiteral("関連ファイルも一緒に変換");
// The preview's 状態 column and tooltip of a row that takes companion files along.
inline const QString kCompanionCount = QStringLiteral("関連ファイル %1件");
inline const QString kCompanionCountSeparator = QStringLiteral("、");
inline const QString kCompanionsHeading = QStringLiteral("一緒に変換する関連ファイル:");
inline const QString kCompanionLine = QStringLiteral("%1 → %2");
inline const QString kPastBatches = QStringLiteral("過去の履歴");
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
inline const QString kAddFolderItself = QStringLiteral("フォルダ自体を変換リストに追加");
inline const QString kThisFolderOnly = QStringLiteral("このフォルダだけ");
inline const QString kThisFolderAndBelow = QStringLiteral("このフォルダと下のすべてのフォルダ");
inline const QString kAddToList = QStringLiteral("変換リストに追加");
inline const QString kRefresh = QStringLiteral("最新の情報に更新");

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

// The editing tabs' own captions.
inline const QString kAddedText = QStringLiteral("追加文字");
inline const QString kAddPosition = QStringLiteral("追加位置");
inline const QStringList kAddModes = {QStringLiteral("最初に追加"), QStringLiteral("最後に追加"),
                                      QStringLiteral("Ｎ文字目の後に挿入"),
                                      QStringLiteral("’Ａ’の前に追加"),
                                      QStringLiteral("’Ａ’の後に追加")};
inline const QString kDeletePosition = QStringLiteral("削除位置");
inline const QStringList kDeleteModes = {
    QStringLiteral("最初からＣ個の文字を削除"), QStringLiteral("最後からＣ個の文字を削除"),
    QStringLiteral("Ｎ番目の文字からＣ個の文字を削除"), QStringLiteral("’Ａ’を削除"),
    QStringLiteral("’Ａ’と’Ｂ’とその間を削除")};
inline const QString kSearchText = QStringLiteral("検索文字");
inline const QString kReplacementText = QStringLiteral("置換文字");
inline const QString kReplaceRange = QStringLiteral("変換範囲");
inline const QStringList kReplaceRanges = {
    QStringLiteral("全体"), QStringLiteral("最初からＣ個の文字"),
    QStringLiteral("最後からＣ個の文字"), QStringLiteral("Ｎ文字目からＣ個の文字")};
inline const QString kReplaceKind = QStringLiteral("変換種類");
inline const QString kRegularExpression = QStringLiteral("正規表現");
inline const QStringList kReplaceKinds = {QStringLiteral("置換"), QStringLiteral("大→小"),
                                          QStringLiteral("小→大")};
inline const QString kNumbers = QStringLiteral("番号");
inline const QString kAutoDigits = QStringLiteral("自動桁補正をする");
inline const QString kRenumberPerFolder = QStringLiteral("フォルダごとに番号を振り直す");
inline const QString kStartNumber = QStringLiteral("開始番号：");
inline const QString kNumberStep = QStringLiteral("番号間隔：");
inline const QString kForm = QStringLiteral("形式");
inline const QStringList kNumberingForms = {QStringLiteral("’Ａ’＋番号＋’Ｂ’　に書き換え"),
                                            QStringLiteral("最初に番号を追加"),
                                            QStringLiteral("最後に番号を追加"),
                                            QStringLiteral("Ｎ文字目の後に番号を追加"),
                                            QStringLiteral("’Ａ’の前に追加"),
                                            QStringLiteral("’Ａ’の後に追加")};
inline const QStringList kExtensionModes = {
    QStringLiteral("’Ａ’に統一"), QStringLiteral("最初に’Ａ’を追加"),
    QStringLiteral("最後に’Ａ’を追加"), QStringLiteral("Ｎ番目の文字の後に’Ａ’を追加"),
    QStringLiteral("Ｎ番目の文字からＣ個の文字を削除")};

// The search tab.
inline const QString kTextSearchGroup = QStringLiteral("文字検索");
inline const QString kSearchPattern = QStringLiteral("検索文字列");
inline const QString kSearchField = QStringLiteral("検索位置");
inline const QStringList kSearchFields = {QStringLiteral("ファイル名"),
                                          QStringLiteral("種類（拡張子）"), QStringLiteral("パス")};
inline const QString kSearchCondition = QStringLiteral("検索条件");
inline const QStringList kSearchConditions = {QStringLiteral("’検索文字列’を含む"),
                                              QStringLiteral("’検索文字列’を含まない")};
inline const QString kSearchCaseSensitive = QStringLiteral("大文字と小文字を区別する");
inline const QString kNarrowing = QStringLiteral("絞込み検索");
inline const QString kSearch = QStringLiteral("検索");
inline const QString kSearchHint = QStringLiteral("変換リストを検索します");
inline const QString kSizeSearchGroup = QStringLiteral("サイズ検索");
inline const QString kSize = QStringLiteral("サイズ");
inline const QStringList kSizeUnits = {
    QStringLiteral("B（バイト）"), QStringLiteral("KB（キロバイト）"),
    QStringLiteral("MB（メガバイト）"), QStringLiteral("GB（ギガバイト）")};
inline const QString kSizeRange = QStringLiteral("範囲");
inline const QStringList kSizeRanges = {QStringLiteral("以上"), QStringLiteral("以下")};

// The columns of the lists.
inline const QString kModifiedColumn = QStringLiteral("更新日時");
inline const QString kDateTakenColumn = QStringLiteral("撮影日時");
inline const QString kStatusColumn = QStringLiteral("状態");
inline const QStringList kConversionColumns = {
    QStringLiteral("ファイル名"), QStringLiteral("拡張子"),
    QStringLiteral("サイズ"),     kModifiedColumn,
    QStringLiteral("フルパス"),   kDateTakenColumn,
    QStringLiteral("カメラ機種"), QStringLiteral("ファイル名（読み）")};
inline const QStringList kPreviewColumns = {
    QStringLiteral("変換前"), QStringLiteral("変換後"), kStatusColumn,
    QStringLiteral("サイズ"), kModifiedColumn,          QStringLiteral("変更前のフルパス")};
inline const QStringList kHistoryColumns = {QStringLiteral("変換前"), QStringLiteral("変換後"),
                                            QStringLiteral("変換後のパス")};
inline const QStringList kStepColumns = {QStringLiteral("処理後のファイル名"),
                                         QStringLiteral("処理種類"), QStringLiteral("詳細")};

// The file dialogs' caption of every filter, and the notes of a missing association.
inline const QString kAllFiles = QStringLiteral("すべてのファイル (*)");
inline const QString kNotAssociated = QStringLiteral("関連付けされていません");
// %1 stands for the guide's path.
inline const QString kGuideNotOpened = QStringLiteral(
    "使い方を開くプログラムが関連付けされていません。\n"
    "次のファイルをブラウザで開いてください。\n%1");

// The dialog of earlier batches.
inline const QStringList kPastBatchColumns = {QStringLiteral("日時"), QStringLiteral("件数"),
                                              QStringLiteral("フォルダ"), QStringLiteral("種類"),
                                              QStringLiteral("状態")};
inline const QString kBatchExecute = QStringLiteral("変換実行");
inline const QString kBatchUndo = QStringLiteral("元に戻す");
inline const QString kBatchSingleRename = QStringLiteral("名前の変更");
inline const QString kBatchRecovery = QStringLiteral("復旧");
inline const QString kBatchUnfinished = QStringLiteral("途中で終了");
inline const QString kBatchFinished = QStringLiteral("完了");
inline const QString kBatchUndone = QStringLiteral("元に戻し済み");
// %1 stands for the files renamed, %2 for those that failed.
inline const QString kBatchPartlyFailed = QStringLiteral("一部失敗（変更 %1件、失敗 %2件）");
inline const QString kLoadIntoHistory = QStringLiteral("履歴に読み込む");

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

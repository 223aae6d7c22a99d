#pragma once

#include <QString>
#include <QStringList>

#include "app/qt/qt_text.h"
#include "editor/messages.h"

namespace vartel::editor_captions {

// The editor window.
inline const QString kEditorTitle = QStringLiteral("マクロ");
inline const QStringList kLineColumns = {QStringLiteral("No."),      QStringLiteral("代入変数"),
                                         QStringLiteral("種類"),     QStringLiteral("タイプ"),
                                         QStringLiteral("第一変数"), QStringLiteral("第二変数"),
                                         QStringLiteral("第三変数")};
// The captions of the line input's fields, which refusals name too.
inline const QString kTargetLabel = toQString(editor_messages::kInputFieldCaptions[0]);
inline const QStringList kOperandLabels = {toQString(editor_messages::kInputFieldCaptions[1]),
                                           toQString(editor_messages::kInputFieldCaptions[2]),
                                           toQString(editor_messages::kInputFieldCaptions[3])};
inline const QString kEquals = QStringLiteral("＝");
inline const QString kKindPlaceholder = QStringLiteral("種類");
inline const QString kTypePlaceholder = QStringLiteral("タイプ");
inline const QString kAdd = QStringLiteral("追加");
inline const QString kInsert = QStringLiteral("挿入");
inline const QString kReference = QStringLiteral("関数解説");
inline const QStringList kVariableColumns = {QStringLiteral("変数名"), QStringLiteral("値")};
inline const QString kShortcutTab = QStringLiteral("ショートカット");
inline const QString kMultiConditionTab = QStringLiteral("複数条件");

// Menus.
inline const QString kMenu = QStringLiteral("メニュー");
inline const QString kNew = QStringLiteral("新規");
inline const QString kOpen = QStringLiteral("開く");
inline const QString kSave = QStringLiteral("保存");
inline const QString kTest = QStringLiteral("テスト");
inline const QString kClose = QStringLiteral("閉じる");
inline const QString kEdit = QStringLiteral("編集");
inline const QString kCut = QStringLiteral("切り取り");
inline const QString kCopy = QStringLiteral("コピー");
inline const QString kPaste = QStringLiteral("貼り付け");
inline const QString kPasteAtEnd = QStringLiteral("最後に貼り付け");
inline const QString kDelete = QStringLiteral("削除");
inline const QString kReset = QStringLiteral("リセット");
inline const QString kSelectAll = QStringLiteral("すべて選択");
inline const QString kHelp = QStringLiteral("ヘルプ");
inline const QString kHowToUse = QStringLiteral("使い方");
inline const QString kModify = QStringLiteral("修正");

// The shortcut tab.
inline const QString kVariablesGroup = QStringLiteral("変数");
inline const QStringList kVariableButtons = {
    QStringLiteral("数値"),     QStringLiteral("文字"),       QStringLiteral("固定数値"),
    QStringLiteral("固定文字"), QStringLiteral("ファイル名"), QStringLiteral("拡張子")};
inline const QString kClear = QStringLiteral("消去");
inline const QString kNumbersGroup = QStringLiteral("数値");
inline const QString kWidthSwitch = QStringLiteral("切り替え");
inline const QString kFullWidth = QStringLiteral("全角");
inline const QString kHalfWidth = QStringLiteral("半角");
// In the order of the types of "数値演算".
inline const QStringList kArithmeticButtons = {QStringLiteral("＋"), QStringLiteral("－"),
                                               QStringLiteral("＊"), QStringLiteral("／")};

// The tab "複数条件".
inline const QString kMultiConditionGroup = QStringLiteral("複数条件設定");
inline const QString kLoadTable = QStringLiteral("読み込み");
inline const QString kSearchString = QStringLiteral("検索文字列");
inline const QString kOutputString = QStringLiteral("出力文字列");

// The test window.
inline const QString kTestTitle = QStringLiteral("テスト");
inline const QString kSampleName = QStringLiteral("ファイル名");
inline const QString kSampleExtension = QStringLiteral("拡張子");
inline const QString kSamplePath = QStringLiteral("フルパス");
inline const QString kResult = QStringLiteral("結果");
inline const QStringList kTraceColumns = {QStringLiteral("No."),
                                          QStringLiteral("出力"),
                                          QStringLiteral("第一変数（文字）"),
                                          QStringLiteral("第二変数（文字）"),
                                          QStringLiteral("第三変数（文字）"),
                                          QStringLiteral("第一変数（数値）"),
                                          QStringLiteral("第二変数（数値）"),
                                          QStringLiteral("第三変数（数値）")};

}  // namespace vartel::editor_captions

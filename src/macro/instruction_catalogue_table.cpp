#include <algorithm>

#include "macro/instruction_catalogue.h"
#include "macro/text_conversions.h"

namespace vartel {

const std::vector<Text>& InstructionCatalogue::kindTable() {
    // In the order of the kind indices.
    static const std::vector<Text> names = {
        U"代入",         U"文字出力", U"削除",     U"置換処理", U"検索",
        U"変換",         U"情報",     U"数値演算", U"日付",     U"時刻",
        U"ファイル関連", U"ジャンプ", U"条件処理", U"繰り返し", U"複数条件",
    };
    return names;
}

namespace {

// The rows with the text conversions after TextToNumber, named as their table names them.
std::vector<CatalogueRow> withTextConversions(std::vector<CatalogueRow> rows) {
    std::vector<CatalogueRow> conversions;
    for (const auto& conversion : kTextConversions)
        conversions.push_back({conversion.macroType, Text(conversion.caption), 2200});
    const auto before = std::find_if(rows.begin(), rows.end(), [](const CatalogueRow& row) {
        return row.id == InstructionId(ConvertType::TextToNumber);
    });
    rows.insert(before + 1, conversions.begin(), conversions.end());
    return rows;
}

}  // namespace

const std::vector<CatalogueRow>& InstructionCatalogue::typeTable() {
    static const std::vector<CatalogueRow> rows = withTextConversions({
        {AssignType::Number, U"数値", 1100},
        {AssignType::Text, U"文字", 2200},
        {TextOutputType::Copy, U"コピー", 2211},
        {TextOutputType::Insert, U"挿入", 2221},
        {TextOutputType::Join, U"結合", 2333},
        {DeleteType::Delete, U"削除", 211},
        {DeleteType::TrimLeading, U"空白削除（先）", 2200},
        {DeleteType::TrimTrailing, U"空白削除（末）", 2200},
        {ReplaceType::CaseSensitive, U"大小区別", 2223},
        {ReplaceType::IgnoringCase, U"区別なし", 2223},
        {ReplaceType::Regex, U"正規表現", 2223},
        {SearchType::CaseSensitive, U"大小区別", 1220},
        {SearchType::IgnoringCase, U"区別なし", 1220},
        {SearchType::Regex, U"正規表現", 1220},
        {ConvertType::ToLower, U"大→小", 2200},
        {ConvertType::ToUpper, U"小→大", 2200},
        {ConvertType::NumberToText, U"数値→文字", 2100},
        {ConvertType::TextToNumber, U"文字→数値", 1200},
        {InformationType::Length, U"文字数", 1200},
        {InformationType::FileCount, U"ファイル数", 1000},
        {InformationType::Comment, U"コメント", 666},
        {ArithmeticType::Plus, U"＋", 1110},
        {ArithmeticType::Minus, U"－", 1110},
        {ArithmeticType::Times, U"＊", 1110},
        {ArithmeticType::Divide, U"／", 1110},
        {DateType::Written, U"タイプ１", 2000},
        {DateType::Digits, U"タイプ２", 2000},
        {DateType::Pattern, U"正規表現", 2200},
        {DateType::EraName, U"元号", 2000},
        {DateType::EraYear, U"和暦年", 2000},
        {DateType::EraWritten, U"和暦", 2000},
        {TimeType::MorningAfternoon, U"タイプ１", 2000},
        {TimeType::HoursMinutes, U"タイプ２", 2000},
        {TimeType::Digits, U"タイプ３", 2000},
        {TimeType::Pattern, U"正規表現", 2200},
        {FileType::ParentFolder, U"上位フォルダ名", 2000},
        {FileType::Size, U"サイズ", 1000},
        {FileType::ModifiedTime, U"更新日時", 2200},
        {FileType::DateTaken, U"撮影日時", 2200},
        {FileType::CameraModel, U"カメラ機種", 2000},
        {FileType::SongTitle, U"曲名", 2000},
        {FileType::Artist, U"アーティスト", 2000},
        {FileType::Album, U"アルバム", 2000},
        {FileType::TrackNumber, U"トラック番号", 1000},
        {FileType::PositionInFolder, U"フォルダ内番号", 1000},
        {FileType::LargestFolderGroup, U"フォルダ内最大番号", 1000},
        {JumpType::Jump, U"ジャンプ", 400},
        {JumpType::Anchor, kAnchorTypeName, 400},
        {ConditionType::Equal, U"＝", 500},
        {ConditionType::NotEqual, U"＜＞", 500},
        {ConditionType::Greater, U"＞", 110},
        {ConditionType::End, kConditionEndTypeName, 0},
        {LoopType::Equal, U"＝", 500},
        {LoopType::NotEqual, U"＜＞", 500},
        {LoopType::Greater, U"＞", 110},
        {LoopType::End, kLoopEndTypeName, 0},
        {MultiConditionType::Exact, U"完全一致", 2230},
        {MultiConditionType::Partial, U"部分一致", 2230},
    });
    return rows;
}

}  // namespace vartel

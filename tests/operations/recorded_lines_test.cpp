#include <gtest/gtest.h>

#include <functional>

#include "operations/operation.h"
#include "recorded_macro_runner.h"

namespace vartel {
namespace {

// One line as "text/code" for the target, kind, type and three operands.
Text render(const MacroLine& line) {
    const auto& d = line.display;
    const auto& c = line.coded;
    const Text texts[] = {d.target, d.kind, d.type, d.operands[0], d.operands[1], d.operands[2]};
    Text out;
    for (int field = 0; field < CodedRow::kFieldCount; ++field) {
        if (field > 0) out += U' ';
        out += texts[field] + U"/" + c.text(field);
    }
    return out;
}

const Text kConditionStart = U"/0 条件処理/12 条件開始/4 /0 /0 /0";
const Text kConditionEnd = U"/0 条件処理/12 条件終了/3 /0 /0 /0";
const Text kJump1 = U"/0 ジャンプ/11 ジャンプ/0 1/-1 /0 /0";
const Text kAnchor1 = U"/0 ジャンプ/11 アンカー/1 1/-1 /0 /0";

struct Case {
    const char* label;
    Text sample;
    std::function<bool(RecordingFrame&)> record;
    std::vector<Text> lines;  // without the closing comment line
    Text kind;
    Text nameAfter;
    Text detail;
};

std::function<bool(RecordingFrame&)> add(AddTextSettings s) {
    return [s](RecordingFrame& f) { return recordAddText(s, f); };
}
std::function<bool(RecordingFrame&)> del(DeleteSettings s) {
    return [s](RecordingFrame& f) { return recordDelete(s, f); };
}
std::function<bool(RecordingFrame&)> rep(ReplaceSettings s) {
    return [s](RecordingFrame& f) { return recordReplace(s, f); };
}
std::function<bool(RecordingFrame&)> num(NumberingSettings s, int files) {
    return [s, files](RecordingFrame& f) { return recordNumbering(s, files, f); };
}
std::function<bool(RecordingFrame&)> ext(ExtensionSettings s) {
    return [s](RecordingFrame& f) { return recordExtension(s, f); };
}

std::vector<Case> cases() {
    using AM = AddTextMode;
    using DM = DeleteMode;
    using RR = ReplaceRange;
    using RK = ReplaceKind;
    using NF = NumberingForm;
    using EM = ExtensionMode;
    const Text photo = U"photo_ab.txt";
    const Text insertX = U"ファイル名/65 文字出力/1 挿入/1 ファイル名/65 T_/-2 数値１/1";
    const Text joinInFront = U"ファイル名/65 文字出力/1 結合/2 T_/-2 ファイル名/65 /0";
    return {
        {"add 0",
         photo,
         add({U"T_", AM::AtStart, 1, {}, false}),
         {joinInFront},
         U"追加",
         U"T_photo_ab.txt",
         U"T_　を最初に追加"},
        {"add 1",
         photo,
         add({U"T_", AM::AtEnd, 1, {}, false}),
         {U"ファイル名/65 文字出力/1 結合/2 ファイル名/65 T_/-2 /0"},
         U"追加",
         U"photo_abT_.txt",
         U"T_　を最後に追加"},
        {"add 2",
         photo,
         add({U"T_", AM::AfterNth, 3, {}, false}),
         {U"ファイル名/65 文字出力/1 挿入/1 ファイル名/65 T_/-2 3/-1"},
         U"追加",
         U"phoT_to_ab.txt",
         U"T_　を　3　番目の文字の後に挿入"},
        // abc is not in the stem, but its beginning ends it.
        {"add 3",
         photo,
         add({U"T_", AM::BeforeA, 1, U"abc", false}),
         {U"数値１/1 検索/4 区別なし/1 ファイル名/65 abc/-2 /0",
          U"/0 条件処理/12 ＞/2 数値１/1 0/-1 /0", kConditionStart,
          U"数値１/1 数値演算/7 －/1 数値１/1 1/-1 /0", insertX, kJump1, kConditionEnd, joinInFront,
          kAnchor1},
         U"追加",
         U"photo_T_ab.txt",
         U"T_　を　abc　の前に追加"},
        {"add 4",
         photo,
         add({U"T_", AM::AfterA, 1, U"o", true}),
         {U"数値１/1 検索/4 大小区別/0 ファイル名/65 o/-2 /0",
          U"/0 条件処理/12 ＞/2 数値１/1 0/-1 /0", kConditionStart,
          U"数値２/2 情報/6 文字数/0 o/-2 /0 /0", U"数値１/1 数値演算/7 ＋/0 数値１/1 数値２/2 /0",
          U"数値１/1 数値演算/7 －/1 数値１/1 1/-1 /0", insertX, kJump1, kConditionEnd, joinInFront,
          kAnchor1},
         U"追加",
         U"phoT_to_ab.txt",
         U"T_　を　o　の後に追加"},
        {"delete 0",
         photo,
         del({DM::FromStart, 1, 2, {}, {}, false}),
         {U"/0 削除/2 削除/0 ファイル名/65 1/-1 2/-1"},
         U"削除",
         U"oto_ab.txt",
         U"最初から　2　個の文字を削除"},
        {"delete 1",
         photo,
         del({DM::FromEnd, 1, 2, {}, {}, false}),
         {U"数値１/1 情報/6 文字数/0 ファイル名/65 /0 /0",
          U"数値１/1 数値演算/7 －/1 数値１/1 2/-1 /0",
          U"数値１/1 数値演算/7 ＋/0 数値１/1 1/-1 /0",
          U"/0 削除/2 削除/0 ファイル名/65 数値１/1 2/-1"},
         U"削除",
         U"photo_.txt",
         U"最後から　2　個の文字を削除"},
        {"delete 2",
         photo,
         del({DM::FromNth, 2, 3, {}, {}, false}),
         {U"/0 削除/2 削除/0 ファイル名/65 2/-1 3/-1"},
         U"削除",
         U"po_ab.txt",
         U"2　番目の文字から　3　個の文字を削除"},
        {"delete 3",
         photo,
         del({DM::TextA, 1, 1, U"O", {}, false}),
         {U"ファイル名/65 置換処理/3 区別なし/1 ファイル名/65 O/-2 /0"},
         U"削除",
         U"pht_ab.txt",
         U"「O」　を削除"},
        {"delete 4",
         photo,
         del({DM::AToB, 1, 1, U"o", U"_", true}),
         {U"数値１/1 検索/4 大小区別/0 ファイル名/65 o/-2 /0",
          U"数値２/2 検索/4 大小区別/0 ファイル名/65 _/-2 /0",
          U"/0 条件処理/12 ＞/2 数値２/2 0/-1 /0", kConditionStart,
          U"数値３/3 情報/6 文字数/0 _/-2 /0 /0", U"数値２/2 数値演算/7 ＋/0 数値２/2 数値３/3 /0",
          U"数値２/2 数値演算/7 －/1 数値２/2 数値１/1 /0",
          U"/0 削除/2 削除/0 ファイル名/65 数値１/1 数値２/2", kConditionEnd},
         U"削除",
         U"phab.txt",
         U"o　と　_　とその間を削除"},
        {"replace whole",
         photo,
         rep({RR::Whole, RK::Replace, U"O", U"0", 1, 1, false}),
         {U"ファイル名/65 置換処理/3 区別なし/1 ファイル名/65 O/-2 0/-2"},
         U"置換",
         U"ph0t0_ab.txt",
         U"全体から　O　を　0　に置換"},
        {"replace first",
         photo,
         rep({RR::FirstC, RK::Replace, U"o", U"", 1, 3, true}),
         {U"文字１/33 文字出力/1 コピー/0 ファイル名/65 1/-1 3/-1",
          U"/0 削除/2 削除/0 ファイル名/65 1/-1 3/-1",
          U"文字１/33 置換処理/3 大小区別/0 文字１/33 o/-2 /-2",
          U"ファイル名/65 文字出力/1 結合/2 文字１/33 ファイル名/65 /0"},
         U"置換",
         U"phto_ab.txt",
         U"最初から　3　個の文字の中から　o　を　　に置換"},
        {"upper last",
         U"abcd",
         rep({RR::LastC, RK::ToUpper, {}, {}, 1, 2, false}),
         {U"数値１/1 情報/6 文字数/0 ファイル名/65 /0 /0",
          U"数値１/1 数値演算/7 －/1 数値１/1 2/-1 /0",
          U"文字１/33 文字出力/1 コピー/0 ファイル名/65 1/-1 数値１/1",
          U"/0 削除/2 削除/0 ファイル名/65 1/-1 数値１/1",
          U"ファイル名/65 変換/5 小→大/1 ファイル名/65 /0 /0",
          U"ファイル名/65 文字出力/1 結合/2 文字１/33 ファイル名/65 /0"},
         U"小→大",
         U"abCD.",
         U"最後から　2　個の文字を大文字に変換"},
        {"lower from N",
         U"ABCDE.txt",
         rep({RR::CFromNth, RK::ToLower, {}, {}, 2, 3, false}),
         {U"文字１/33 文字出力/1 コピー/0 ファイル名/65 2/-1 3/-1",
          U"/0 削除/2 削除/0 ファイル名/65 2/-1 3/-1", U"文字１/33 変換/5 大→小/0 文字１/33 /0 /0",
          U"数値１/1 数値演算/7 －/1 2/-1 1/-1 /0",
          U"ファイル名/65 文字出力/1 挿入/1 ファイル名/65 文字１/33 数値１/1"},
         U"大→小",
         U"AbcdE.txt",
         U"2　番目の文字から　3　個の文字を小文字に変換"},
        {"upper from N",
         U"abcde.txt",
         rep({RR::CFromNth, RK::ToUpper, {}, {}, 2, 3, false}),
         {U"文字１/33 文字出力/1 コピー/0 ファイル名/65 2/-1 3/-1",
          U"/0 削除/2 削除/0 ファイル名/65 2/-1 3/-1", U"文字１/33 変換/5 小→大/1 文字１/33 /0 /0",
          U"数値１/1 数値演算/7 －/1 2/-1 1/-1 /0",
          U"ファイル名/65 文字出力/1 挿入/1 ファイル名/65 文字１/33 数値１/1"},
         U"小→大",
         U"aBCDe.txt",
         U"2番目の文字から3 個の文字を大文字に変換"},
        {"number 0 with zero fill",
         photo,
         num({NF::AThenNumberThenB, 5, 10, true, U"img", U"_x", 1, false}, 12),
         {U"数値１/1 情報/6 ファイル数/1 /0 /0 /0", U"文字１/33 変換/5 数値→文字/2 数値１/1 /0 /0",
          U"数値１/1 情報/6 文字数/0 文字１/33 /0 /0",
          U"文字１/33 変換/5 数値→文字/2 固定数値１/17 /0 /0",
          U"数値２/2 情報/6 文字数/0 文字１/33 /0 /0", U"/0 繰り返し/13 ＞/2 数値１/1 数値２/2 /0",
          U"/0 繰り返し/13 繰り返し開始/4 /0 /0 /0",
          U"文字１/33 文字出力/1 結合/2 0/-2 文字１/33 /0",
          U"数値２/2 情報/6 文字数/0 文字１/33 /0 /0", U"/0 繰り返し/13 繰り返し終了/3 /0 /0 /0",
          U"固定数値１/17 数値演算/7 ＋/0 固定数値１/17 10/-1 /0",
          U"ファイル名/65 文字出力/1 結合/2 img/-2 文字１/33 _x/-2"},
         U"連番",
         U"img05_x.txt",
         U"img番号_x　に書き換え"},
        {"number 1",
         photo,
         num({NF::AtStart, -3, -1, false, {}, {}, 1, false}, 0),
         {U"文字１/33 変換/5 数値→文字/2 固定数値１/17 /0 /0",
          U"固定数値１/17 数値演算/7 ＋/0 固定数値１/17 -1/-1 /0",
          U"ファイル名/65 文字出力/1 結合/2 文字１/33 ファイル名/65 /0"},
         U"連番",
         U"-3photo_ab.txt",
         U"番号を最初に追加"},
        {"number 2",
         photo,
         num({NF::AtEnd, 1, 1, false, {}, {}, 1, false}, 0),
         {U"文字１/33 変換/5 数値→文字/2 固定数値１/17 /0 /0",
          U"固定数値１/17 数値演算/7 ＋/0 固定数値１/17 1/-1 /0",
          U"ファイル名/65 文字出力/1 結合/2 ファイル名/65 文字１/33 /0"},
         U"連番",
         U"photo_ab1.txt",
         U"番号を最後に追加"},
        {"number 3",
         photo,
         num({NF::AfterNth, 1, 1, false, {}, {}, 255, false}, 0),
         {U"文字１/33 変換/5 数値→文字/2 固定数値１/17 /0 /0",
          U"固定数値１/17 数値演算/7 ＋/0 固定数値１/17 1/-1 /0",
          U"ファイル名/65 文字出力/1 挿入/1 ファイル名/65 文字１/33 255/-1"},
         U"連番",
         U"photo_ab1.txt",
         U"255　番目の文字の後に番号を追加"},
        {"number 4",
         photo,
         num({NF::BeforeA, 7, 1, false, U"AB", {}, 1, false}, 0),
         {U"文字１/33 変換/5 数値→文字/2 固定数値１/17 /0 /0",
          U"固定数値１/17 数値演算/7 ＋/0 固定数値１/17 1/-1 /0",
          U"数値１/1 検索/4 区別なし/1 ファイル名/65 AB/-2 /0",
          U"/0 条件処理/12 ＞/2 数値１/1 0/-1 /0", kConditionStart,
          U"数値１/1 数値演算/7 －/1 数値１/1 1/-1 /0",
          U"ファイル名/65 文字出力/1 挿入/1 ファイル名/65 文字１/33 数値１/1", kJump1,
          kConditionEnd, U"ファイル名/65 文字出力/1 結合/2 文字１/33 ファイル名/65 /0", kAnchor1},
         U"連番",
         U"photo_7ab.txt",
         U"AB　の前に番号を追加"},
        {"number 5",
         photo,
         num({NF::AfterA, 7, 1, false, U"o", {}, 1, true}, 0),
         {U"文字１/33 変換/5 数値→文字/2 固定数値１/17 /0 /0",
          U"固定数値１/17 数値演算/7 ＋/0 固定数値１/17 1/-1 /0",
          U"数値１/1 検索/4 大小区別/0 ファイル名/65 o/-2 /0",
          U"/0 条件処理/12 ＞/2 数値１/1 0/-1 /0", kConditionStart,
          U"数値２/2 情報/6 文字数/0 o/-2 /0 /0", U"数値１/1 数値演算/7 ＋/0 数値１/1 数値２/2 /0",
          U"数値１/1 数値演算/7 －/1 数値１/1 1/-1 /0",
          U"ファイル名/65 文字出力/1 挿入/1 ファイル名/65 文字１/33 数値１/1", kJump1,
          kConditionEnd, U"ファイル名/65 文字出力/1 結合/2 文字１/33 ファイル名/65 /0", kAnchor1},
         U"連番",
         U"pho7to_ab.txt",
         U"o　の後に番号を追加"},
        {"extension 0",
         photo,
         ext({EM::Unify, U"md", 1, 1}),
         {U"拡張子/66 代入/0 文字/1 md/-2 /0 /0"},
         U"拡張子",
         U"photo_ab.md",
         U"拡張子を　md　に統一"},
        {"extension 1",
         photo,
         ext({EM::AtStart, U"md", 1, 1}),
         {U"拡張子/66 文字出力/1 結合/2 md/-2 拡張子/66 /0"},
         U"拡張子",
         U"photo_ab.mdtxt",
         U"最初に　md　を追加"},
        {"extension 2",
         U"photo_ab",
         ext({EM::AtEnd, U"md", 1, 1}),
         {U"拡張子/66 文字出力/1 結合/2 拡張子/66 md/-2 /0"},
         U"拡張子",
         U"photo_ab.md",
         U"最後に　md　を追加"},
        {"extension 3",
         photo,
         ext({EM::AfterNth, U"md", 1, 1}),
         {U"拡張子/66 文字出力/1 挿入/1 拡張子/66 md/-2 1/-1"},
         U"拡張子",
         U"photo_ab.tmdxt",
         U"1　番目の文字の後に　md　を追加"},
        {"extension 4",
         photo,
         ext({EM::DeleteFromNth, {}, 1, 2}),
         {U"/0 削除/2 削除/0 拡張子/66 1/-1 2/-1"},
         U"拡張子",
         U"photo_ab.t",
         U"1 番目の文字から　2　個の文字を削除"},
    };
}

TEST(RecordedLinesTest, EachModeRecordsItsLinesStepAndComment) {
    for (const auto& c : cases()) {
        SCOPED_TRACE(c.label);
        RecordedMacroRunner runner(c.sample);
        RecordingFrame frame = runner.frame();
        ASSERT_TRUE(c.record(frame));
        std::vector<Text> lines;
        for (const auto& line : runner.state.macro) lines.push_back(render(line));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), U"/0 情報/6 コメント/2 " + c.kind +
                                    U"/-2 変換後のファイル名：/-2 " + c.nameAfter + U"/-2");
        lines.pop_back();
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(runner.state.steps, (std::vector<RecordedStep>{{c.nameAfter, c.kind, c.detail}}));
        EXPECT_EQ(runner.state.sampleName(), c.nameAfter);
    }
}

}  // namespace
}  // namespace vartel

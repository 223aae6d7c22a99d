#include "macro/romaji.h"

#include <array>
#include <string_view>

#include "macro/text_conversions.h"

namespace vartel {
namespace {

constexpr char32_t kFirstKana = U'ァ';
constexpr char32_t kLastKana = U'ヺ';

// The romaji of each katakana from ァ to ヺ in code point order; ッ is handled apart.
constexpr std::array<std::string_view, kLastKana - kFirstKana + 1> kSingleKana = {
    "a",  "a",  "i",   "i",  "u",  "u",   "e",  "e",   "o",  "o",  "ka", "ga", "ki", "gi", "ku",
    "gu", "ke", "ge",  "ko", "go", "sa",  "za", "shi", "ji", "su", "zu", "se", "ze", "so", "zo",
    "ta", "da", "chi", "ji", "",   "tsu", "zu", "te",  "de", "to", "do", "na", "ni", "nu", "ne",
    "no", "ha", "ba",  "pa", "hi", "bi",  "pi", "fu",  "bu", "pu", "he", "be", "pe", "ho", "bo",
    "po", "ma", "mi",  "mu", "me", "mo",  "ya", "ya",  "yu", "yu", "yo", "yo", "ra", "ri", "ru",
    "re", "ro", "wa",  "wa", "i",  "e",   "o",  "n",   "vu", "ka", "ke", "va", "vi", "ve", "vo"};

struct Digraph {
    std::u32string_view kana;
    std::string_view romaji;
};

// A kana and the small kana after it that make one sound.
constexpr Digraph kDigraphs[] = {
    {U"キャ", "kya"}, {U"キュ", "kyu"}, {U"キョ", "kyo"}, {U"ギャ", "gya"}, {U"ギュ", "gyu"},
    {U"ギョ", "gyo"}, {U"シャ", "sha"}, {U"シュ", "shu"}, {U"ショ", "sho"}, {U"シェ", "she"},
    {U"ジャ", "ja"},  {U"ジュ", "ju"},  {U"ジョ", "jo"},  {U"ジェ", "je"},  {U"チャ", "cha"},
    {U"チュ", "chu"}, {U"チョ", "cho"}, {U"チェ", "che"}, {U"ヂャ", "ja"},  {U"ヂュ", "ju"},
    {U"ヂョ", "jo"},  {U"ニャ", "nya"}, {U"ニュ", "nyu"}, {U"ニョ", "nyo"}, {U"ヒャ", "hya"},
    {U"ヒュ", "hyu"}, {U"ヒョ", "hyo"}, {U"ビャ", "bya"}, {U"ビュ", "byu"}, {U"ビョ", "byo"},
    {U"ピャ", "pya"}, {U"ピュ", "pyu"}, {U"ピョ", "pyo"}, {U"ミャ", "mya"}, {U"ミュ", "myu"},
    {U"ミョ", "myo"}, {U"リャ", "rya"}, {U"リュ", "ryu"}, {U"リョ", "ryo"}, {U"ファ", "fa"},
    {U"フィ", "fi"},  {U"フェ", "fe"},  {U"フォ", "fo"},  {U"フュ", "fyu"}, {U"ティ", "ti"},
    {U"ディ", "di"},  {U"トゥ", "tu"},  {U"ドゥ", "du"},  {U"デュ", "dyu"}, {U"ウィ", "wi"},
    {U"ウェ", "we"},  {U"ウォ", "wo"},  {U"ヴァ", "va"},  {U"ヴィ", "vi"},  {U"ヴェ", "ve"},
    {U"ヴォ", "vo"},  {U"ツァ", "tsa"}, {U"ツェ", "tse"}, {U"ツォ", "tso"}, {U"イェ", "ye"},
};

bool isSmallVowelOrY(char32_t c) {
    return std::u32string_view(U"ァィゥェォャュョ").find(c) != std::u32string_view::npos;
}

std::string_view digraphAt(std::u32string_view kana, std::size_t i) {
    if (i + 1 >= kana.size() || !isSmallVowelOrY(kana[i + 1])) return {};
    for (const Digraph& digraph : kDigraphs) {
        if (kana.substr(i, 2) == digraph.kana) return digraph.romaji;
    }
    return {};
}

bool isVowel(char32_t c) {
    return c == U'a' || c == U'i' || c == U'u' || c == U'e' || c == U'o';
}

}  // namespace

void RomajiWriter::addWord(std::u32string_view word) {
    const Text kana = hiraganaToKatakana(word);
    char32_t vowel = 0;  // the vowel the last kana of this word ended in, if one did
    for (std::size_t i = 0; i < kana.size(); ++i) {
        const char32_t c = kana[i];
        if (c == U'ッ') {
            doubleNext_ = true;
            continue;
        }
        if (c == U'ー') continue;  // long vowels are not marked
        std::string_view romaji = digraphAt(kana, i);
        if (!romaji.empty()) {
            ++i;
        } else if (c >= kFirstKana && c <= kLastKana) {
            romaji = kSingleKana[c - kFirstKana];
        }
        if (romaji.empty()) {
            out_.push_back(c);
            doubleNext_ = false;
            vowel = 0;
            continue;
        }
        // オウ, オオ and ウウ are written as one vowel: tokyo, osaka, yuki.
        if ((vowel == U'o' && (romaji == "u" || romaji == "o")) ||
            (vowel == U'u' && romaji == "u")) {
            doubleNext_ = false;
            continue;
        }
        const auto first = static_cast<char32_t>(romaji.front());
        if (doubleNext_ && !isVowel(first) && first != U'n') {
            out_.push_back(romaji.starts_with("ch") ? U't' : first);
        }
        doubleNext_ = false;
        for (const char letter : romaji) out_.push_back(static_cast<char32_t>(letter));
        vowel = isVowel(out_.back()) ? out_.back() : 0;
    }
}

Text romajiOfKana(std::u32string_view kana) {
    RomajiWriter writer;
    writer.addWord(kana);
    return writer.take();
}

}  // namespace vartel

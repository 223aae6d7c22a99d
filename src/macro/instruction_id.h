#pragma once

namespace vartel {

// Kind indices of the catalogue, in the order the kind chooser offers them. Macro files store
// these numbers, so a new kind goes at the end.
enum InstructionKindIndex : int {
    kKindAssign = 0,
    kKindTextOutput = 1,
    kKindDelete = 2,
    kKindReplace = 3,
    kKindSearch = 4,
    kKindConvert = 5,
    kKindInformation = 6,
    kKindArithmetic = 7,
    kKindDate = 8,
    kKindTime = 9,
    kKindFile = 10,
    kKindJump = 11,
    kKindCondition = 12,
    kKindLoop = 13,
    kKindMultiCondition = 14,
};

// The types of each kind, in the order the type chooser offers them. Macro files store the
// position, so a new type is appended after the existing ones.
enum class AssignType { Number, Text };
enum class TextOutputType { Copy, Insert, Join };
enum class DeleteType { Delete, TrimLeading, TrimTrailing };
enum class ReplaceType { CaseSensitive, IgnoringCase, Regex };
enum class SearchType { CaseSensitive, IgnoringCase, Regex };
// The types after TextToNumber are the text conversions, in the order of their table
// (text_conversions.h), which pins these numbers.
enum class ConvertType {
    ToLower,
    ToUpper,
    NumberToText,
    TextToNumber,
    FullWidthToHalfWidth,
    HalfWidthToFullWidth,
    HalfWidthKanaToFullWidth,
    FullWidthKanaToHalfWidth,
    HiraganaToKatakana,
    KatakanaToHiragana,
    Nfc,
    RepairGarbled,
    KatakanaReading,
    HiraganaReading,
    Romaji,
    KanjiNumeralsToDigits,
    DigitsToKanjiNumerals,
};
enum class InformationType { Length, FileCount, Comment };
enum class ArithmeticType { Plus, Minus, Times, Divide };
enum class DateType { Written, Digits, Pattern, EraName, EraYear, EraWritten };
enum class TimeType { MorningAfternoon, HoursMinutes, Digits, Pattern };
enum class FileType {
    ParentFolder,
    Size,
    ModifiedTime,
    DateTaken,
    CameraModel,
    SongTitle,
    Artist,
    Album,
    TrackNumber,
    PositionInFolder,
    LargestFolderGroup
};
enum class JumpType { Jump, Anchor };
// Start exists only as the line the program writes below a condition or loop line.
enum class ConditionType { Equal, NotEqual, Greater, End, Start };
enum class LoopType { Equal, NotEqual, Greater, End, Start };
enum class MultiConditionType { Exact, Partial };

template <class Type>
struct KindOfType;
template <>
struct KindOfType<AssignType> {
    static constexpr int kind = kKindAssign;
};
template <>
struct KindOfType<TextOutputType> {
    static constexpr int kind = kKindTextOutput;
};
template <>
struct KindOfType<DeleteType> {
    static constexpr int kind = kKindDelete;
};
template <>
struct KindOfType<ReplaceType> {
    static constexpr int kind = kKindReplace;
};
template <>
struct KindOfType<SearchType> {
    static constexpr int kind = kKindSearch;
};
template <>
struct KindOfType<ConvertType> {
    static constexpr int kind = kKindConvert;
};
template <>
struct KindOfType<InformationType> {
    static constexpr int kind = kKindInformation;
};
template <>
struct KindOfType<ArithmeticType> {
    static constexpr int kind = kKindArithmetic;
};
template <>
struct KindOfType<DateType> {
    static constexpr int kind = kKindDate;
};
template <>
struct KindOfType<TimeType> {
    static constexpr int kind = kKindTime;
};
template <>
struct KindOfType<FileType> {
    static constexpr int kind = kKindFile;
};
template <>
struct KindOfType<JumpType> {
    static constexpr int kind = kKindJump;
};
template <>
struct KindOfType<ConditionType> {
    static constexpr int kind = kKindCondition;
};
template <>
struct KindOfType<LoopType> {
    static constexpr int kind = kKindLoop;
};
template <>
struct KindOfType<MultiConditionType> {
    static constexpr int kind = kKindMultiCondition;
};

// One instruction: a kind and a type of it. Made from a type enum, it cannot name a type of
// another kind; made from two integers (a hand-edited file), it may name nothing.
struct InstructionId {
    int kind = 0;
    int type = 0;

    constexpr InstructionId() = default;
    constexpr InstructionId(int kindIndex, int typeIndex) : kind(kindIndex), type(typeIndex) {}
    template <class Type>
    requires requires { KindOfType<Type>::kind; }
    constexpr InstructionId(Type typeId)
        : kind(KindOfType<Type>::kind), type(static_cast<int>(typeId)) {}

    bool operator==(const InstructionId&) const = default;
};

inline constexpr int kBlockStartType = static_cast<int>(ConditionType::Start);
inline constexpr int kBlockEndType = static_cast<int>(ConditionType::End);
static_assert(kBlockStartType == static_cast<int>(LoopType::Start) &&
              kBlockEndType == static_cast<int>(LoopType::End));

}  // namespace vartel

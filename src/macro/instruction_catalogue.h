#pragma once

#include <optional>
#include <vector>

#include "common/text.h"
#include "macro/function_reference.h"

namespace vartel {

// Kind indices of the catalogue, in the order the kind chooser offers them.
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

// Block-start lines exist only as lines the program writes after a condition or loop line.
inline constexpr int kBlockStartType = 4;
inline constexpr int kBlockEndType = 3;

inline const Text kAnchorTypeName = U"アンカー";
inline const Text kConditionStartTypeName = U"条件開始";
inline const Text kConditionEndTypeName = U"条件終了";
inline const Text kLoopStartTypeName = U"繰り返し開始";
inline const Text kLoopEndTypeName = U"繰り返し終了";

struct InstructionType {
    Text name;
    int signatureCode;  // four digits: target, operand 1, 2, 3
    int referenceRow;
};

struct InstructionKind {
    Text name;
    std::vector<InstructionType> types;
};

class InstructionCatalogue {
  public:
    static const std::vector<InstructionKind>& kinds();

    static std::vector<Text> kindNames();
    static std::vector<Text> typeNames(int kind);
    // Exact comparison of the whole name.
    static std::optional<int> kindIndexOf(std::u32string_view name);
    static std::optional<int> typeIndexOf(int kind, std::u32string_view name);
    // Nothing for a kind or type the catalogue does not define (block-start types included).
    static const InstructionType* find(int kind, int type);
    static std::optional<int> signatureCode(int kind, int type);
    static const ReferenceEntry* referenceEntry(int kind, int type);

    // The digit of a signature code at position 0 (target) .. 3 (third operand).
    static int signatureDigit(int signatureCode, int position);
};

}  // namespace vartel

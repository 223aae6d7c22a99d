#pragma once

#include <optional>
#include <vector>

#include "common/text.h"
#include "macro/function_reference.h"
#include "macro/instruction_id.h"

namespace vartel {

inline const Text kAnchorTypeName = U"アンカー";
inline const Text kConditionStartTypeName = U"条件開始";
inline const Text kConditionEndTypeName = U"条件終了";
inline const Text kLoopStartTypeName = U"繰り返し開始";
inline const Text kLoopEndTypeName = U"繰り返し終了";

struct InstructionType {
    Text name;
    int signatureCode;  // four digits: target, operand 1, 2, 3
};

struct InstructionKind {
    Text name;
    std::vector<InstructionType> types;  // at the position of each type's enum value
};

// One row of the catalogue table: an instruction, the name the user types and its signature.
struct CatalogueRow {
    InstructionId id;
    Text name;
    int signatureCode;
};

class InstructionCatalogue {
  public:
    // Built from the kind names and the rows; a row's place in its kind is its type value.
    static const std::vector<InstructionKind>& kinds();

    static std::vector<Text> kindNames();
    static std::vector<Text> typeNames(int kind);
    // Exact comparison of the whole name.
    static std::optional<int> kindIndexOf(std::u32string_view name);
    static std::optional<int> typeIndexOf(int kind, std::u32string_view name);
    // Nothing for a kind or type the catalogue does not define (block-start types included).
    static const InstructionType* find(InstructionId id);
    static std::optional<int> signatureCode(InstructionId id);
    static const ReferenceEntry* referenceEntry(InstructionId id);
    // The names a line of the instruction shows; the id must be one the catalogue defines.
    static const Text& kindName(int kind);
    static const Text& typeName(InstructionId id);

    // The digit of a signature code at position 0 (target) .. 3 (third operand).
    static int signatureDigit(int signatureCode, int position);

  private:
    static const std::vector<Text>& kindTable();
    static const std::vector<CatalogueRow>& typeTable();
};

}  // namespace vartel

#pragma once

#include <optional>

#include "common/text.h"

namespace vartel {

// Operand codes: 0 empty, 1..64 the variables, 65 the file name, 66 the extension,
// -1 a numeric literal, -2 a text literal.
inline constexpr int kEmptyCode = 0;
inline constexpr int kFileNameCode = 65;
inline constexpr int kExtensionCode = 66;
inline constexpr int kNumericLiteralCode = -1;
inline constexpr int kTextLiteralCode = -2;
inline constexpr int kVariableCount = 64;
// Codes from here up hold text: the text variables 33..64, then the file name and the extension.
inline constexpr int kFirstTextCode = 33;
inline constexpr int kSlotCount = 67;  // slot 0 is always empty

inline const Text kFileNameName = U"ファイル名";
inline const Text kExtensionName = U"拡張子";

// The four classes of sixteen, in slot order.
enum class VariableClass { Number = 1, FixedNumber = 2, Text = 3, FixedText = 4 };

// "数値１" .. "固定文字１６" for codes 1..64; empty for any other code.
Text variableName(int code);
// 1..64 for a variable name, 65 for "ファイル名", 66 for "拡張子"; exact comparison.
std::optional<int> variableCode(std::u32string_view name);
// The class of a variable code 1..64.
VariableClass variableClassOf(int code);
inline bool isNumericVariable(int code) {
    return code >= 1 && code <= 32;
}
inline bool isTextVariable(int code) {
    return code >= kFirstTextCode && code <= kVariableCount;
}
// Persistent variables keep their values from one file of a run to the next.
inline bool isPersistentVariable(int code) {
    return (code >= 17 && code <= 32) || (code >= 49 && code <= 64);
}

}  // namespace vartel

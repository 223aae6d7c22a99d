#include "macro/variables.h"

#include <array>

namespace vartel {
namespace {

const std::array<Text, 4> kClassNames = {U"数値", U"固定数値", U"文字", U"固定文字"};

Text fullWidthNumber(int n) {
    Text digits;
    for (const char c : std::to_string(n)) digits.push_back(U'０' + static_cast<char32_t>(c - '0'));
    return digits;
}

const std::array<Text, kVariableCount + 1>& allNames() {
    static const auto names = [] {
        std::array<Text, kVariableCount + 1> result;
        for (int code = 1; code <= kVariableCount; ++code) {
            result[code] = kClassNames[(code - 1) / 16] + fullWidthNumber((code - 1) % 16 + 1);
        }
        return result;
    }();
    return names;
}

}  // namespace

Text variableName(int code) {
    if (code < 1 || code > kVariableCount) return {};
    return allNames()[code];
}

std::optional<int> variableCode(std::u32string_view name) {
    if (name == kFileNameName) return kFileNameCode;
    if (name == kExtensionName) return kExtensionCode;
    const auto& names = allNames();
    for (int code = 1; code <= kVariableCount; ++code) {
        if (names[code] == name) return code;
    }
    return std::nullopt;
}

VariableClass variableClassOf(int code) {
    return static_cast<VariableClass>((code - 1) / 16 + 1);
}

}  // namespace vartel

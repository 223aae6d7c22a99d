#include "macro/operand_validation.h"

#include "common/integer_text.h"
#include "macro/instruction_catalogue.h"
#include "macro/variables.h"

namespace vartel {
namespace {

constexpr int kPositions = 4;
// A digit no signature uses; it accepts nothing.
constexpr int kNoDigit = -1;

bool isNumber(int code) {
    return isNumericVariable(code) || code == kNumericLiteralCode;
}

// A numeric literal is a text too.
bool isText(int code) {
    return (code >= kFirstTextCode && code <= kExtensionCode) || code == kNumericLiteralCode ||
           code == kTextLiteralCode;
}

bool accepts(int digit, int code) {
    switch (digit) {
        case 0:
            return code == kEmptyCode;
        case 1:
            return isNumber(code);
        case 2:
            return isText(code);
        case 3:
            return isText(code) || code == kEmptyCode;
        case 4:
            return code == kNumericLiteralCode;
        case 6:
            return true;
        default:
            return false;
    }
}

bool comparablePair(int first, int second) {
    return (isNumber(first) && isNumber(second)) || (isText(first) && isText(second));
}

}  // namespace

void clearLineInput(LineInput& input) {
    input = LineInput{};
}

std::optional<int> targetCodeOf(std::u32string_view text) {
    if (text.empty()) return kEmptyCode;
    return variableCode(text);
}

int operandCodeOf(std::u32string_view text) {
    if (const auto code = targetCodeOf(text)) return *code;
    return parseInteger(text) ? kNumericLiteralCode : kTextLiteralCode;
}

LineCheck validateLine(std::u32string_view target, const std::array<Text, 3>& operands,
                       InstructionId instruction) {
    LineCheck check;
    const auto targetCode = targetCodeOf(target);
    if (!targetCode) {
        check.failures = 1;
        return check;
    }
    check.codes = {*targetCode, operandCodeOf(operands[0]), operandCodeOf(operands[1]),
                   operandCodeOf(operands[2])};

    const auto signature = InstructionCatalogue::signatureCode(instruction);
    const auto digitAt = [&](int position) {
        return signature ? InstructionCatalogue::signatureDigit(*signature, position) : kNoDigit;
    };
    constexpr int kComparablePair = 5;
    for (int position = 0; position < kPositions; ++position) {
        const int digit = digitAt(position);
        const int code = check.codes[static_cast<std::size_t>(position)];
        if (digit == kComparablePair) {
            // A pair that passes uses up the next position; one that fails leaves the next
            // position to be checked under its own digit.
            if (position + 1 < kPositions &&
                comparablePair(code, check.codes[static_cast<std::size_t>(position + 1)])) {
                ++position;
            } else {
                ++check.failures;
            }
        } else if (!accepts(digit, code)) {
            ++check.failures;
        }
    }
    return check;
}

}  // namespace vartel

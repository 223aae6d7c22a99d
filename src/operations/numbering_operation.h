#pragma once

#include <cstdint>

#include "operations/recording_frame.h"

namespace vartel {

enum class NumberingForm { AThenNumberThenB = 0, AtStart, AtEnd, AfterNth, BeforeA, AfterA };
inline constexpr int kNumberingFormCount = 6;
static_assert(static_cast<int>(NumberingForm::AfterA) + 1 == kNumberingFormCount);

// The tab "連番".
struct NumberingSettings {
    NumberingForm form = NumberingForm::AThenNumberThenB;
    std::int32_t start = 1;
    std::int32_t step = 1;
    bool autoDigits = false;  // zero fill to the digits of the count of numbered rows
    Text textA;
    Text textB;
    int position = 1;  // N
    bool caseSensitive = false;
    // "フォルダごとに番号を振り直す": the number goes back to the start in every folder group,
    // and the zero fill follows the largest group instead of all checked rows.
    bool perFolder = false;
};

// The number in decimal; with the zero fill, "0"s in front up to the length of the count
// written the same way (a minus sign counts as a character). Never cut.
Text numberText(std::int32_t number, bool autoDigits, int widthCount);

// The number after the step, wrapping in 32 bits as the macro's arithmetic does.
std::int32_t nextNumber(std::int32_t number, std::int32_t step);

// The number of the place-th row (1-based) of a folder: start + (place - 1) * step, wrapping
// as counting on from the start would.
std::int32_t numberAtPlace(std::int32_t start, std::int32_t step, int place);

// The new name of a row from its stem, its extension (dot included) and its number text.
Text numberingNewName(const NumberingSettings& settings, const Text& stem, const Text& extension,
                      const Text& number);

// Edits the sample stem with the start number, zero filled to the digits of widthCount, and
// appends the lines that number every file of a macro run; false when no variable was left, and
// then nothing is recorded.
bool recordNumbering(const NumberingSettings& settings, int widthCount, RecordingFrame& frame);

}  // namespace vartel

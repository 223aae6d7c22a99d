#include "operations/numbering_operation.h"

#include "common/integer_text.h"
#include "macro/text_edits.h"
#include "operations/messages.h"
#include "operations/search_insert_lines.h"

namespace vartel {
namespace {

Text formDescription(const NumberingSettings& s) {
    switch (s.form) {
        case NumberingForm::AThenNumberThenB:
            return s.textA + U"番号" + s.textB + U"　に書き換え";
        case NumberingForm::AtStart:
            return U"番号を最初に追加";
        case NumberingForm::AtEnd:
            return U"番号を最後に追加";
        case NumberingForm::AfterNth:
            return formatInteger(s.position) + U"　番目の文字の後に番号を追加";
        case NumberingForm::BeforeA:
            return s.textA + U"　の前に番号を追加";
        case NumberingForm::AfterA:
            return s.textA + U"　の後に番号を追加";
    }
    return {};
}

Text description(const NumberingSettings& s) {
    return s.perFolder ? formDescription(s) + messages::kPerFolderNote : formDescription(s);
}

// T becomes the text of the number F, zero filled when Q and R are given: Q counts the digits of
// the count the width follows, R those of T.
void recordNumberText(const NumberingSettings& s, RecordingFrame& frame, const Operand& f,
                      const Operand& t, const Operand* q, const Operand* r) {
    const Operand none = emptyOperand();
    if (q != nullptr) {
        frame.recordLine(*q,
                         s.perFolder ? InstructionId(FileType::LargestFolderGroup)
                                     : InstructionId(InformationType::FileCount),
                         none, none, none);
        frame.recordLine(t, ConvertType::NumberToText, *q, none, none);
        frame.recordLine(*q, InformationType::Length, t, none, none);
    }
    frame.recordLine(t, ConvertType::NumberToText, f, none, none);
    if (q != nullptr) {
        frame.recordLine(*r, InformationType::Length, t, none, none);
        frame.recordLine(none, LoopType::Greater, *q, *r, none);
        frame.appendLoopStart();
        frame.recordLine(t, TextOutputType::Join, textOperand(U"0"), t, none);
        frame.recordLine(*r, InformationType::Length, t, none, none);
        frame.recordLine(none, LoopType::End, none, none, none);
    }
}

// Across the whole list F is a fixed variable that counts on from row to row. Per folder it is
// made afresh for every row from the row's place in its folder: start + (place - 1) * step,
// which wraps in 32 bits exactly as counting on does.
void recordNumberLines(const NumberingSettings& s, RecordingFrame& frame, const Operand& f,
                       const Operand& t, const Operand* q, const Operand* r) {
    const Operand none = emptyOperand();
    if (s.perFolder) {
        frame.recordLine(f, FileType::PositionInFolder, none, none, none);
        frame.recordLine(f, ArithmeticType::Minus, f, numberOperand(1), none);
        frame.recordLine(f, ArithmeticType::Times, f, numberOperand(s.step), none);
        frame.recordLine(f, ArithmeticType::Plus, f, numberOperand(s.start), none);
    }
    recordNumberText(s, frame, f, t, q, r);
    if (!s.perFolder) frame.recordLine(f, ArithmeticType::Plus, f, numberOperand(s.step), none);
}

}  // namespace

Text numberText(std::int32_t number, bool autoDigits, int widthCount) {
    Text text = formatInteger(number);
    if (!autoDigits) return text;
    const std::size_t width = formatInteger(widthCount).size();
    if (text.size() < width) text.insert(0, width - text.size(), U'0');
    return text;
}

std::int32_t nextNumber(std::int32_t number, std::int32_t step) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number) +
                                     static_cast<std::uint32_t>(step));
}

std::int32_t numberAtPlace(std::int32_t start, std::int32_t step, int place) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(start) +
                                     static_cast<std::uint32_t>(place - 1) *
                                         static_cast<std::uint32_t>(step));
}

Text numberingNewName(const NumberingSettings& s, const Text& stem, const Text& extension,
                      const Text& number) {
    switch (s.form) {
        case NumberingForm::AThenNumberThenB:
            return joinedText({s.textA, number, s.textB, extension});
        case NumberingForm::AtStart:
            return joinedText({number, stem, extension});
        case NumberingForm::AtEnd:
            return joinedText({stem, number, extension});
        case NumberingForm::AfterNth:
            return insertCharacters(stem, number, s.position) + extension;
        case NumberingForm::BeforeA:
        case NumberingForm::AfterA:
            return insertAtSearch(stem, number, s.textA, s.caseSensitive,
                                  s.form == NumberingForm::AfterA) +
                   extension;
    }
    return stem + extension;
}

bool recordNumbering(const NumberingSettings& s, int widthCount, RecordingFrame& frame) {
    std::vector<int> classes = {s.perFolder ? kAllocNumber : kAllocFixedNumber, kAllocText};
    if (s.autoDigits) classes.insert(classes.end(), {kAllocNumber, kAllocNumber});
    if (s.form == NumberingForm::BeforeA) classes.push_back(kAllocNumber);
    if (s.form == NumberingForm::AfterA)
        classes.insert(classes.end(), {kAllocNumber, kAllocNumber});
    const auto variables = frame.allocateVariables(classes);
    if (!variables) return false;
    const auto& v = *variables;
    const Operand& f = v[0];
    const Operand& t = v[1];
    const std::size_t searchAt = s.autoDigits ? 4 : 2;
    if (!s.perFolder) frame.setInitialValue(f.code, formatInteger(s.start));
    recordNumberLines(s, frame, f, t, s.autoDigits ? &v[2] : nullptr,
                      s.autoDigits ? &v[3] : nullptr);

    const Operand name = nameOperand();
    const Operand none = emptyOperand();
    switch (s.form) {
        case NumberingForm::AThenNumberThenB:
            frame.recordLine(name, TextOutputType::Join, textOperand(s.textA), t,
                             textOperand(s.textB));
            break;
        case NumberingForm::AtStart:
            frame.recordLine(name, TextOutputType::Join, t, name, none);
            break;
        case NumberingForm::AtEnd:
            frame.recordLine(name, TextOutputType::Join, name, t, none);
            break;
        case NumberingForm::AfterNth:
            frame.recordLine(name, TextOutputType::Insert, name, t, numberOperand(s.position));
            break;
        case NumberingForm::BeforeA:
        case NumberingForm::AfterA: {
            const bool after = s.form == NumberingForm::AfterA;
            recordInsertAtSearch(frame, t, s.textA, s.caseSensitive, v[searchAt],
                                 after ? std::optional<Operand>(v[searchAt + 1]) : std::nullopt);
            break;
        }
    }
    frame.sampleStem() = numberingNewName(s, frame.sampleStem(), Text(),
                                          numberText(s.start, s.autoDigits, widthCount));
    frame.closeStep(messages::kKindNumbering, description(s));
    return true;
}

}  // namespace vartel

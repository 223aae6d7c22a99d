#include "operations/replace_operation.h"

#include <algorithm>

#include "common/integer_text.h"
#include "macro/text_conversions.h"
#include "macro/text_edits.h"
#include "operations/messages.h"
#include "platform/letter_case.h"

namespace vartel {
namespace {

// Where the stretch of the range begins and how long it is, 0-based.
std::pair<std::size_t, std::size_t> stretchOf(const ReplaceSettings& s, std::size_t length) {
    const auto c = static_cast<std::size_t>(std::max(s.count, 0));
    switch (s.range) {
        case ReplaceRange::Whole:
            return {0, length};
        case ReplaceRange::FirstC:
            return {0, std::min(c, length)};
        case ReplaceRange::LastC:
            return {length - std::min(c, length), std::min(c, length)};
        case ReplaceRange::CFromNth: {
            const auto begin =
                std::min(static_cast<std::size_t>(std::max(s.position, 1)) - 1, length);
            return {begin, std::min(c, length - begin)};
        }
    }
    return {0, length};
}

// The conversion line on the name or on the variable holding the stretch.
void recordConversion(const ReplaceSettings& s, RecordingFrame& frame, const Operand& x) {
    const Operand none = emptyOperand();
    switch (s.kind) {
        case ReplaceKind::Replace:
            if (s.regex) {
                // The macro's expression has no case switch of its own; ICU's inline flag
                // makes it ignore case as the list path does.
                frame.recordLine(x, ReplaceType::Regex, x,
                                 textOperand(s.caseSensitive ? s.search : U"(?i)" + s.search),
                                 textOperand(s.replacement));
            } else {
                frame.recordLine(x, replaceTypeOf(s.caseSensitive), x, textOperand(s.search),
                                 textOperand(s.replacement));
            }
            break;
        case ReplaceKind::ToLower:
            frame.recordLine(x, ConvertType::ToLower, x, none, none);
            break;
        case ReplaceKind::ToUpper:
            frame.recordLine(x, ConvertType::ToUpper, x, none, none);
            break;
        default:
            frame.recordLine(x, textConversionOf(s.kind)->macroType, x, none, none);
            break;
    }
}

Text processingKind(ReplaceKind kind) {
    switch (kind) {
        case ReplaceKind::Replace:
            return messages::kKindReplace;
        case ReplaceKind::ToLower:
            return messages::kKindToLower;
        case ReplaceKind::ToUpper:
            return messages::kKindToUpper;
        default:
            return Text(textConversionOf(kind)->caption);
    }
}

Text description(const ReplaceSettings& s) {
    const Text n = formatInteger(s.position);
    const Text c = formatInteger(s.count);
    Text where;
    switch (s.range) {
        case ReplaceRange::Whole:
            where = U"全体";
            break;
        case ReplaceRange::FirstC:
            where = U"最初から　" + c + U"　個の文字";
            break;
        case ReplaceRange::LastC:
            where = U"最後から　" + c + U"　個の文字";
            break;
        case ReplaceRange::CFromNth:
            // This one phrase is written without the full-width blanks.
            if (s.kind == ReplaceKind::ToUpper)
                return n + U"番目の文字から" + c + U" 個の文字を大文字に変換";
            where = n + U"　番目の文字から　" + c + U"　個の文字";
            break;
    }
    switch (s.kind) {
        case ReplaceKind::Replace:
            return where + (s.range == ReplaceRange::Whole ? U"から　" : U"の中から　") + s.search +
                   U"　を　" + s.replacement + U"　に置換" + (s.regex ? U"（正規表現）" : U"");
        case ReplaceKind::ToLower:
            return where + U"を小文字に変換";
        case ReplaceKind::ToUpper:
            return where + U"を大文字に変換";
        default:
            return where + Text(textConversionOf(s.kind)->descriptionEnding);
    }
}

}  // namespace

ReplaceEdit::ReplaceEdit(const ReplaceSettings& settings) : settings_(settings) {
    if (settings.kind == ReplaceKind::Replace && settings.regex) {
        auto regex = std::make_shared<TextRegex>(settings.search, settings.caseSensitive);
        regex->checkReplacement(settings.replacement);
        regex_ = std::move(regex);
    }
}

Text ReplaceEdit::convert(const Text& stretch) const {
    switch (settings_.kind) {
        case ReplaceKind::Replace:
            if (regex_) return regex_->replaceAll(stretch, settings_.replacement);
            return replaceAll(stretch, settings_.search, settings_.replacement,
                              !settings_.caseSensitive);
        case ReplaceKind::ToLower:
            return toLower(stretch);
        case ReplaceKind::ToUpper:
            return toUpper(stretch);
        default:
            return textConversionOf(settings_.kind)->convert(stretch);
    }
}

Text ReplaceEdit::stem(const Text& stem) const {
    const auto [begin, length] = stretchOf(settings_, stem.size());
    return stem.substr(0, begin) + convert(stem.substr(begin, length)) +
           stem.substr(begin + length);
}

bool recordReplace(const ReplaceSettings& s, RecordingFrame& frame) {
    // An expression that is not valid, or runs too long on the sample, stops here before
    // anything is recorded.
    const Text newStem = ReplaceEdit(s).stem(frame.sampleStem());
    // The text variable T holds a part of the name, the number M a count or a position.
    std::vector<int> classes;
    if (s.range == ReplaceRange::FirstC) classes = {kAllocText};
    if (s.range == ReplaceRange::LastC || s.range == ReplaceRange::CFromNth) {
        classes = {kAllocText, kAllocNumber};
    }
    const auto variables = frame.allocateVariables(classes);
    if (!variables) return false;
    const Operand name = nameOperand();
    const Operand none = emptyOperand();
    switch (s.range) {
        case ReplaceRange::Whole:
            recordConversion(s, frame, name);
            break;
        case ReplaceRange::FirstC: {
            const Operand& t = (*variables)[0];
            frame.recordLine(t, TextOutputType::Copy, name, numberOperand(1),
                             numberOperand(s.count));
            frame.recordLine(none, DeleteType::Delete, name, numberOperand(1),
                             numberOperand(s.count));
            recordConversion(s, frame, t);
            frame.recordLine(name, TextOutputType::Join, t, name, none);
            break;
        }
        case ReplaceRange::LastC: {
            const Operand& t = (*variables)[0];
            const Operand& m = (*variables)[1];
            frame.recordLine(m, InformationType::Length, name, none, none);
            frame.recordLine(m, ArithmeticType::Minus, m, numberOperand(s.count), none);
            frame.recordLine(t, TextOutputType::Copy, name, numberOperand(1), m);
            frame.recordLine(none, DeleteType::Delete, name, numberOperand(1), m);
            recordConversion(s, frame, name);
            frame.recordLine(name, TextOutputType::Join, t, name, none);
            break;
        }
        case ReplaceRange::CFromNth: {
            const Operand& t = (*variables)[0];
            const Operand& m = (*variables)[1];
            frame.recordLine(t, TextOutputType::Copy, name, numberOperand(s.position),
                             numberOperand(s.count));
            frame.recordLine(none, DeleteType::Delete, name, numberOperand(s.position),
                             numberOperand(s.count));
            recordConversion(s, frame, t);
            frame.recordLine(m, ArithmeticType::Minus, numberOperand(s.position), numberOperand(1),
                             none);
            frame.recordLine(name, TextOutputType::Insert, name, t, m);
            break;
        }
    }
    frame.sampleStem() = newStem;
    frame.closeStep(processingKind(s.kind), description(s));
    return true;
}

}  // namespace vartel

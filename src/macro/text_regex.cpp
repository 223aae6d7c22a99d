#include "macro/text_regex.h"

#include <unicode/regex.h>

#include "common/error.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "macro/messages.h"

namespace vartel {
namespace {

// About a second of matching on one text; ICU counts in steps of its match engine.
constexpr int32_t kTimeLimit = 1000;

icu::UnicodeString unicodeOf(const Text& text) {
    const std::u16string utf16 = utf16FromText(text);
    return icu::UnicodeString(utf16.data(), static_cast<int32_t>(utf16.size()));
}

Text textOf(const icu::UnicodeString& text) {
    return textFromUtf16(
        std::u16string_view(text.getBuffer(), static_cast<std::size_t>(text.length())));
}

const Text& problemOf(UErrorCode status) {
    switch (status) {
        case U_REGEX_MISMATCHED_PAREN:
            return messages::kRegexUnbalancedParentheses;
        case U_REGEX_MISSING_CLOSE_BRACKET:
            return messages::kRegexUnclosedSet;
        case U_REGEX_BAD_ESCAPE_SEQUENCE:
        case U_REGEX_PROPERTY_SYNTAX:
            return messages::kRegexBadEscape;
        case U_REGEX_BAD_INTERVAL:
        case U_REGEX_MAX_LT_MIN:
        case U_REGEX_NUMBER_TOO_BIG:
            return messages::kRegexBadRepeat;
        case U_REGEX_INVALID_RANGE:
            return messages::kRegexBadRange;
        case U_REGEX_INVALID_BACK_REF:
            return messages::kRegexBadBackReference;
        default:
            return messages::kRegexSyntax;
    }
}

[[noreturn]] void throwMatchFailure(UErrorCode status) {
    if (status == U_REGEX_TIME_OUT || status == U_REGEX_STACK_OVERFLOW)
        throw VartelError(messages::kRegexTooLong);
    throw VartelError(fillIn(messages::kInvalidReplacement, U"%s", messages::kRegexNoSuchGroup));
}

}  // namespace

struct TextRegex::Compiled {
    std::unique_ptr<icu::RegexPattern> pattern;
    std::unique_ptr<icu::RegexMatcher> matcher;
    icu::UnicodeString input;  // the matcher reads it in place
};

TextRegex::TextRegex(const Text& pattern, bool caseSensitive)
    : compiled_(std::make_unique<Compiled>()) {
    UParseError where{};
    UErrorCode status = U_ZERO_ERROR;
    compiled_->pattern.reset(icu::RegexPattern::compile(
        unicodeOf(pattern), caseSensitive ? 0 : UREGEX_CASE_INSENSITIVE, where, status));
    if (U_FAILURE(status)) {
        const int position = where.offset >= 0 ? where.offset + 1 : 1;
        throw VartelError(fillIn(fillIn(messages::kInvalidPattern, U"%s", problemOf(status)), U"%d",
                                 formatInteger(position)));
    }
    compiled_->matcher.reset(compiled_->pattern->matcher(status));
    compiled_->matcher->setTimeLimit(kTimeLimit, status);
    if (U_FAILURE(status)) throw VartelError(messages::kRegexSyntax);
}

TextRegex::~TextRegex() = default;

void TextRegex::checkReplacement(const Text& replacement) const {
    // A pattern of as many empty groups matches the empty text, so the replacement is read
    // exactly as a real match would read it, whether or not some name matches.
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString groups;
    for (int32_t k = 0; k < compiled_->matcher->groupCount(); ++k) groups += u"()";
    UParseError where{};
    std::unique_ptr<icu::RegexPattern> probe(icu::RegexPattern::compile(groups, 0, where, status));
    if (U_FAILURE(status)) return;
    const icu::UnicodeString empty;
    std::unique_ptr<icu::RegexMatcher> matcher(probe->matcher(empty, status));
    if (U_FAILURE(status)) return;
    matcher->replaceAll(unicodeOf(replacement), status);
    if (U_FAILURE(status)) {
        const Text& problem = status == U_INDEX_OUTOFBOUNDS_ERROR ? messages::kRegexNoSuchGroup
                                                                  : messages::kRegexSyntax;
        throw VartelError(fillIn(messages::kInvalidReplacement, U"%s", problem));
    }
}

Text TextRegex::replaceAll(const Text& text, const Text& replacement) const {
    UErrorCode status = U_ZERO_ERROR;
    compiled_->input = unicodeOf(text);
    compiled_->matcher->reset(compiled_->input);
    // Match by match, since only a search reports that it ran out of time.
    const icu::UnicodeString with = unicodeOf(replacement);
    icu::UnicodeString result;
    while (compiled_->matcher->find(status) && U_SUCCESS(status))
        compiled_->matcher->appendReplacement(result, with, status);
    if (U_FAILURE(status)) throwMatchFailure(status);
    compiled_->matcher->appendTail(result);
    return textOf(result);
}

int TextRegex::firstMatchPosition(const Text& text) const {
    UErrorCode status = U_ZERO_ERROR;
    compiled_->input = unicodeOf(text);
    compiled_->matcher->reset(compiled_->input);
    const bool found = compiled_->matcher->find(status);
    if (U_FAILURE(status)) throwMatchFailure(status);
    if (!found) return 0;
    const int32_t start = compiled_->matcher->start(status);
    return compiled_->input.countChar32(0, start) + 1;
}

}  // namespace vartel

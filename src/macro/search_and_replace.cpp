#include "macro/instruction_families.h"
#include "macro/text_edits.h"
#include "macro/text_regex.h"
#include "macro/text_search.h"

namespace vartel {

void replacement(ReplaceType type, InstructionContext& context) {
    const auto& [a, b, c] = context.operands;
    switch (type) {
        case ReplaceType::CaseSensitive:
        case ReplaceType::IgnoringCase:
            context.storeResult(
                replaceAll(a.text, b.text, c.text, type == ReplaceType::IgnoringCase));
            break;
        case ReplaceType::Regex: {
            const TextRegex regex(b.text, true);
            regex.checkReplacement(c.text);
            context.storeResult(regex.replaceAll(a.text, c.text));
            break;
        }
    }
}

void search(SearchType type, InstructionContext& context) {
    const auto& [a, b, c] = context.operands;
    switch (type) {
        case SearchType::CaseSensitive:
        case SearchType::IgnoringCase:
            context.storeResult(searchPosition(a.text, b.text, type == SearchType::IgnoringCase));
            break;
        case SearchType::Regex:
            context.storeResult(TextRegex(b.text, true).firstMatchPosition(a.text));
            break;
    }
}

void multiCondition(MultiConditionType type, InstructionContext& context) {
    const auto& [a, b, c] = context.operands;
    for (const auto& row : context.table.rows) {
        const bool matches = type == MultiConditionType::Exact
                                 ? row.search == a.text
                                 : !row.search.empty() && a.text.find(row.search) != Text::npos;
        if (matches) {
            context.storeResult(row.output);
            return;
        }
    }
    context.storeResult(b.text);
}

}  // namespace vartel

#include "macro/instruction_families.h"
#include "macro/text_edits.h"
#include "macro/text_search.h"

namespace vartel {
namespace {

constexpr int kCaseSensitive = 0;
constexpr int kIgnoringCase = 1;

}  // namespace

void replacement(int type, InstructionContext& context) {
    if (type != kCaseSensitive && type != kIgnoringCase) return;
    const auto& [a, b, c] = context.operands;
    context.storeResult(replaceAll(a.text, b.text, c.text, type == kIgnoringCase));
}

void search(int type, InstructionContext& context) {
    if (type != kCaseSensitive && type != kIgnoringCase) return;
    const auto& [a, b, c] = context.operands;
    context.storeResult(searchPosition(a.text, b.text, type == kIgnoringCase));
}

void multiCondition(int type, InstructionContext& context) {
    constexpr int kExact = 0;
    constexpr int kPartial = 1;
    if (type != kExact && type != kPartial) return;
    const auto& [a, b, c] = context.operands;
    for (const auto& row : context.table.rows) {
        const bool matches = type == kExact
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

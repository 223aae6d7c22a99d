#include "workspace/lists/search.h"

#include <algorithm>

#include "common/error.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "macro/messages.h"
#include "macro/text_conversions.h"
#include "platform/letter_case.h"
#include "workspace/lists/messages.h"
#include "workspace/rows/row_flags.h"

namespace vartel {
namespace {

constexpr char32_t kFullWidthBlank = U'\u3000';

Text fieldOf(const FileEntry& row, TextSearch::Field field) {
    switch (field) {
        case TextSearch::Extension:
            return row.extension();
        case TextSearch::Path:
            return row.fullPath();
        case TextSearch::Name:
            break;
    }
    return row.name;
}

// Some systems store a kana and its voiced-sound mark apart (か + U+3099): both sides are
// compared composed, so がいど finds a name however it was written. ASCII needs no composing.
Text comparableText(Text text, bool caseSensitive) {
    if (std::any_of(text.begin(), text.end(), [](char32_t c) { return c >= 0x80; }))
        text = normalizeNfc(text);
    return caseSensitive ? text : toLower(text);
}

// Without narrowing, or with nothing selected, a search starts from the whole list.
void selectStartingSet(ConversionList& rows, bool narrowing) {
    if (!narrowing || firstSelectedRow(rows) < 0) selectAllRows(rows);
}

void finish(Workspace& workspace) {
    const auto& rows = workspace.conversionList();
    workspace.writeHitCount(static_cast<int>(std::count_if(
        rows.begin(), rows.end(), [](const FileEntry& row) { return row.selected; })));
}

}  // namespace

std::vector<Text> searchTerms(const Text& pattern) {
    std::vector<Text> terms;
    Text term;
    for (const char32_t c : pattern) {
        if (c == U' ' || c == kFullWidthBlank) {
            if (!term.empty()) terms.push_back(std::move(term));
            term.clear();
        } else {
            term.push_back(c);
        }
    }
    if (!term.empty()) terms.push_back(std::move(term));
    return terms;
}

void textSearch(Workspace& workspace, const TextSearch& search) {
    if (workspace.busy()) return;
    auto& rows = workspace.conversionList();
    selectStartingSet(rows, search.narrowing);
    const bool wanted = search.condition == TextSearch::Contains;
    for (const Text& pattern : searchTerms(search.pattern)) {
        const Text term = comparableText(pattern, search.caseSensitive);
        for (auto& row : rows) {
            if (!row.selected) continue;
            const bool found =
                comparableText(fieldOf(row, search.field), search.caseSensitive).find(term) !=
                Text::npos;
            if (found != wanted) row.selected = false;
        }
    }
    finish(workspace);
}

void sizeSearch(Workspace& workspace, const SizeSearch& search) {
    if (workspace.busy()) return;
    auto& rows = workspace.conversionList();
    if (!rows.empty()) {
        // An empty field is a slip, told in the user's words, not a conversion failure.
        if (searchTerms(search.value).empty()) {
            workspace.dialogs().message(kEnterSize);
            return;
        }
        const auto value = parseInteger(search.value);
        if (!value) throw VartelError(fillIn(messages::kNotAnInteger, U"%s", search.value));
        const std::int64_t threshold = static_cast<std::int64_t>(*value)
                                       << (10 * static_cast<int>(search.unit));
        selectStartingSet(rows, search.narrowing);
        for (auto& row : rows) {
            if (search.narrowing && !row.selected) continue;
            // A folder has no size of its own to compare.
            if (row.isFolder()) {
                row.selected = false;
                continue;
            }
            const std::int64_t size = row.facts.size;
            row.selected =
                search.range == SizeSearch::AtLeast ? size >= threshold : size <= threshold;
        }
    }
    finish(workspace);
}

}  // namespace vartel

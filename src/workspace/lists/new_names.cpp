#include "workspace/lists/new_names.h"

#include <algorithm>
#include <optional>

#include "common/error.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "workspace/lists/messages.h"

namespace vartel {
namespace {

constexpr char32_t kByteOrderMark = 0xFEFF;

[[noreturn]] void refuseLine(std::size_t index, const Text& why) {
    throw VartelError(
        fillIn(kNamesListLine, U"%s", formatInteger(static_cast<std::int64_t>(index + 1))) + why);
}

bool holdsControl(const Text& name) {
    return std::any_of(name.begin(), name.end(), [](char32_t c) { return c < 0x20 || c == 0x7F; });
}

void dropByteOrderMark(Text& firstLine) {
    if (!firstLine.empty() && firstLine.front() == kByteOrderMark) firstLine.erase(0, 1);
}

// The fields of one CSV line, or nothing when a quoted field is not closed on it.
std::optional<std::vector<Text>> csvFields(std::u32string_view line) {
    std::vector<Text> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char32_t c = line[i];
        if (quoted) {
            if (c != U'"') {
                fields.back().push_back(c);
            } else if (i + 1 < line.size() && line[i + 1] == U'"') {
                fields.back().push_back(U'"');
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == U'"') {
            quoted = true;
        } else if (c == U',') {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    if (quoted) return std::nullopt;
    return fields;
}

}  // namespace

std::vector<Text> namesFromLines(std::vector<Text> lines) {
    if (!lines.empty()) dropByteOrderMark(lines.front());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (holdsControl(lines[i])) refuseLine(i, kNameHoldsControl);
    }
    return lines;
}

std::vector<NamePair> namePairsFromCsv(const std::vector<Text>& lines) {
    std::vector<NamePair> pairs;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Text line = lines[i];
        if (i == 0) dropByteOrderMark(line);
        if (line.empty()) continue;
        auto fields = csvFields(line);
        if (!fields) refuseLine(i, kNameHoldsLineBreak);
        if (fields->size() != 2) refuseLine(i, kPairNeedsTwoFields);
        if (holdsControl((*fields)[0]) || holdsControl((*fields)[1]))
            refuseLine(i, kNameHoldsControl);
        pairs.push_back({std::move((*fields)[0]), std::move((*fields)[1])});
    }
    return pairs;
}

}  // namespace vartel

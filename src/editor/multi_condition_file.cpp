#include "editor/multi_condition_file.h"

#include "platform/text_file.h"

namespace vartel {
namespace {

constexpr char32_t kQuote = U'"';
constexpr std::u32string_view kSeparator = U"\",\"";

}  // namespace

std::vector<MultiConditionRow> parseMultiConditionLines(const std::vector<Text>& lines) {
    std::vector<MultiConditionRow> rows;
    for (const Text& line : lines) {
        // The first separator on the line counts, even one that overlaps the opening quote.
        const auto p = line.find(kSeparator);
        if (line.empty() || line.front() != kQuote || p == Text::npos) continue;
        MultiConditionRow row;
        if (p > 0) row.search = line.substr(1, p - 1);
        // The output runs up to, not including, the line's last character, whatever it is.
        const std::size_t outputStart = p + kSeparator.size();
        if (outputStart + 1 < line.size())
            row.output = line.substr(outputStart, line.size() - 1 - outputStart);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<Text> multiConditionLines(const std::vector<MultiConditionRow>& rows) {
    std::vector<Text> lines;
    lines.reserve(rows.size());
    for (const auto& row : rows)
        lines.push_back(kQuote + row.search + Text(kSeparator) + row.output + kQuote);
    return lines;
}

std::vector<MultiConditionRow> readMultiConditionFile(const std::string& path) {
    return parseMultiConditionLines(readTextFile(path));
}

void writeMultiConditionFile(const std::string& path, const MultiConditionTable& table) {
    writeTextFile(path, multiConditionLines(table.rows));
}

}  // namespace vartel

#pragma once

#include <string>
#include <vector>

#include "common/text.h"
#include "macro/multi_condition_table.h"

namespace vartel {

// The multi-condition file: one pair a line, a double quote, the search string, the separator
// "," in quotes, the output string and a closing double quote. Texts are written as they are.

// The pairs of the lines that qualify, in order; other lines are skipped without a word.
std::vector<MultiConditionRow> parseMultiConditionLines(const std::vector<Text>& lines);
std::vector<Text> multiConditionLines(const std::vector<MultiConditionRow>& rows);

// Both follow the text-file rules and throw VartelError when the file system fails.
std::vector<MultiConditionRow> readMultiConditionFile(const std::string& path);
void writeMultiConditionFile(const std::string& path, const MultiConditionTable& table);

}  // namespace vartel

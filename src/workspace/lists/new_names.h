#pragma once

#include <vector>

#include "common/text.h"

namespace vartel {

// New names the user wrote out elsewhere: one per line, for the checked rows in list order, or
// pairs of an old name (or a row's full path) and its new name from a CSV file.
struct NamePair {
    Text old;
    Text replacement;
};

// The names of a names list, one per line as it stands (spaces belong to names). Throws
// VartelError naming the line when a name holds a tab or another control character, which no
// list would mean as part of a name.
std::vector<Text> namesFromLines(std::vector<Text> lines);

// The pairs of a CSV file of two fields per line, quoted as spreadsheets quote them (a field
// with a comma or a quote in quotes, a quote in it doubled). Blank lines are skipped. Throws
// VartelError naming the line when a line does not hold two fields, or a quoted field runs on
// into the next line (a name with a line break).
std::vector<NamePair> namePairsFromCsv(const std::vector<Text>& lines);

}  // namespace vartel

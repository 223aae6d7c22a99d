#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace vartel::cli {

// How a command's records leave. As lines: fields end in TAB, records in a line break, and in
// each field a line break, a TAB, a backslash and every other control character or byte that is
// not UTF-8 is escaped (\n, \t, \\, \xHH), so no name can split a record or add a field. With
// -z: every field ends in NUL and holds its text as it is, as `xargs -0 -n FIELDS` reads them.

class ArgumentReader;
// Records as lines, or in the NUL form when the command's -z or --null asks for it.
void takeRecordForm(const ArgumentReader& reader);

// Appends a field of a record as the record form writes it; `last` ends the record.
void appendField(std::string& out, std::u32string_view text, bool last);

// One record of a command's result on standard output.
void printRecord(const std::vector<Text>& fields);
// A failed row on standard error: always one escaped line, as people read it.
void printErrorRecord(const std::vector<Text>& fields);

// A line of words on standard output, such as the summary; with -z it goes to standard error,
// so that standard output holds nothing but records.
void printLine(const Text& line);
// A message on standard error, as UTF-8.
void printErrorLine(const Text& line);

// What a field escaped as lines gives back: nothing when an escape is not one the lines make.
std::optional<std::string> unescapedField(std::string_view field);

}  // namespace vartel::cli

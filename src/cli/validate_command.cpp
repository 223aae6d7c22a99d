#include <cstdio>

#include "cli/argument_reader.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "common/integer_text.h"
#include "macro/instruction_catalogue.h"
#include "macro/operand_validation.h"

namespace vartel::cli {
namespace {

// A catalogue name first, then an index; an index the catalogue lacks is left to validateLine to
// refuse.
std::optional<int> indexOf(const std::string& given, const std::optional<int>& byName) {
    if (byName) return byName;
    return parseInteger(textFromBytes(given));
}

}  // namespace

int runValidate(const Arguments& args) {
    const ArgumentReader reader = readArguments("validate", args);
    const auto kindText = reader.value("--kind");
    const auto typeText = reader.value("--type");
    if (!reader.valid() || !reader.positional().empty() || !kindText || !typeText) {
        printUsage("validate");
        return 2;
    }
    const auto kind =
        indexOf(*kindText, InstructionCatalogue::kindIndexOf(textFromBytes(*kindText)));
    const auto type =
        kind
            ? indexOf(*typeText, InstructionCatalogue::typeIndexOf(*kind, textFromBytes(*typeText)))
            : std::nullopt;
    if (!kind || !type) {
        printUsage("validate");
        return 2;
    }
    const auto textOf = [&](const char* option) {
        return textFromBytes(reader.value(option).value_or(""));
    };
    const LineCheck result = validateLine(
        textOf("--target"), {textOf("--a"), textOf("--b"), textOf("--c")}, {*kind, *type});
    Text line = formatInteger(result.failures);
    for (const int code : result.codes) line.append(U"\t").append(formatInteger(code));
    const std::string bytes = bytesFromText(line) + "\n";
    std::fputs(bytes.c_str(), stdout);
    return 0;
}

}  // namespace vartel::cli

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "operations/operation.h"

namespace vartel::cli {

// "--op KIND [--set KEY=VALUE]..." groups taken out of a command's arguments, in order; the
// rest stays for the command's own options.
struct OperationArguments {
    std::vector<std::pair<std::string, std::vector<std::string>>> operations;
    Arguments rest;
};
std::optional<OperationArguments> splitOperations(const Arguments& args);

// What a key's value is: as typed on the tab, an index in the order of the tab's captions, or a
// flag.
enum class ValueForm { Text, Count, Number, Flag, Choice };

// One key of an operation, as the parser takes it and the help describes it.
struct OperationKey {
    std::string_view name;
    ValueForm form;
    std::string placeholder;          // what the help writes for the value: T, N, 0..4, 0|1
    std::string meaning;              // what the help says of the key; for a flag, of 1
    std::vector<std::string> values;  // a choice's meaning of each index from 0
    // Sets the value into settings that hold the key's operation; false for a bad value.
    std::function<bool(OperationSettings& settings, const std::string& value)> set;
};

// One operation of the command line: its word after --op, its tab's defaults and its keys in
// the order the help lists them. The parser, the help, the manual page's check and the tests
// all read these.
struct OperationDeclaration {
    std::string_view name;
    OperationSettings defaults;
    std::vector<OperationKey> keys;
};
const std::vector<OperationDeclaration>& operationDeclarations();

// The settings of one operation from its kind and "KEY=VALUE" pairs. On a bad kind, key or
// value, says why on standard error and gives nothing.
std::optional<OperationSettings> operationOf(const std::string& kind,
                                             const std::vector<std::string>& settings);

}  // namespace vartel::cli

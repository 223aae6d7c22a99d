#pragma once

#include <optional>
#include <string>
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

// The settings of one operation from its kind and "KEY=VALUE" pairs: the values as typed on
// the tab, the modes and the like as indices in the order of their captions, flags as 0 or 1.
// On a bad kind, key or value, says why on standard error and gives nothing.
std::optional<OperationSettings> operationOf(const std::string& kind,
                                             const std::vector<std::string>& settings);

}  // namespace vartel::cli

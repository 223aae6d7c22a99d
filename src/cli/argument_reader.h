#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace vartel::cli {

// Splits a command's arguments into "--option value" pairs, bare flags and positional words.
// Unknown options or a missing value make it invalid.
class ArgumentReader {
  public:
    ArgumentReader(const Arguments& args, const std::set<std::string>& valueOptions,
                   const std::set<std::string>& flags);

    bool valid() const { return valid_; }
    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& option) const;
    std::optional<std::string> value(const std::string& option) const;
    // Every value given for an option that may be repeated, in order.
    std::vector<std::string> values(const std::string& option) const;

  private:
    bool valid_ = true;
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> options_;
};

}  // namespace vartel::cli

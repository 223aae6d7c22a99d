#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace vartel::cli {

// Splits a command's arguments into "--option value" pairs, bare flags and positional words.
// Unknown options or a missing value make it invalid, and problem() says which. "--" ends the
// options: every word after it is positional, so a file may be named "-x".
class ArgumentReader {
  public:
    ArgumentReader(const Arguments& args, const std::set<std::string>& valueOptions,
                   const std::set<std::string>& flags);

    bool valid() const { return problem_.empty(); }
    // What made the arguments invalid, naming the option; empty when they are valid.
    const std::string& problem() const { return problem_; }
    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& option) const;
    std::optional<std::string> value(const std::string& option) const;
    // Every value given for an option that may be repeated, in order.
    std::vector<std::string> values(const std::string& option) const;

  private:
    std::string problem_;
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> options_;
};

// Whether a word is an option's name rather than a value or a path: "-" alone (standard
// input) and a negative number are not.
bool looksLikeOption(const std::string& word);

}  // namespace vartel::cli

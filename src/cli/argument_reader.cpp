#include "cli/argument_reader.h"

namespace vartel::cli {

ArgumentReader::ArgumentReader(const Arguments& args, const std::set<std::string>& valueOptions,
                               const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            positional_.insert(positional_.end(), args.begin() + static_cast<long>(i) + 1,
                               args.end());
            return;
        }
        if (flags.contains(arg)) {
            options_.emplace_back(arg, "");
        } else if (valueOptions.contains(arg)) {
            if (i + 1 >= args.size()) {
                problem_ = "option '" + arg + "' needs a value";
                return;
            }
            options_.emplace_back(arg, args[++i]);
        } else if (looksLikeOption(arg)) {
            problem_ = "unknown option '" + arg + "'";
            return;
        } else {
            positional_.push_back(arg);
        }
    }
}

bool ArgumentReader::has(const std::string& option) const {
    for (const auto& [name, value] : options_) {
        if (name == option) return true;
    }
    return false;
}

std::optional<std::string> ArgumentReader::value(const std::string& option) const {
    std::optional<std::string> found;
    for (const auto& [name, value] : options_) {
        if (name == option) found = value;
    }
    return found;
}

std::vector<std::string> ArgumentReader::values(const std::string& option) const {
    std::vector<std::string> found;
    for (const auto& [name, value] : options_) {
        if (name == option) found.push_back(value);
    }
    return found;
}

bool looksLikeOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && (word[1] < '0' || word[1] > '9');
}

}  // namespace vartel::cli

#include "cli/operation_arguments.h"

#include <cstdio>
#include <functional>
#include <map>

#include "common/integer_text.h"

namespace vartel::cli {
namespace {

// The spin boxes for N and C hold 1 to 255.
constexpr int kMinCount = 1;
constexpr int kMaxCount = 255;

class SettingReader {
  public:
    explicit SettingReader(const std::string& kind) : kind_(kind) {}

    bool failed() const { return failed_; }

    // Counts, indices and flags: integers within their bounds.
    std::function<void(const std::string&)> integer(int& target, std::int64_t low,
                                                    std::int64_t high) {
        return [this, &target, low, high](const std::string& value) {
            const auto parsed = parseInteger(textFromBytes(value));
            if (!parsed || *parsed < low || *parsed > high) return fail(value);
            target = *parsed;
        };
    }
    std::function<void(const std::string&)> number(std::int32_t& target) {
        return integer(target, INT32_MIN, INT32_MAX);
    }
    std::function<void(const std::string&)> flag(bool& target) {
        return [this, &target](const std::string& value) {
            if (value != "0" && value != "1") return fail(value);
            target = value == "1";
        };
    }
    template <class Enum>
    std::function<void(const std::string&)> choice(Enum& target, int count) {
        return [this, &target, count](const std::string& value) {
            int index = 0;
            integer(index, 0, count - 1)(value);
            target = static_cast<Enum>(index);
        };
    }
    static std::function<void(const std::string&)> text(Text& target) {
        return [&target](const std::string& value) { target = textFromBytes(value); };
    }

    void apply(const std::map<std::string, std::function<void(const std::string&)>>& keys,
               const std::vector<std::string>& settings) {
        for (const auto& setting : settings) {
            const auto equals = setting.find('=');
            const std::string key = setting.substr(0, equals);
            if (equals == std::string::npos || !keys.contains(key)) {
                std::fprintf(stderr, "unknown setting for %s: %s\n", kind_.c_str(),
                             setting.c_str());
                failed_ = true;
                continue;
            }
            keys.at(key)(setting.substr(equals + 1));
        }
    }

  private:
    void fail(const std::string& value) {
        std::fprintf(stderr, "bad value for %s: %s\n", kind_.c_str(), value.c_str());
        failed_ = true;
    }

    std::string kind_;
    bool failed_ = false;
};

template <class Settings>
std::optional<OperationSettings> settingsOf(const std::string& kind,
                                            const std::vector<std::string>& settings) {
    Settings s;
    SettingReader r(kind);
    if constexpr (std::is_same_v<Settings, AddTextSettings>) {
        r.apply({{"text", r.text(s.text)},
                 {"mode", r.choice(s.mode, 5)},
                 {"n", r.integer(s.n, kMinCount, kMaxCount)},
                 {"a", r.text(s.a)},
                 {"case", r.flag(s.caseSensitive)}},
                settings);
    } else if constexpr (std::is_same_v<Settings, DeleteSettings>) {
        r.apply({{"mode", r.choice(s.mode, 5)},
                 {"n", r.integer(s.n, kMinCount, kMaxCount)},
                 {"c", r.integer(s.c, kMinCount, kMaxCount)},
                 {"a", r.text(s.a)},
                 {"b", r.text(s.b)},
                 {"case", r.flag(s.caseSensitive)}},
                settings);
    } else if constexpr (std::is_same_v<Settings, ReplaceSettings>) {
        r.apply({{"range", r.choice(s.range, 4)},
                 {"kind", r.choice(s.kind, kReplaceKindCount)},
                 {"s", r.text(s.s)},
                 {"r", r.text(s.r)},
                 {"n", r.integer(s.n, kMinCount, kMaxCount)},
                 {"c", r.integer(s.c, kMinCount, kMaxCount)},
                 {"case", r.flag(s.caseSensitive)},
                 {"regex", r.flag(s.regex)}},
                settings);
    } else if constexpr (std::is_same_v<Settings, NumberingSettings>) {
        r.apply({{"form", r.choice(s.form, 6)},
                 {"start", r.number(s.start)},
                 {"step", r.number(s.step)},
                 {"auto", r.flag(s.autoDigits)},
                 {"a", r.text(s.a)},
                 {"b", r.text(s.b)},
                 {"n", r.integer(s.n, kMinCount, kMaxCount)},
                 {"case", r.flag(s.caseSensitive)},
                 {"group", r.flag(s.perFolder)}},
                settings);
    } else {
        r.apply({{"mode", r.choice(s.mode, 5)},
                 {"a", r.text(s.a)},
                 {"n", r.integer(s.n, kMinCount, kMaxCount)},
                 {"c", r.integer(s.c, kMinCount, kMaxCount)}},
                settings);
    }
    if (r.failed()) return std::nullopt;
    return s;
}

}  // namespace

std::optional<OperationArguments> splitOperations(const Arguments& args) {
    OperationArguments split;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--op" && args[i] != "--set") {
            split.rest.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size()) return std::nullopt;
        if (args[i] == "--op") {
            split.operations.push_back({args[++i], {}});
        } else if (split.operations.empty()) {
            return std::nullopt;  // a setting before any operation
        } else {
            split.operations.back().second.push_back(args[++i]);
        }
    }
    return split;
}

std::optional<OperationSettings> operationOf(const std::string& kind,
                                             const std::vector<std::string>& settings) {
    if (kind == "add") return settingsOf<AddTextSettings>(kind, settings);
    if (kind == "delete") return settingsOf<DeleteSettings>(kind, settings);
    if (kind == "replace") return settingsOf<ReplaceSettings>(kind, settings);
    if (kind == "number") return settingsOf<NumberingSettings>(kind, settings);
    if (kind == "extension") return settingsOf<ExtensionSettings>(kind, settings);
    std::fprintf(stderr, "unknown operation: %s\n", kind.c_str());
    return std::nullopt;
}

}  // namespace vartel::cli

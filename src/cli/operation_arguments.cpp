#include "cli/operation_arguments.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "common/integer_text.h"

namespace vartel::cli {
namespace {

// The spin boxes for N and C hold 1 to 255.
constexpr int kMinCount = 1;
constexpr int kMaxCount = 255;

std::optional<std::int64_t> integerWithin(const std::string& value, std::int64_t low,
                                          std::int64_t high) {
    const auto parsed = parseInteger(textFromBytes(value));
    if (!parsed || *parsed < low || *parsed > high) return std::nullopt;
    return *parsed;
}

// The keys of one operation's settings, each bound to its field.
template <class Settings>
struct KeysOf {
    static OperationKey text(std::string_view name, std::string placeholder, Text Settings::*field,
                             std::string meaning) {
        return {name,
                ValueForm::Text,
                std::move(placeholder),
                std::move(meaning),
                {},
                [field](OperationSettings& settings, const std::string& value) {
                    std::get<Settings>(settings).*field = textFromBytes(value);
                    return true;
                }};
    }
    static OperationKey count(std::string_view name, std::string placeholder, int Settings::*field,
                              std::string meaning) {
        return {name,
                ValueForm::Count,
                std::move(placeholder),
                std::move(meaning),
                {},
                [field](OperationSettings& settings, const std::string& value) {
                    const auto parsed = integerWithin(value, kMinCount, kMaxCount);
                    if (parsed) std::get<Settings>(settings).*field = static_cast<int>(*parsed);
                    return parsed.has_value();
                }};
    }
    static OperationKey number(std::string_view name, std::int32_t Settings::*field,
                               std::string meaning) {
        return {name,
                ValueForm::Number,
                "NUMBER",
                std::move(meaning),
                {},
                [field](OperationSettings& settings, const std::string& value) {
                    const auto parsed = integerWithin(value, INT32_MIN, INT32_MAX);
                    if (parsed) std::get<Settings>(settings).*field = static_cast<int>(*parsed);
                    return parsed.has_value();
                }};
    }
    static OperationKey flag(std::string_view name, bool Settings::*field, std::string meaning) {
        return {name,
                ValueForm::Flag,
                "0|1",
                std::move(meaning),
                {},
                [field](OperationSettings& settings, const std::string& value) {
                    if (value != "0" && value != "1") return false;
                    std::get<Settings>(settings).*field = value == "1";
                    return true;
                }};
    }
    // An index into the enum's values, in the order of the tab's captions; values holds the
    // meaning of each, count of them.
    template <class Enum>
    static OperationKey choice(std::string_view name, Enum Settings::*field, int count,
                               std::vector<std::string> values) {
        if (values.size() != static_cast<std::size_t>(count))
            throw std::logic_error("a meaning for every value of " + std::string(name));
        const std::string placeholder = "0.." + std::to_string(count - 1);
        return {name,
                ValueForm::Choice,
                placeholder,
                {},
                std::move(values),
                [field, count](OperationSettings& settings, const std::string& value) {
                    const auto parsed = integerWithin(value, 0, count - 1);
                    if (parsed) std::get<Settings>(settings).*field = static_cast<Enum>(*parsed);
                    return parsed.has_value();
                }};
    }
};

std::vector<std::string> replaceKinds() {
    std::vector<std::string> kinds = {"replace S by R", "lower case", "upper case"};
    for (const auto& conversion : kTextConversions) {
        kinds.push_back(bytesFromText(Text(conversion.caption)) + ": " +
                        std::string(conversion.help));
    }
    return kinds;
}

std::vector<OperationDeclaration> declareOperations() {
    using Add = KeysOf<AddTextSettings>;
    using Delete = KeysOf<DeleteSettings>;
    using Replace = KeysOf<ReplaceSettings>;
    using Number = KeysOf<NumberingSettings>;
    using Extension = KeysOf<ExtensionSettings>;
    return {
        {"add",
         AddTextSettings{},
         {Add::text("text", "T", &AddTextSettings::text, "the text to add"),
          Add::choice(
              "mode", &AddTextSettings::mode, kAddTextModeCount,
              {"at the start", "at the end", "after the N-th character", "before A", "after A"}),
          Add::count("n", "N", &AddTextSettings::position, "the character mode 2 adds after"),
          Add::text("a", "A", &AddTextSettings::textA, "the text modes 3 and 4 add beside"),
          Add::flag("case", &AddTextSettings::caseSensitive, "A matches letter case")}},
        {"delete",
         DeleteSettings{},
         {Delete::choice("mode", &DeleteSettings::mode, kDeleteModeCount,
                         {"C characters from the start", "C characters from the end",
                          "C characters from the N-th", "every A", "A, B and what lies between"}),
          Delete::count("n", "N", &DeleteSettings::position, "the character mode 2 starts at"),
          Delete::count("c", "C", &DeleteSettings::count, "how many characters"),
          Delete::text("a", "A", &DeleteSettings::textA, "the text of modes 3 and 4"),
          Delete::text("b", "B", &DeleteSettings::textB, "the end of mode 4"),
          Delete::flag("case", &DeleteSettings::caseSensitive, "A and B match letter case")}},
        {"replace",
         ReplaceSettings{},
         {Replace::choice("range", &ReplaceSettings::range, kReplaceRangeCount,
                          {"the whole stem", "the first C characters", "the last C characters",
                           "C characters from the N-th"}),
          Replace::choice("kind", &ReplaceSettings::kind, kReplaceKindCount, replaceKinds()),
          Replace::text("s", "S", &ReplaceSettings::search, "the text to search for"),
          Replace::text("r", "R", &ReplaceSettings::replacement, "what replaces it"),
          Replace::count("n", "N", &ReplaceSettings::position, "the character range 3 starts at"),
          Replace::count("c", "C", &ReplaceSettings::count, "how many characters"),
          Replace::flag("case", &ReplaceSettings::caseSensitive, "S matches letter case"),
          Replace::flag("regex", &ReplaceSettings::regex,
                        "with kind 0, S is a regular expression and R may use $0..$9")}},
        {"number",
         NumberingSettings{},
         {Number::choice("form", &NumberingSettings::form, kNumberingFormCount,
                         {"A + number + B", "number at the start", "number at the end",
                          "number after the N-th character", "number before A", "number after A"}),
          Number::number("start", &NumberingSettings::start, "the first number"),
          Number::number("step", &NumberingSettings::step, "added for each file"),
          Number::flag("auto", &NumberingSettings::autoDigits,
                       "zero fill to the digits of the file count"),
          Number::text("a", "A", &NumberingSettings::textA,
                       "before the number in form 0; forms 4 and 5 number beside it"),
          Number::text("b", "B", &NumberingSettings::textB, "after the number in form 0"),
          Number::count("n", "N", &NumberingSettings::position,
                        "the character form 3 numbers after"),
          Number::flag("case", &NumberingSettings::caseSensitive, "A matches letter case"),
          Number::flag("group", &NumberingSettings::perFolder,
                       "number each folder on its own, wherever its rows stand, the zero fill "
                       "then following the largest folder")}},
        {"extension",
         ExtensionSettings{},
         {Extension::choice(
              "mode", &ExtensionSettings::mode, kExtensionModeCount,
              {"make every extension A", "add A at its start", "add A at its end",
               "add A after its N-th character", "delete C characters from its N-th"}),
          Extension::text("a", "A", &ExtensionSettings::text,
                          "the extension text, without the dot"),
          Extension::count("n", "N", &ExtensionSettings::position,
                           "the character modes 3 and 4 start at"),
          Extension::count("c", "C", &ExtensionSettings::count,
                           "how many characters mode 4 deletes")}},
    };
}

}  // namespace

const std::vector<OperationDeclaration>& operationDeclarations() {
    static const std::vector<OperationDeclaration> declarations = declareOperations();
    return declarations;
}

std::optional<OperationArguments> splitOperations(const Arguments& args) {
    OperationArguments split;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") {  // the paths, whatever they look like
            split.rest.insert(split.rest.end(), args.begin() + static_cast<long>(i), args.end());
            break;
        }
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
    for (const auto& operation : operationDeclarations()) {
        if (operation.name != kind) continue;
        OperationSettings result = operation.defaults;
        bool failed = false;
        for (const auto& setting : settings) {
            const auto equals = setting.find('=');
            const std::string_view name = std::string_view(setting).substr(0, equals);
            const OperationKey* key = nullptr;
            for (const auto& candidate : operation.keys) {
                if (candidate.name == name) key = &candidate;
            }
            if (equals == std::string::npos || key == nullptr) {
                std::fprintf(stderr, "unknown setting for %s: %s\n", kind.c_str(), setting.c_str());
                failed = true;
                continue;
            }
            const std::string value = setting.substr(equals + 1);
            if (!key->set(result, value)) {
                std::fprintf(stderr, "bad value for %s: %s\n", kind.c_str(), value.c_str());
                failed = true;
            }
        }
        if (failed) return std::nullopt;
        return result;
    }
    std::fprintf(stderr, "unknown operation: %s\n", kind.c_str());
    return std::nullopt;
}

}  // namespace vartel::cli

#include "cli/command_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "../support/cli_runner.h"
#include "cli/operation_arguments.h"
#include "workspace/batch/plan_texts.h"

namespace vartel::cli {
namespace {

TEST(CommandTableTest, VersionAndHelpAnswerAndAMissingOrUnknownCommandIsAUsageError) {
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "vartel-cli " VARTEL_VERSION "\n");

    const CliResult help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const Command& command : commands())
        EXPECT_NE(help.out.find("\n  " + std::string(command.name) + " "), std::string::npos)
            << command.name;
    for (const char* code : {"0 success", "1 a run", "2 usage", "3 macro-run", "4 rename"})
        EXPECT_NE(help.out.find(code), std::string::npos) << code;

    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"no-such-command"}}) {
        const CliResult wrong = runCli(args);
        EXPECT_EQ(wrong.exitCode, 2);
        EXPECT_TRUE(wrong.err.ends_with(help.out)) << wrong.err;
        EXPECT_EQ(wrong.out, "");
    }
}

TEST(CommandTableTest, EveryCommandDescribesItselfAndPrintsItsUsageWhenMisused) {
    for (const Command& command : commands()) {
        const std::string name(command.name);
        const std::string usage = "usage: " + std::string(command.usage) + "\n";
        const CliResult help = runCli({name, "--help"});
        EXPECT_EQ(help.exitCode, 0) << name;
        EXPECT_TRUE(help.out.starts_with(usage)) << help.out;
        EXPECT_NE(help.out.find("Exit status:"), std::string::npos) << name;
        // Every option the parser takes is in the usage line and has a line of its own, alone
        // or beside its other name ("-z, --null").
        for (const auto* options : {&command.valueOptions, &command.flags}) {
            for (const std::string& option : *options) {
                EXPECT_NE(usage.find(option), std::string::npos) << name << ' ' << option;
                const bool described = help.out.find("\n  " + option + ' ') != std::string::npos ||
                                       help.out.find("\n  " + option + ", ") != std::string::npos ||
                                       help.out.find(", " + option + ' ') != std::string::npos;
                EXPECT_TRUE(described) << name << ' ' << option;
            }
        }

        // A misuse names the option, shows the usage and points to the help.
        const CliResult misuse = runCli({name, "--no-such-option", "x"});
        EXPECT_EQ(misuse.exitCode, 2) << name;
        EXPECT_EQ(misuse.err, "vartel-cli " + name + ": unknown option '--no-such-option'\n" +
                                  usage + "Try 'vartel-cli " + name + " --help' for more.\n")
            << name;
    }
    // The operations are described wherever a command takes one.
    EXPECT_NE(runCli({"record", "--help"}).out.find("  number     keys: form start step"),
              std::string::npos);
}

TEST(CommandTableTest, TheProgramsHelpNamesTheGuideAndTheMacroFoldersInOrder) {
    ProgramFiles files;
    files.guide = "/usr/share/doc/vartel/ReadMe.html";
    files.macroFolders = {"/home/u/.local/share/vartel/Data", "/usr/share/vartel/Data"};
    files.macroSaveFolder = files.macroFolders[0];
    EXPECT_NE(programHelp(files).find("Files:\n"
                                      "  user guide      /usr/share/doc/vartel/ReadMe.html\n"
                                      "  macro folders   /home/u/.local/share/vartel/Data  (new "
                                      "macros)\n"
                                      "                  /usr/share/vartel/Data\n"),
              std::string::npos)
        << programHelp(files);
}

// What one operation's block of "COMMAND --help" says: its keys line, and per key the
// placeholder, the rest of its line and the indices it lists.
struct HelpedKey {
    std::string placeholder;
    std::string text;
    std::vector<int> values;
};
struct HelpedOperation {
    std::vector<std::string> keys;
    std::map<std::string, HelpedKey> described;
};

std::map<std::string, HelpedOperation> operationsInHelp(const std::string& help) {
    std::map<std::string, HelpedOperation> operations;
    std::istringstream lines(help.substr(help.find("\nOPERATION is")));
    std::string line;
    HelpedOperation* operation = nullptr;
    HelpedKey* key = nullptr;
    while (std::getline(lines, line)) {
        if (const auto keys = line.find(" keys: "); keys != std::string::npos) {
            std::istringstream name(line);
            std::string word;
            name >> word;
            operation = &operations[word];
            std::istringstream listed(line.substr(keys + 7));
            while (listed >> word) operation->keys.push_back(word);
        } else if (operation != nullptr && line.starts_with("             ")) {
            std::istringstream words(line);
            std::string first;
            words >> first;
            if (const auto equals = first.find('='); equals != std::string::npos) {
                key = &operation->described[first.substr(0, equals)];
                key->placeholder = first.substr(equals + 1);
                std::getline(words, key->text);
                key->text.erase(0, key->text.find_first_not_of(' '));
                words.clear();
                words.str(key->text);
                words >> first;
            }
            if (key != nullptr && key->placeholder.find("..") != std::string::npos)
                key->values.push_back(std::stoi(first));
        }
    }
    return operations;
}

// The values a key takes among those probed, as its help reads and as the parser sets them.
const std::vector<std::string> kProbes = [] {
    std::vector<std::string> probes = {"",           "x",           "1.5",        "2147483647",
                                       "2147483648", "-2147483648", "-2147483649"};
    for (int i = -2; i <= 300; ++i) probes.push_back(std::to_string(i));
    return probes;
}();

std::set<std::string> takenByHelp(const HelpedKey& key) {
    std::set<std::string> taken;
    for (const auto& probe : kProbes) {
        const bool isInteger =
            !probe.empty() && probe.find_first_not_of("-0123456789") == std::string::npos;
        const long long value = isInteger ? std::stoll(probe) : 0;
        bool takes = false;
        if (!key.values.empty()) {
            takes = isInteger && std::count(key.values.begin(), key.values.end(), value) == 1;
        } else if (key.placeholder == "0|1") {
            takes = probe == "0" || probe == "1";
        } else if (key.text.starts_with("1 to 255")) {
            takes = isInteger && value >= 1 && value <= 255;
        } else if (key.text.starts_with("a 32-bit integer")) {
            takes = isInteger && value >= INT32_MIN && value <= INT32_MAX;
        } else {
            takes = true;  // a text
        }
        if (takes) taken.insert(probe);
    }
    return taken;
}

TEST(CommandTableTest, TheHelpListsEveryKeyAndEveryValueTheParserTakes) {
    for (const char* command : {"preview", "rename", "record"}) {
        const auto helped = operationsInHelp(runCli({command, "--help"}).out);
        ASSERT_EQ(helped.size(), operationDeclarations().size()) << command;
        for (const auto& operation : operationDeclarations()) {
            const std::string name(operation.name);
            SCOPED_TRACE(std::string(command) + " --op " + name);
            ASSERT_TRUE(helped.contains(name));
            const HelpedOperation& help = helped.at(name);
            std::vector<std::string> declared;
            for (const auto& key : operation.keys) declared.emplace_back(key.name);
            EXPECT_EQ(help.keys, declared);
            for (const auto& key : operation.keys) {
                const std::string keyName(key.name);
                ASSERT_TRUE(help.described.contains(keyName)) << keyName;
                std::set<std::string> parsed;
                for (const auto& probe : kProbes) {
                    OperationSettings settings = operation.defaults;
                    if (key.set(settings, probe)) parsed.insert(probe);
                }
                EXPECT_EQ(parsed, takenByHelp(help.described.at(keyName))) << keyName;
                // The parser knows the key by the name the help gives it.
                EXPECT_TRUE(operationOf(name, {keyName + "=1"}).has_value()) << keyName;
            }
            EXPECT_FALSE(operationOf(name, {"no-such-key=1"}).has_value());
        }
    }
}

TEST(CommandTableTest, TheHelpNamesValuesAsTheirTablesDo) {
    const std::string rename = runCli({"rename", "--help"}).out;
    for (const auto& conversion : kTextConversions) {
        const std::string kind = std::to_string(static_cast<int>(replaceKindOf(conversion.id)));
        const std::string meaning =
            bytesFromText(Text(conversion.caption)) + ": " + std::string(conversion.help) + "\n";
        const auto at = rename.find(meaning);
        ASSERT_NE(at, std::string::npos) << kind;
        const auto lineStart = rename.rfind('\n', at) + 1;
        std::istringstream line(rename.substr(lineStart, at - lineStart));
        std::string index;
        line >> index;
        EXPECT_EQ(index, kind);
    }
    const std::string preview = runCli({"preview", "--help"}).out;
    for (const auto& status : kPlanStatuses) {
        if (status.help.empty()) continue;
        EXPECT_NE(preview.find(" " + std::string(status.key) + " "), std::string::npos)
            << status.key;
        EXPECT_NE(preview.find(std::string(status.help) + "\n"), std::string::npos) << status.key;
    }
}

// The manual page's list of the operations' keys is the one the program makes; a change of the
// keys fails here until the page is brought in step (the text to put in is printed).
TEST(CommandTableTest, TheManualPageListsTheKeysTheHelpDoes) {
    std::ifstream file(VARTEL_MANUAL_PAGE);
    std::stringstream page;
    page << file.rdbuf();
    const std::string text = page.str();
    const std::string begin = ".\\\" Begin of the operations' keys\n";
    const std::string end = ".\\\" End of the operations' keys\n";
    const auto from = text.find(begin);
    const auto to = text.find(end);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    EXPECT_EQ(text.substr(from + begin.size(), to - from - begin.size()), operationsManual());
    // The exit codes: the page's table holds every code the help names, and no other.
    const auto section = text.substr(text.find(".SH EXIT STATUS"));
    std::set<std::string> pageCodes;
    std::istringstream page_lines(section.substr(0, section.find(".SH FILES")));
    for (std::string line, previous; std::getline(page_lines, line); previous = line)
        if (previous == ".TP" && line.starts_with(".B ")) pageCodes.insert(line.substr(3));
    const std::string help = runCli({"--help"}).out;
    const std::string exits = help.substr(help.find("Exit status: "), help.find("\nOutput that"));
    std::set<std::string> helpCodes;
    const std::regex code("(^Exit status: |; |\n)([0-9]+) ");
    for (auto it = std::sregex_iterator(exits.begin(), exits.end(), code);
         it != std::sregex_iterator(); ++it)
        helpCodes.insert((*it)[2]);
    EXPECT_EQ(pageCodes, helpCodes);
    EXPECT_EQ(pageCodes.size(), 8u);
    for (const auto& status : kPlanStatuses) {
        std::string key;
        for (const char c : status.key) key += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(text.find(key), std::string::npos) << status.key;
    }
}

}  // namespace
}  // namespace vartel::cli

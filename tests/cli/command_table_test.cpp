#include "cli/command_table.h"

#include <gtest/gtest.h>

#include "../support/cli_runner.h"

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
        EXPECT_EQ(wrong.err, help.out);
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

        const CliResult misuse = runCli({name, "--no-such-option", "x"});
        EXPECT_EQ(misuse.exitCode, 2) << name;
        EXPECT_EQ(misuse.err, usage) << name;
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

}  // namespace
}  // namespace vartel::cli

#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "temporary_folder.h"

namespace vartel {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `program` with the arguments (each quoted for the shell). Its journals go to the state
// folder given, or to a fresh one that goes with the call; standard output goes to `output`
// when one is given (and then is not read back).
inline CliResult runProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::string& stateFolder = {}, const std::string& output = {}) {
    TemporaryFolder folder;
    std::string command = "XDG_STATE_HOME='" +
                          (stateFolder.empty() ? folder.path().string() : stateFolder) + "' '" +
                          program + "'";
    for (const auto& arg : args) {
        std::string quoted = "'";
        for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += " " + quoted + "'";
    }
    command += " >'" + (output.empty() ? folder.file("out") : output) + "' 2>'" +
               folder.file("err") + "' </dev/null";
    const int status = std::system(command.c_str());
    const auto slurp = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        return buffer.str();
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(folder.file("out")),
            slurp(folder.file("err"))};
}

// The built vartel-cli.
inline CliResult runCli(const std::vector<std::string>& args, const std::string& stateFolder = {},
                        const std::string& output = {}) {
    return runProgram(VARTEL_CLI_PATH, args, stateFolder, output);
}

}  // namespace vartel

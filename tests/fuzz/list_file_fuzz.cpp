// Any bytes as a conversion-list file, loaded as the window loads one. Every line is made a path
// inside a scratch folder first, so the walk never leaves it.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "../support/scripted_dialogs.h"
#include "common/error.h"
#include "platform/text_file.h"
#include "workspace/lists/list_files.h"
#include "workspace/workspace.h"

namespace {

const std::filesystem::path& scratch() {
    static const auto folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("vartel-fuzz-list-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path / "sub" / "deeper");
        for (const char* name : {"a.txt", "sub/b.txt", "sub/deeper/c", "sub/Thumbs.db"}) {
            std::ofstream(path / name) << "x";
        }
        std::ofstream(path / "empty.txt");
        return path;
    }();
    return folder;
}

// Keeps a line inside the scratch folder: no absolute paths, no way up.
vartel::Text confined(const vartel::Text& line) {
    vartel::Text safe;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, U"..") == 0) {
            safe += U"_";
            ++i;
        } else {
            safe.push_back(line[i]);
        }
    }
    return vartel::textFromBytes(scratch().string()) + U"/" + safe;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vartel;
    const auto lines = decodeTextLines(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<Text> paths;
    for (const auto& line : lines) paths.push_back(confined(line));
    const std::string listPath = (scratch() / "list.csv").string();
    writeTextFile(listPath, paths);

    ScriptedDialogs dialogs;
    NoPump pump;
    Workspace workspace(dialogs, pump);
    dialogs.files = {listPath};
    try {
        loadList(workspace);
    } catch (const VartelError&) {
    }
    return 0;
}

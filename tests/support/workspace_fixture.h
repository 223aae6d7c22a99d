#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "common/error.h"
#include "scripted_dialogs.h"
#include "temporary_folder.h"
#include "workspace/list_walk.h"
#include "workspace/workspace.h"

namespace vartel {

// Counts the pumps and, when told, presses "中止" at one of them or fails in one.
class AbortingPump : public Pump {
  public:
    Workspace* workspace = nullptr;
    int abortAt = -1;
    int failAt = -1;
    int calls = 0;
    void pump() override {
        ++calls;
        if (calls == abortAt && workspace != nullptr) workspace->abort();
        if (calls == failAt) throw VartelError(U"failed while busy");
    }
};

// A workspace over a real temporary folder; the pump runs after every item, so an abort takes
// effect at once.
class WorkspaceTest : public ::testing::Test {
  protected:
    WorkspaceTest() { pump.workspace = &workspace; }

    // Writes a file of the given content (relative path, folders made as needed).
    std::string makeFile(const std::string& relative, const std::string& content = "x") {
        const auto path = folder.path() / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::string path(const std::string& relative) const { return folder.file(relative); }
    Text pathText(const std::string& relative) const { return textFromBytes(path(relative)); }
    bool exists(const std::string& relative) const {
        struct stat info {};
        return ::lstat(path(relative).c_str(), &info) == 0;
    }
    std::string contentOf(const std::string& relative) const {
        std::ifstream in(path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void dropPaths(const std::vector<std::string>& relatives) {
        std::vector<Text> paths;
        for (const auto& relative : relatives) paths.push_back(pathText(relative));
        workspace.drop(paths);
    }

    // Files whose content is their own name, dropped in this order, each given the new name
    // from the map in one preview (the others keep theirs).
    void preview(const std::vector<std::string>& files, const std::map<Text, Text>& renames) {
        for (const auto& file : files) makeFile(file, file);
        dropPaths(files);
        BusyScope busy(workspace);
        walkCheckedRows(workspace, [&](const FileEntry& row) -> std::optional<Text> {
            const auto found = renames.find(row.name);
            return found == renames.end() ? row.name : found->second;
        });
    }

    std::vector<Text> names() const {
        std::vector<Text> result;
        for (const auto& row : workspace.conversionList()) result.push_back(row.name);
        return result;
    }
    std::vector<Text> previewNames() const {
        std::vector<Text> result;
        for (const auto& row : workspace.previewList()) result.push_back(row.newName);
        return result;
    }

    TemporaryFolder folder;
    ScriptedDialogs dialogs;
    AbortingPump pump;
    Workspace workspace{dialogs, pump, std::chrono::milliseconds(0)};
};

}  // namespace vartel

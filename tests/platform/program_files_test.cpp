#include "platform/program_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "../support/temporary_folder.h"
#include "platform/file_system.h"

namespace vartel {
namespace {

TEST(ProgramFilesTest, ABuildFolderKeepsEverythingBesideTheProgram) {
    TemporaryFolder folder;
    const std::string build = folder.file("build");
    std::filesystem::create_directories(build);
    const ProgramFiles files = programFilesFor(build, folder.file("data"), folder.file("state"));
    EXPECT_FALSE(files.installed);
    EXPECT_EQ(files.guide, build + "/ReadMe.html");
    EXPECT_EQ(files.macroFolders, std::vector<std::string>{build + "/Data"});
    EXPECT_EQ(files.macroSaveFolder, build + "/Data");
    // The window's state is the user's, beside the journals, wherever the program runs from.
    EXPECT_EQ(files.windowState, folder.file("state") + "/vartel/window.ini");
}

TEST(ProgramFilesTest, AnInstalledProgramListsTheUsersMacrosBeforeTheBundledOnes) {
    TemporaryFolder folder;
    const std::string prefix = folder.file("usr");
    std::filesystem::create_directories(prefix + "/bin");
    std::filesystem::create_directories(prefix + "/share/vartel/Data");
    const std::string home = folder.file("home/.local/share");

    const ProgramFiles files = programFilesFor(prefix + "/bin", home, "");
    EXPECT_TRUE(files.installed);
    EXPECT_EQ(files.guide, prefix + "/share/doc/vartel/ReadMe.html");
    EXPECT_EQ(files.macroFolders,
              (std::vector<std::string>{home + "/vartel/Data", prefix + "/share/vartel/Data"}));
    EXPECT_EQ(files.macroSaveFolder, home + "/vartel/Data");

    // Without a home folder there is only the bundled one, and no folder to start saving in.
    const ProgramFiles homeless = programFilesFor(prefix + "/bin", "", "");
    EXPECT_EQ(homeless.macroFolders, std::vector<std::string>{prefix + "/share/vartel/Data"});
    EXPECT_EQ(homeless.macroSaveFolder, "");
    EXPECT_EQ(homeless.windowState, "");
}

// Sets or clears an environment variable for the life of the object.
class EnvironmentValue {
  public:
    EnvironmentValue(const char* name, const char* value) : name_(name) {
        if (const char* before = std::getenv(name)) before_ = before;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvironmentValue() {
        if (before_)
            ::setenv(name_, before_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> before_;
};

TEST(ProgramFilesTest, TheUsersFoldersFollowTheirVariablesOnlyWhenAbsolute) {
    const EnvironmentValue home("HOME", "/home/someone");
    struct Case {
        const char* value;  // of XDG_DATA_HOME and XDG_STATE_HOME alike
        const char* data;
        const char* state;
    };
    const char* const data = "/home/someone/.local/share";
    const char* const state = "/home/someone/.local/state";
    for (const Case& c : {Case{"/here", "/here", "/here"}, Case{"relative/path", data, state},
                          Case{"", data, state}, Case{nullptr, data, state}}) {
        const EnvironmentValue dataHome("XDG_DATA_HOME", c.value);
        const EnvironmentValue stateHome("XDG_STATE_HOME", c.value);
        EXPECT_EQ(userDataHome(), c.data) << (c.value ? c.value : "(unset)");
        EXPECT_EQ(userStateHome(), c.state) << (c.value ? c.value : "(unset)");
    }
}

TEST(ProgramFilesTest, CreateFoldersMakesEveryMissingLevelAndRefusesAFileInTheWay) {
    TemporaryFolder folder;
    EXPECT_TRUE(createFolders(folder.file("a/b/c")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("a/b/c")));
    EXPECT_TRUE(createFolders(folder.file("a/b/c")));  // already there
    std::ofstream(folder.file("a/file")) << "x";
    EXPECT_FALSE(createFolders(folder.file("a/file")));
    EXPECT_FALSE(createFolders(folder.file("a/file/below")));
}

}  // namespace
}  // namespace vartel

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
    const ProgramFiles files = programFilesFor(build, folder.file("home"));
    EXPECT_FALSE(files.installed);
    EXPECT_EQ(files.guide, build + "/ReadMe.html");
    EXPECT_EQ(files.macroFolders, std::vector<std::string>{build + "/Data"});
    EXPECT_EQ(files.macroSaveFolder, build + "/Data");
}

TEST(ProgramFilesTest, AnInstalledProgramListsTheUsersMacrosBeforeTheBundledOnes) {
    TemporaryFolder folder;
    const std::string prefix = folder.file("usr");
    std::filesystem::create_directories(prefix + "/bin");
    std::filesystem::create_directories(prefix + "/share/vartel/Data");
    const std::string home = folder.file("home/.local/share");

    const ProgramFiles files = programFilesFor(prefix + "/bin", home);
    EXPECT_TRUE(files.installed);
    EXPECT_EQ(files.guide, prefix + "/share/doc/vartel/ReadMe.html");
    EXPECT_EQ(files.macroFolders,
              (std::vector<std::string>{home + "/vartel/Data", prefix + "/share/vartel/Data"}));
    EXPECT_EQ(files.macroSaveFolder, home + "/vartel/Data");

    // Without a home folder there is only the bundled one, and no folder to start saving in.
    const ProgramFiles homeless = programFilesFor(prefix + "/bin", "");
    EXPECT_EQ(homeless.macroFolders, std::vector<std::string>{prefix + "/share/vartel/Data"});
    EXPECT_EQ(homeless.macroSaveFolder, "");
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

TEST(ProgramFilesTest, TheUsersDataFolderFollowsXdgDataHomeOnlyWhenAbsolute) {
    const EnvironmentValue home("HOME", "/home/someone");
    struct Case {
        const char* dataHome;
        const char* expected;
    };
    for (const Case& c :
         {Case{"/data/here", "/data/here"}, Case{"relative/path", "/home/someone/.local/share"},
          Case{"", "/home/someone/.local/share"}, Case{nullptr, "/home/someone/.local/share"}}) {
        const EnvironmentValue dataHome("XDG_DATA_HOME", c.dataHome);
        EXPECT_EQ(userDataHome(), c.expected) << (c.dataHome ? c.dataHome : "(unset)");
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

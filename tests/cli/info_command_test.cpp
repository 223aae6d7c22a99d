#include <gtest/gtest.h>

#include <filesystem>

#include "../support/cli_runner.h"
#include "../support/media_files.h"

namespace vartel {
namespace {

TEST(InfoCommandTest, PrintsOneRecordPerFileEmptyWhereAbsent) {
    TemporaryFolder folder;
    const std::string photo = folder.file("写真.jpg");
    writeJpeg(photo, {{"Exif.Photo.DateTimeOriginal", "2024:05:03 09:05:07"},
                      {"Exif.Photo.OffsetTimeOriginal", "+09:00"},
                      {"Exif.Image.Model", "Model X100 "}});
    const std::string song = folder.file("song.mp3");
    // A tab in a tag must not split the record: it is escaped.
    const AudioTags tags{"曲\t名", "歌手", "アルバム", 12};
    writeMp3(song, &tags);
    const std::string plain = folder.file("plain.txt");
    writeBytes(plain, "text");

    const CliResult result = runCli({"info", photo, song, plain});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, photo + "\t2024-05-03T09:05:07+09:00\tModel X100\t\t\t\t\n" + song +
                              "\t\t\t曲\\t名\t歌手\tアルバム\t12\n" + plain + "\t\t\t\t\t\t\n");
}

TEST(InfoCommandTest, AnUnreadableFileIsNamedAndTheOthersStillPrinted) {
    TemporaryFolder folder;
    const std::string missing = folder.file("missing.jpg");
    const std::string plain = folder.file("plain.txt");
    writeBytes(plain, "text");
    const CliResult result = runCli({"info", missing, plain});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, plain + "\t\t\t\t\t\t\n");
    EXPECT_EQ(result.err, missing + ": ファイルまたはフォルダが見つかりません\n");

    EXPECT_EQ(runCli({"info"}).exitCode, 2);
}

// A copy of the program alone in the folder, where it finds no tag module beside it.
std::string programAlone(const TemporaryFolder& folder) {
    const std::string program = folder.file("vartel-cli");
    std::filesystem::copy_file(VARTEL_CLI_PATH, program);
    return program;
}

// The photo and music libraries are a module of their own; a program that cannot load it says so
// rather than printing every file as one without tags.
TEST(InfoCommandTest, WithoutItsTagModuleTheProgramSaysSoAndFails) {
    TemporaryFolder folder;
    const std::string program = programAlone(folder);
    const std::string plain = folder.file("plain.txt");
    writeBytes(plain, "text");
    const CliResult result = runProgram(program, {"info", plain});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("写真と音楽のタグを読む部品を読み込めません: " +
                              folder.file("libvartel_media.so")),
              std::string::npos)
        << result.err;
}

// A module of another build (left behind by an older installation) would fill the program's
// types by its own layout; it is refused, and nothing it reads is printed.
TEST(InfoCommandTest, ATagModuleOfAnotherBuildIsRefused) {
    TemporaryFolder folder;
    const std::string program = programAlone(folder);
    std::filesystem::copy_file(VARTEL_FOREIGN_MEDIA_MODULE_PATH, folder.file("libvartel_media.so"));
    const std::string plain = folder.file("plain.txt");
    writeBytes(plain, "text");
    const CliResult result = runProgram(program, {"info", plain});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(folder.file("libvartel_media.so") + ": of build another, not "),
              std::string::npos)
        << result.err;
}

}  // namespace
}  // namespace vartel

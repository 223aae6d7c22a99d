#include <gtest/gtest.h>

#include <map>

#include "../support/cli_runner.h"
#include "../support/macro_builder.h"
#include "../support/media_files.h"
#include "../support/scripted_dialogs.h"
#include "common/error.h"
#include "common/message_text.h"
#include "macro/macro_file.h"
#include "macro/macro_interpreter.h"
#include "macro/messages.h"

namespace vartel {
namespace {

class NoCheckedFiles : public CheckedFileCount {
  public:
    int checkedFileCount() const override { return 0; }
};

// Metadata by path; a path it does not know cannot be opened.
class FakeMetadata : public MetadataReader {
  public:
    std::map<std::string, MediaMetadata> files;
    std::optional<MediaMetadata> read(const std::string& path) const override {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
};

class MediaInstructionTest : public ::testing::Test {
  protected:
    MediaInstructionTest() {
        MediaMetadata photo;
        photo.dateTaken = parseTagDate("2024:05:03 09:05:07", "25", "+09:00");
        photo.cameraModel = "Model X100";
        metadata.files["/photos/写真.jpg"] = photo;
        metadata.files["/music/曲.mp3"] = {std::nullopt, "", "夜の歌", "歌手", "アルバム一", 7};
        metadata.files["/plain.txt"] = {};
    }

    // The target slot after one line of the type ran on the file.
    Text runLine(const Text& type, const std::string& path, const Text& pattern = {}) {
        const Text target = type == U"トラック番号" ? U"数値１" : U"文字１";
        const auto program = programOf({typedLine(target, U"ファイル関連", type, pattern)});
        MacroInterpreter interpreter(program, store, table, {dialogs, clock, count, metadata});
        interpreter.runMacro(U"name", U"ext", textFromBytes(path));
        return store.slot(variableCode(target).value());
    }

    FakeMetadata metadata;
    VariableStore store;
    MultiConditionTable table;
    ScriptedDialogs dialogs;
    FixedClock clock{{2006, 6, 4, 17, 21, 0}};
    NoCheckedFiles count;
};

TEST_F(MediaInstructionTest, EachTypeReadsItsValue) {
    struct Case {
        Text type;
        std::string path;
        Text pattern, expected;
    };
    const Case cases[] = {
        {U"撮影日時", "/photos/写真.jpg", U"%y-%0m-%0d_%0h24%0mi%0s", U"2024-05-03_090507"},
        {U"撮影日時", "/photos/写真.jpg", U"%y年%m月%d日 %mora%h12時%mi分%s秒",
         U"2024年5月3日 午前9時5分7秒"},
        {U"カメラ機種", "/photos/写真.jpg", U"", U"Model X100"},
        {U"曲名", "/music/曲.mp3", U"", U"夜の歌"},
        {U"アーティスト", "/music/曲.mp3", U"", U"歌手"},
        {U"アルバム", "/music/曲.mp3", U"", U"アルバム一"},
        {U"トラック番号", "/music/曲.mp3", U"", U"7"},
        // What a file does not have is empty, or 0 for the track.
        {U"撮影日時", "/plain.txt", U"%y", U""},
        {U"カメラ機種", "/music/曲.mp3", U"", U""},
        {U"曲名", "/photos/写真.jpg", U"", U""},
        {U"トラック番号", "/plain.txt", U"", U"0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runLine(c.type, c.path, c.pattern), c.expected)
            << bytesFromText(c.type) << " " << c.path;
    }
}

TEST_F(MediaInstructionTest, AFileThatCannotBeReadStopsTheRunNamingIt) {
    for (const Text type :
         {U"撮影日時", U"カメラ機種", U"曲名", U"アーティスト", U"アルバム", U"トラック番号"}) {
        try {
            runLine(type, "/gone.jpg", U"%y");
            ADD_FAILURE() << bytesFromText(type) << " did not stop";
        } catch (const VartelError& failure) {
            EXPECT_EQ(failure.message(), fillIn(messages::kFileNotReadable, U"%s", U"/gone.jpg"));
        }
    }
}

TEST(MediaInstructionCliTest, MacroRunReadsThePhotoAtThePath) {
    TemporaryFolder folder;
    const std::string photo = folder.file("IMG_0001.jpg");
    writeJpeg(photo, {{"Exif.Photo.DateTimeOriginal", "2024:05:03 09:05:07"},
                      {"Exif.Image.Model", "Model X100"}});
    auto program =
        programOf({typedLine(U"文字１", U"ファイル関連", U"撮影日時", U"固定文字１"),
                   typedLine(U"文字２", U"ファイル関連", U"カメラ機種"),
                   typedLine(U"ファイル名", U"文字出力", U"結合", U"文字１", U"文字２")});
    program.setInitialValue(49, U"%y%0m%0d_");
    const std::string macro = folder.file("m.vmc");
    saveMacroFile(program, macro, U"t");
    const auto result =
        runCli({"macro-run", macro, "--name", "IMG_0001", "--ext", "jpg", "--path", photo});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "20240503_Model X100.jpg\n");
}

}  // namespace
}  // namespace vartel

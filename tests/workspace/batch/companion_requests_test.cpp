// Which files of a folder follow a renamed row, what they are renamed to, and how the planner
// keeps a row and its companions together.
#include "workspace/batch/companion_requests.h"

#include <gtest/gtest.h>

#include "../../support/file_bytes.h"
#include "../../support/temporary_folder.h"

namespace vartel {
namespace {

using S = PlanStatus;
using Renames = std::vector<std::pair<std::string, std::string>>;

struct CompanionCase {
    std::string title;
    std::vector<std::string> files;  // beside the rows' own files
    Renames rows;
    Renames companions;                // the requests added, in order
    std::vector<PlanStatus> statuses;  // of rows then companions; empty: all Ok
};

TEST(CompanionRequestsTest, CompanionsFollowTheirRowsAndClashesBlockBoth) {
    const std::vector<CompanionCase> cases = {
        {"a raw file and two sidecars follow a photo, a longer stem and an edit do not",
         {"DSC01234.ARW", "DSC01234.xmp", "DSC01234.JPG.xmp", "DSC012345.ARW", "DSC01234_edit.JPG",
          "DSC01234.txt", "DSC01234.JPG.bak"},
         {{"DSC01234.JPG", "2024-05-03_京都_001.JPG"}},
         {{"DSC01234.ARW", "2024-05-03_京都_001.ARW"},
          {"DSC01234.JPG.xmp", "2024-05-03_京都_001.JPG.xmp"},
          {"DSC01234.xmp", "2024-05-03_京都_001.xmp"}},
         {}},
        {"subtitles with tags, lyrics, cue sheets, exports and iPhone edits; case kept",
         {"movie.ja.srt", "movie.en.forced.ass", "movie.SRT", "movie.ja.jpg", "song.lrc",
          "album.CUE", "photo.jpg.json", "photo.json", "IMG_0001.AAE"},
         {{"movie.mp4", "film.mp4"},
          {"song.flac", "曲.flac"},
          {"album.flac", "a.flac"},
          {"photo.jpg", "p.jpg"},
          {"IMG_0001.HEIC", "i.HEIC"}},
         {{"album.CUE", "a.CUE"},
          {"IMG_0001.AAE", "i.AAE"},
          {"movie.en.forced.ass", "film.en.forced.ass"},
          {"movie.ja.srt", "film.ja.srt"},
          {"movie.SRT", "film.SRT"},
          {"photo.jpg.json", "p.jpg.json"},
          {"song.lrc", "曲.lrc"}},
         {}},
        {"a companion that is a row is renamed once; an unchanged stem moves nothing",
         {"b.xmp"},
         {{"a.JPG", "x.JPG"}, {"a.ARW", "y.ARW"}, {"b.jpg", "b.jpeg"}},
         {},
         {}},
        {"the longer stem takes the tagged file",
         {"movie.en.forced.srt"},
         {{"movie.mp4", "a.mp4"}, {"movie.en.mp4", "b.mp4"}},
         {{"movie.en.forced.srt", "b.forced.srt"}},
         {}},
        {"two rows claim one sidecar: neither is renamed",
         {"a.xmp"},
         {{"a.JPG", "x.JPG"}, {"a.PNG", "y.PNG"}},
         {{"a.xmp", "x.xmp"}, {"a.xmp", "y.xmp"}},
         {S::GroupBlocked, S::GroupBlocked, S::Duplicate, S::Duplicate}},
        {"a companion's new name is taken: the photo stays with it, the next row goes on",
         {"a.ARW", "x.ARW"},
         {{"a.JPG", "x.JPG"}, {"c.JPG", "d.JPG"}},
         {{"a.ARW", "x.ARW"}},
         {S::GroupBlocked, S::Ok, S::Exists}},
        {"a row that fails keeps its companion, and a row waiting for it fails too",
         {"a.xmp", "taken.JPG"},
         {{"a.JPG", "taken.JPG"}, {"b.JPG", "a.JPG"}},
         {{"a.xmp", "taken.xmp"}},
         {S::Exists, S::Exists, S::GroupBlocked}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        TemporaryFolder folder;
        for (const auto& name : c.files) writeBytes(folder.file(name), name);
        std::vector<RenameRequest> requests;
        for (const auto& [from, to] : c.rows) {
            writeBytes(folder.file(from), from);
            requests.push_back({folder.file(from), to, {}});
        }
        const RequestGroups groups = addCompanions(requests, {});
        Renames added;
        for (std::size_t k = c.rows.size(); k < requests.size(); ++k)
            added.emplace_back(std::string(requests[k].name()), requests[k].newName);
        EXPECT_EQ(added, c.companions);
        const RenamePlan plan = planRenames(requests, {.groups = &groups});
        EXPECT_EQ(plan.statuses, c.statuses.empty()
                                     ? std::vector<PlanStatus>(requests.size(), S::Ok)
                                     : c.statuses);
    }
}

}  // namespace
}  // namespace vartel

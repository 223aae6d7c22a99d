#include "workspace/execution/requests_by_target.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>

namespace vartel {
namespace {

// The table behaves as a map from ends to requests that a request filed later under the same
// end overwrites, through long runs of filing, taking out and filing again under other ends:
// the way an undo gathers chains of renames. Few ends in a small table make every search pass
// over filled slots and slots left behind.
TEST(RequestsByTargetTest, FindsWhatAMapWouldFind) {
    const std::vector<Text> folders{U"/a/", U"/b/", U"/a/b/"};
    std::vector<Text> names;
    for (int i = 0; i < 12; ++i) names.push_back(U"n" + Text(static_cast<std::size_t>(i), U'x'));
    std::mt19937 random(7);
    const auto pick = [&random](const std::vector<Text>& texts) -> const Text& {
        return texts[std::uniform_int_distribution<std::size_t>(0, texts.size() - 1)(random)];
    };
    for (const std::size_t filings : {std::size_t{1}, std::size_t{8}, std::size_t{300}}) {
        SCOPED_TRACE(filings);
        std::vector<PathParts> ends;
        ends.reserve(filings);
        RequestsByTarget table(ends, filings);
        std::unordered_map<Text, std::size_t> expected;
        const auto key = [](const PathParts& end) { return Text(end.folder) + Text(end.name); };
        for (std::size_t filed = 0; filed < filings;) {
            const PathParts end{pick(folders), pick(names)};
            const std::size_t found = table.find(end);
            const auto there = expected.find(key(end));
            ASSERT_EQ(found, there == expected.end() ? RequestsByTarget::kNone : there->second);
            if (found != RequestsByTarget::kNone && random() % 2 == 0) {
                // The request moves on to another end.
                table.takeOut(found);
                expected.erase(key(ends[found]));
                ends[found] = {pick(folders), pick(names)};
                table.file(found);
                expected[key(ends[found])] = found;
            } else {
                ends.push_back(end);
                table.file(ends.size() - 1);
                expected[key(end)] = ends.size() - 1;
            }
            ++filed;
        }
        for (const Text& folder : folders) {
            for (const Text& name : names) {
                const auto there = expected.find(folder + name);
                EXPECT_EQ(table.find({folder, name}),
                          there == expected.end() ? RequestsByTarget::kNone : there->second);
            }
        }
    }
}

}  // namespace
}  // namespace vartel

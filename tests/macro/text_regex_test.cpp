#include "macro/text_regex.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "macro/messages.h"

namespace vartel {
namespace {

Text failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const VartelError& failure) {
        return failure.message();
    }
    return U"(no failure)";
}

TEST(TextRegexTest, ReplacesWithGroupsAndFindsCharacterPositions) {
    const TextRegex photo(U"IMG_(\\d+)", true);
    EXPECT_EQ(photo.replaceAll(U"IMG_0012 IMG_7", U"写真$1"), U"写真0012 写真7");
    EXPECT_EQ(photo.replaceAll(U"img_1", U"[$0]"), U"img_1");
    EXPECT_EQ(TextRegex(U"img_(\\d)", false).replaceAll(U"IMG_1", U"[$0|$1]"), U"[IMG_1|1]");
    // Positions count characters, so a character beyond the basic plane is one.
    EXPECT_EQ(TextRegex(U"[0-9]+", true).firstMatchPosition(U"𠀋あ12"), 3);
    EXPECT_EQ(TextRegex(U"x", true).firstMatchPosition(U"abc"), 0);
    // Escaped bytes of a name that is not UTF-8 pass through unchanged.
    EXPECT_EQ(TextRegex(U"a", true)
                  .replaceAll(U"\xDC82"
                              U"a\xDCA0",
                              U"b"),
              U"\xDC82"
              U"b\xDCA0");
}

TEST(TextRegexTest, NamesWhatIsWrong) {
    EXPECT_EQ(failureOf([] { TextRegex(U"(ab", true); }),
              U"正規表現が正しくありません：括弧の対応が取れていません（4文字目）");
    EXPECT_EQ(
        failureOf([] { TextRegex(U"[ab", true); }).find(messages::kRegexUnclosedSet) != Text::npos,
        true);
    EXPECT_EQ(failureOf([] { TextRegex(U"(a)", true).checkReplacement(U"$2"); }),
              U"置換文字列が正しくありません：$ の後の番号のグループがありません");
    EXPECT_EQ(failureOf([] { TextRegex(U"(a)", true).checkReplacement(U"$1$0"); }),
              U"(no failure)");
}

TEST(TextRegexTest, AMatchThatRunsTooLongStopsWithAMessage) {
    const TextRegex runaway(U"^(\\w+\\s?)*$", true);
    EXPECT_EQ(failureOf([&] { runaway.replaceAll(Text(40, U'a') + U"!", U"z"); }),
              messages::kRegexTooLong);
}

}  // namespace
}  // namespace vartel

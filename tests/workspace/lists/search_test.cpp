#include "workspace/lists/search.h"

#include <gtest/gtest.h>

#include "../../support/list_rows.h"
#include "../../support/workspace_fixture.h"
#include "common/error.h"
#include "common/name_parts.h"

namespace vartel {
namespace {

class SearchTest : public WorkspaceTest {
  protected:
    void SetUp() override {
        const std::vector<std::pair<Text, std::int64_t>> rows = {
            {U"abc def.txt", 1023},   {U"ABC.TXT", 1024}, {U"def.doc", 1025},
            {U"xyz.txt", 5368709120}, {U"abcdef", 0},     {U"か\u3099いと\u3099.md", 7},
        };
        for (const auto& [name, size] : rows) {
            workspace.conversionList().push_back(rowAt(U"/Abc/" + name, size));
        }
        workspace.conversionList()[4].checked = false;
    }
    std::vector<int> hits() const {
        std::vector<int> result;
        const auto& list = workspace.conversionList();
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].selected) result.push_back(static_cast<int>(i));
        }
        return result;
    }
    void select(const std::vector<int>& rows) {
        for (auto& row : workspace.conversionList()) row.selected = false;
        for (const int i : rows)
            workspace.conversionList()[static_cast<std::size_t>(i)].selected = true;
    }
    using Rows = std::vector<int>;
};

TEST(SearchTermsTest, SplitsAtBothBlanksAndDropsEmptyTerms) {
    EXPECT_EQ(searchTerms(U"  abc　def  g "), (std::vector<Text>{U"abc", U"def", U"g"}));
    EXPECT_TRUE(searchTerms(U" 　 ").empty());
    EXPECT_EQ(searchTerms(U"a\tb"), (std::vector<Text>{U"a\tb"}));
}

TEST_F(SearchTest, TextSearchCases) {
    struct Case {
        TextSearch search;
        Rows startSelected;
        Rows expected;
    };
    using S = TextSearch;
    const auto search = [](const Text& pattern, S::Field field = S::Name,
                           S::Condition condition = S::Contains, bool narrowing = false,
                           bool caseSensitive = false) {
        return S{pattern, field, condition, narrowing, caseSensitive};
    };
    const std::vector<Case> cases = {
        {search(U"abc　def"), {}, {0, 4}},
        {search(U"abc　def", S::Name, S::DoesNotContain), {}, {3, 5}},
        {search(U"xyz def", S::Name, S::DoesNotContain), {}, {1, 5}},
        {search(U"ABC"), {}, {0, 1, 4}},
        {search(U"ABC", S::Name, S::Contains, false, true), {}, {1}},
        {search(U".txt", S::Extension), {}, {0, 1, 3}},
        {search(U"Abc/abc", S::Path, S::Contains, false, true), {}, {0, 4}},
        {search(U"abc", S::Path), {}, {0, 1, 2, 3, 4, 5}},
        {search(U"def", S::Name, S::Contains, true), {1, 2}, {2}},
        {search(U"def", S::Name, S::Contains, true), {}, {0, 2, 4}},
        {search(U"def", S::Name, S::Contains, false), {1}, {0, 2, 4}},
        {search(U"   "), {1}, {0, 1, 2, 3, 4, 5}},
        // A name stored decomposed is found by its composed spelling and the other way round.
        {search(U"がいど"), {}, {5}},
        {search(U"と\u3099.MD", S::Name, S::Contains, false, false), {}, {5}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        select(cases[i].startSelected);
        textSearch(workspace, cases[i].search);
        EXPECT_EQ(hits(), cases[i].expected) << "case " << i;
        EXPECT_EQ(workspace.status().hits,
                  textFromBytes(std::to_string(cases[i].expected.size())) + U"ヒット");
    }
    EXPECT_FALSE(workspace.conversionList()[4].checked);
    EXPECT_TRUE(workspace.conversionList()[0].checked);
}

TEST_F(SearchTest, SizeSearchCases) {
    struct Case {
        SizeSearch search;
        Rows startSelected;
        Rows expected;
    };
    using S = SizeSearch;
    const auto search = [](const Text& value, S::Unit unit, S::Range range = S::AtLeast,
                           bool narrowing = false) {
        return S{value, unit, range, narrowing};
    };
    const std::vector<Case> cases = {
        {search(U"1", S::Kilobytes), {}, {1, 2, 3}},
        {search(U"1", S::Kilobytes, S::AtMost), {}, {0, 1, 4, 5}},
        {search(U"5", S::Gigabytes), {}, {3}},
        {search(U"2147483647", S::Gigabytes, S::AtMost), {}, {0, 1, 2, 3, 4, 5}},
        {search(U"1024", S::Bytes, S::AtLeast, true), {0, 1, 4}, {1}},
        {search(U"1024", S::Bytes, S::AtLeast, true), {}, {1, 2, 3}},
        {search(U"1024", S::Bytes, S::AtLeast, false), {0}, {1, 2, 3}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        select(cases[i].startSelected);
        sizeSearch(workspace, cases[i].search);
        EXPECT_EQ(hits(), cases[i].expected) << "case " << i;
    }
}

TEST_F(SearchTest, SizeValueThatIsNotANumber) {
    for (const Text value : {U"1.5", U"abc", U"1 2"}) {
        try {
            sizeSearch(workspace, {value});
            ADD_FAILURE() << "no failure";
        } catch (const VartelError& failure) {
            EXPECT_EQ(failure.message(), U"'" + value + U"' is not a valid integer value");
        }
    }
    // An empty field asks for a size and leaves the selection and the hit count alone.
    select({2});
    const Text hitsBefore = workspace.status().hits;
    for (const Text value : {U"", U"  ", U"\u3000"}) {
        dialogs.messages.clear();
        sizeSearch(workspace, {value});
        EXPECT_EQ(dialogs.messages, std::vector<Text>{U"検索するサイズを数値で入力してください"});
        EXPECT_EQ(hits(), Rows{2});
        EXPECT_EQ(workspace.status().hits, hitsBefore);
    }
    workspace.conversionList().clear();
    sizeSearch(workspace, {U"abc"});
    textSearch(workspace, {U"abc"});
    EXPECT_EQ(workspace.status().hits, U"0ヒット");
}

}  // namespace
}  // namespace vartel

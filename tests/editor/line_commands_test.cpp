#include "editor/line_commands.h"

#include <gtest/gtest.h>

#include "../support/macro_builder.h"

namespace vartel {
namespace {

// Five comment lines whose first operand names them L1..L5.
MacroEditor editorOfFiveLines() {
    MacroEditor editor;
    for (const Text name : {U"L1", U"L2", U"L3", U"L4", U"L5"})
        editor.program().appendLine(typedLine(U"", U"情報", U"コメント", name));
    return editor;
}

std::vector<Text> names(const std::vector<MacroLine>& lines) {
    std::vector<Text> result;
    for (const auto& line : lines) result.push_back(line.display.operands[0]);
    return result;
}

TEST(LineCommandsTest, PasteStandsBeforeTheFirstSelectedLineInClipboardOrder) {
    struct Case {
        std::vector<int> copied;
        std::vector<int> pasteAt;
        std::vector<Text> expected;
    };
    const Case cases[] = {
        {{1, 3}, {0}, {U"L2", U"L4", U"L1", U"L2", U"L3", U"L4", U"L5"}},
        {{3, 1}, {4, 2}, {U"L1", U"L2", U"L2", U"L4", U"L3", U"L4", U"L5"}},
        {{1, 3}, {}, {U"L1", U"L2", U"L3", U"L4", U"L5"}},
        {{}, {0}, {U"L1", U"L2", U"L3", U"L4", U"L5"}},
    };
    for (const auto& c : cases) {
        MacroEditor editor = editorOfFiveLines();
        copyLines(editor, c.copied);
        pasteLines(editor, c.pasteAt);
        EXPECT_EQ(names(editor.program().lines()), c.expected);
        // Pasting leaves the clipboard as it was.
        EXPECT_EQ(editor.clipboard().lines.size(), c.copied.size());
    }
}

TEST(LineCommandsTest, PasteAtEndAppendsInClipboardOrder) {
    MacroEditor editor = editorOfFiveLines();
    copyLines(editor, {3, 1});
    pasteLinesAtEnd(editor);
    pasteLinesAtEnd(editor);
    EXPECT_EQ(names(editor.program().lines()),
              (std::vector<Text>{U"L1", U"L2", U"L3", U"L4", U"L5", U"L2", U"L4", U"L2", U"L4"}));
}

TEST(LineCommandsTest, CutAndDeleteRemoveTheSelectedLines) {
    MacroEditor editor = editorOfFiveLines();
    copyLines(editor, {4});
    deleteLines(editor, {2, 0, 9});
    EXPECT_EQ(names(editor.program().lines()), (std::vector<Text>{U"L2", U"L4", U"L5"}));
    EXPECT_EQ(names(editor.clipboard().lines), std::vector<Text>{U"L5"});

    cutLines(editor, {0, 2});
    EXPECT_EQ(names(editor.program().lines()), std::vector<Text>{U"L4"});
    EXPECT_EQ(names(editor.clipboard().lines), (std::vector<Text>{U"L2", U"L5"}));
    // A copy with nothing selected replaces the clipboard with nothing.
    copyLines(editor, {});
    EXPECT_TRUE(editor.clipboard().lines.empty());
}

TEST(LineCommandsTest, ALineNamedTwiceIsDeletedAndCutOnce) {
    MacroEditor editor = editorOfFiveLines();
    deleteLines(editor, {3, 1, 3, 1});
    EXPECT_EQ(names(editor.program().lines()), (std::vector<Text>{U"L1", U"L3", U"L5"}));

    cutLines(editor, {2, 0, 2});
    EXPECT_EQ(names(editor.program().lines()), std::vector<Text>{U"L3"});
    EXPECT_EQ(names(editor.clipboard().lines), (std::vector<Text>{U"L1", U"L5"}));
}

TEST(LineCommandsTest, PastesAreOfferedWithAClipboardAndOneSelectedLine) {
    const LineClipboard empty;
    const LineClipboard full{{typedLine(U"", U"情報", U"コメント", U"x")}};
    EXPECT_TRUE(pasteEnabled(full, 1));
    for (const std::size_t count : {0u, 2u, 5u}) EXPECT_FALSE(pasteEnabled(full, count));
    EXPECT_FALSE(pasteEnabled(empty, 1));
}

TEST(LineCommandsTest, ResetRemovesLinesAndInputButKeepsValuesAndTable) {
    MacroEditor editor = editorOfFiveLines();
    editor.program().setInitialValue(40, U"abc");
    editor.table().rows.push_back({U"a", U"b"});
    editor.input() = {U"文字１", {U"x"}, 0, 1};
    resetLines(editor);
    EXPECT_EQ(editor.program().lineCount(), 0);
    EXPECT_EQ(editor.input(), LineInput{});
    EXPECT_EQ(editor.program().initialValue(40), U"abc");
    EXPECT_EQ(editor.table().rows.size(), 1u);
}

}  // namespace
}  // namespace vartel

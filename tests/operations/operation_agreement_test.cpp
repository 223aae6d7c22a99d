#include <gtest/gtest.h>

#include <random>

#include "common/name_parts.h"
#include "operations/operation.h"
#include "recorded_macro_runner.h"

namespace vartel {
namespace {

// For every operation and setting, the macro a recording makes gives the same new name as the
// preview, on generated names and settings.
class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool chance(int percent) { return between(1, 100) <= percent; }

    Text word(int maxLength) {
        // Letters of every width and kana class the conversions touch, a separate voiced mark,
        // letters a garbled name is made of, letters whose case folds oddly, numerals, and kanji
        // and kana that read as words.
        static const Text pool =
            U"abcABCxyzXYZ01_ -ａｂＡＢあア日ｶﾞﾊﾟｰがパヴヷー\u3099éáſsSςσΣıiIµ\u212Ak"
            U"9２〇二十百万東京春歌っ";
        Text text;
        for (int i = between(0, maxLength); i > 0; --i) {
            text += pool[static_cast<std::size_t>(between(0, static_cast<int>(pool.size()) - 1))];
        }
        return text;
    }

    // Names with and without extension, with a leading dot, an empty stem, several dots.
    Text name() {
        switch (between(0, 4)) {
            case 0:
                return word(8);
            case 1:
                return U"." + word(5);
            case 2:
                return word(8) + U"." + word(4);
            case 3:
                return word(6) + U".";
            default:
                return word(4) + U"." + word(3) + U"." + word(3);
        }
    }

    // A text that often occurs in the stem (maybe in other letter case) or ends it partly.
    Text searchText(const Text& stem) {
        if (stem.empty() || chance(30)) return word(3);
        const int from = between(0, static_cast<int>(stem.size()) - 1);
        Text text =
            stem.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(between(1, 3)));
        if (chance(30)) text += word(2);
        if (chance(30)) text = toggleCase(text);
        return text;
    }

    int count() { return chance(10) ? 255 : between(1, 10); }

    std::int32_t number() {
        if (chance(5)) return chance(50) ? 2147483647 - between(0, 3) : -2147483647 - 1;
        return between(-1000, 1000);
    }

  private:
    static Text toggleCase(Text text) {
        for (auto& c : text) {
            if (c >= U'a' && c <= U'z')
                c = c - U'a' + U'A';
            else if (c >= U'A' && c <= U'Z')
                c = c - U'A' + U'a';
        }
        return text;
    }
    std::mt19937 random_;
};

OperationSettings randomOperation(Generator& g, const Text& stem) {
    switch (g.between(0, 4)) {
        case 0:
            return AddTextSettings{g.word(3), static_cast<AddTextMode>(g.between(0, 4)), g.count(),
                                   g.searchText(stem), g.chance(50)};
        case 1:
            return DeleteSettings{static_cast<DeleteMode>(g.between(0, 4)),
                                  g.count(),
                                  g.count(),
                                  g.searchText(stem),
                                  g.searchText(stem),
                                  g.chance(50)};
        case 2: {
            ReplaceSettings s{static_cast<ReplaceRange>(g.between(0, 3)),
                              static_cast<ReplaceKind>(g.between(0, kReplaceKindCount - 1)),
                              g.searchText(stem),
                              g.word(3),
                              g.count(),
                              g.count(),
                              g.chance(50)};
            if (s.kind == ReplaceKind::Replace && g.chance(40)) {
                // Expressions and replacements that fit each other.
                static const std::pair<Text, Text> kExpressions[] = {
                    {U"[a-z]+", U"<$0>"}, {U"(a|b)(c)?", U"$2$1"}, {U"^.", U""},
                    {U"x*", U"-"},        {U"(\\d+)", U"#$1"},     {U"[ア-ン]", U"$0$0"}};
                const auto& [pattern, replacement] =
                    kExpressions[g.between(0, static_cast<int>(std::size(kExpressions)) - 1)];
                s.regex = true;
                s.search = pattern;
                s.replacement = replacement;
            }
            return s;
        }
        case 3:
            return NumberingSettings{static_cast<NumberingForm>(g.between(0, 5)),
                                     g.number(),
                                     g.number(),
                                     g.chance(50),
                                     g.searchText(stem),
                                     g.word(2),
                                     g.count(),
                                     g.chance(50)};
        default:
            return ExtensionSettings{static_cast<ExtensionMode>(g.between(0, 4)), g.word(3),
                                     g.count(), g.count()};
    }
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

TEST(OperationAgreementTest, RecordedMacroGivesThePreviewsName) {
    Generator g(20261207);
    for (int round = 0; round < 4000; ++round) {
        const Text name = g.name();
        const Text stem = stemOf(name);
        const Text extension = extensionOf(name);  // with its dot, as the row holds it
        const Text withoutDot = extension.empty() ? Text() : extension.substr(1);
        const OperationSettings operation = randomOperation(g, stem);
        const int files = g.between(0, 150);

        // Recorded on the very name, so the step's own edit of the sample is checked too.
        RecordedMacroRunner runner(name);
        RecordingFrame frame = runner.frame();
        Text preview;
        bool recorded = false;
        // The stem edits keep the row's extension; a macro's result always has its dot.
        bool dotAdded = extension.empty();
        std::visit(Overloaded{[&](const AddTextSettings& s) {
                                  preview = addTextNewName(s, stem, extension);
                                  recorded = recordAddText(s, frame);
                              },
                              [&](const DeleteSettings& s) {
                                  preview = deleteNewName(s, stem, extension);
                                  recorded = recordDelete(s, frame);
                              },
                              [&](const ReplaceSettings& s) {
                                  preview = replaceNewName(s, stem, extension);
                                  recorded = recordReplace(s, frame);
                              },
                              [&](const NumberingSettings& s) {
                                  preview = numberingNewName(
                                      s, stem, extension, numberText(s.start, s.autoDigits, files));
                                  recorded = recordNumbering(s, files, frame);
                              },
                              [&](const ExtensionSettings& s) {
                                  preview = extensionNewName(s, stem, extension);
                                  recorded = recordExtension(s, frame);
                                  // Adding at the end keeps a missing extension missing, and
                                  // unifying to nothing drops the dot (documented differences);
                                  // every other mode writes the dot itself.
                                  dotAdded =
                                      (s.mode == ExtensionMode::AtEnd && extension.empty()) ||
                                      (s.mode == ExtensionMode::Unify && s.text.empty());
                              }},
                   operation);
        ASSERT_TRUE(recorded);
        Text expected = preview;
        if (dotAdded && std::holds_alternative<ExtensionSettings>(operation)) {
            ASSERT_EQ(preview.substr(0, stem.size()), stem);
            expected = stem + U"." + preview.substr(stem.size());
        } else if (dotAdded) {
            expected = preview + U".";
        }
        const auto result = runner.run(stem, withoutDot, files);
        ASSERT_TRUE(result.has_value());
        ASSERT_EQ(*result, expected) << "round " << round << " name " << bytesFromText(name);
        ASSERT_EQ(runner.state.sampleName(), *result) << "round " << round;
    }
}

}  // namespace
}  // namespace vartel

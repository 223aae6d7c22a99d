#include "macro/instruction_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "macro/variables.h"

namespace vartel {
namespace {

TEST(InstructionCatalogueTest, LooksUpNamesIndicesAndSignatures) {
    EXPECT_EQ(InstructionCatalogue::kindNames().size(), 15u);
    EXPECT_EQ(InstructionCatalogue::kindIndexOf(U"複数条件"), 14);
    EXPECT_EQ(InstructionCatalogue::typeIndexOf(kKindSearch, U"区別なし"), 1);
    EXPECT_FALSE(InstructionCatalogue::typeIndexOf(kKindCondition, U"条件開始").has_value());
    EXPECT_EQ(InstructionCatalogue::signatureCode(DeleteType::Delete), 211);
    EXPECT_FALSE(InstructionCatalogue::signatureCode(LoopType::Start).has_value());
    EXPECT_EQ(InstructionCatalogue::signatureDigit(2230, 0), 2);
    EXPECT_EQ(InstructionCatalogue::signatureDigit(2230, 2), 3);
    EXPECT_EQ(InstructionCatalogue::signatureDigit(211, 0), 0);
    // Every type has exactly one reference entry, and every entry explains a type.
    int types = 0;
    for (int kind = 0; kind < static_cast<int>(InstructionCatalogue::kinds().size()); ++kind) {
        const auto& kindTypes = InstructionCatalogue::kinds()[static_cast<std::size_t>(kind)].types;
        for (int type = 0; type < static_cast<int>(kindTypes.size()); ++type) {
            ++types;
            // A gap in a kind's enum would leave a nameless type in the chooser.
            EXPECT_FALSE(kindTypes[static_cast<std::size_t>(type)].name.empty()) << kind << type;
            const auto entries =
                std::count_if(functionReference().begin(), functionReference().end(),
                              [&](const ReferenceEntry& entry) {
                                  return entry.id == InstructionId{kind, type};
                              });
            EXPECT_EQ(entries, 1) << kind << " " << type;
        }
    }
    EXPECT_EQ(types, static_cast<int>(functionReference().size()));
    EXPECT_EQ(InstructionCatalogue::referenceEntry(ReplaceType::CaseSensitive)->name,
              U"置換（大小区別）");
}

TEST(VariablesTest, NamesAndCodesMatchExactly) {
    const std::pair<Text, int> names[] = {
        {U"数値１", 1},        {U"数値１６", 16},   {U"固定数値１", 17}, {U"文字１", 33},
        {U"固定文字１６", 64}, {U"ファイル名", 65}, {U"拡張子", 66}};
    for (const auto& [name, code] : names) EXPECT_EQ(variableCode(name), code);
    for (const std::u32string_view text :
         {U"数値1", U"数値", U"ファイル名 ", U"数値１７", U"数値０"}) {
        EXPECT_FALSE(variableCode(text).has_value()) << bytesFromText(Text(text));
    }
    for (int code = 1; code <= kVariableCount; ++code)
        EXPECT_EQ(variableCode(variableName(code)), code);
    EXPECT_TRUE(isPersistentVariable(17));
    EXPECT_FALSE(isPersistentVariable(33));
}

}  // namespace
}  // namespace vartel

#include "platform/profile_file.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(ProfileFileTest, ReadsValuesByTheReadingRules) {
    const auto profile = ProfileFile::fromLines({
        U"[Main]",
        U"Caption =  my macro  ",
        U"Version=0.3",
        U"Quoted=\"  kept inside  \"",
        U"Single='x'",
        U"Unpaired=\"x",
        U"Equals=a=b=c",
        U"Empty=",
        U"Caption=second one loses",
        U"[so1]",
        U"vari1= ",
        U"[SO1]",
        U"Vari2=merged",
        U"no equals sign here",
    });
    EXPECT_EQ(profile.value(U"main", U"CAPTION"), U"my macro");
    EXPECT_EQ(profile.value(U"Main", U"Quoted"), U"  kept inside  ");
    EXPECT_EQ(profile.value(U"Main", U"Single"), U"x");
    EXPECT_EQ(profile.value(U"Main", U"Unpaired"), U"\"x");
    EXPECT_EQ(profile.value(U"Main", U"Equals"), U"a=b=c");
    EXPECT_EQ(profile.value(U"Main", U"Empty"), U"");
    EXPECT_EQ(profile.value(U"So1", U"Vari1"), U"");
    EXPECT_EQ(profile.value(U"So1", U"Vari2"), U"merged");
    EXPECT_FALSE(profile.value(U"Main", U"Missing").has_value());
    EXPECT_FALSE(profile.value(U"Other", U"Caption").has_value());
}

TEST(ProfileFileTest, KeepsLongValuesWhole) {
    const Text longValue(5000, U'あ');
    const auto profile = ProfileFile::fromLines({U"[S]", U"K=" + longValue});
    EXPECT_EQ(profile.value(U"S", U"K"), longValue);
}

TEST(ProfileFileTest, WritesSectionsInOrderOfFirstUse) {
    ProfileFile profile;
    profile.append(U"Main", U"A", U"1");
    profile.append(U"So1", U"B", U"");
    profile.append(U"Main", U"C", U"3");
    EXPECT_EQ(profile.lines(), (std::vector<Text>{U"[Main]", U"A=1", U"C=3", U"[So1]", U"B="}));
}

}  // namespace
}  // namespace vartel

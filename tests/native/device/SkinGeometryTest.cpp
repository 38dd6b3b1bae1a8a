#include "device/SkinGeometry.h"
#include "device/TypingKeys.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct MapCase { int nOrientation; ScreenShape screen; bool bLeft; KeyRect expected; };

class MapDesignRectTest : public testing::TestWithParam<MapCase> {};

// The Q key at (10, 20) size 30x40 on a 320x240 design.
TEST_P(MapDesignRectTest, TurnsTheDesignTowardsTheHand)
{
    const MapCase& c = GetParam();
    const KeyRect r = MapDesignRect(10, 20, 30, 40, c.nOrientation, c.screen, c.bLeft, 320, 240);
    EXPECT_EQ(c.expected.nLeft, r.nLeft);
    EXPECT_EQ(c.expected.nTop, r.nTop);
    EXPECT_EQ(c.expected.nRight, r.nRight);
    EXPECT_EQ(c.expected.nBottom, r.nBottom);
}

INSTANTIATE_TEST_SUITE_P(Table, MapDesignRectTest, testing::Values(
    MapCase{5, ScreenShape::Portrait, false, {10, 20, 40, 60}},
    MapCase{4, ScreenShape::Landscape, true, {10, 20, 40, 60}},
    MapCase{4, ShapeOf(240, 240), false, {10, 20, 40, 60}},  // a square screen turns nothing
    MapCase{4, ScreenShape::Portrait, false, {180, 10, 220, 40}},
    MapCase{4, ScreenShape::Portrait, true, {20, 280, 60, 310}},
    MapCase{5, ScreenShape::Landscape, true, {20, 280, 60, 310}}));

SkinEntry Element(const char* pszText, std::vector<std::pair<std::string, std::string>> attributes)
{
    return SkinEntry{true, pszText, std::move(attributes)};
}

// The children of an index file's root: a comment first, then the entries.
const SkinEntries g_index = {
    SkinEntry{false, "never read", {}},
    Element("", {{"ResolutionID", "1"}, {"Width", "320"}, {"Height", "240"}, {"LayoutFileName", "small.xml"}}),
    Element("", {{"ResolutionID", "2"}, {"Width", "640"}, {"Height", "480"}, {"LayoutFileName", "large.xml"}}),
};

struct ChooseCase { int nShortSide; const char* pszExpected; };

class ChooseLayoutTest : public testing::TestWithParam<ChooseCase> {};

TEST_P(ChooseLayoutTest, PicksTheShorterSideOrTheTallestBelowIt)
{
    EXPECT_EQ(GetParam().pszExpected, ChooseLayoutFile(g_index, GetParam().nShortSide));
}

INSTANTIATE_TEST_SUITE_P(Table, ChooseLayoutTest, testing::Values(
    ChooseCase{240, "small.xml"}, ChooseCase{480, "large.xml"}, ChooseCase{320, "small.xml"},
    ChooseCase{600, "large.xml"}, ChooseCase{200, ""}));

TEST(ChooseLayout, NeverReadsTheFirstChildAndTakesTheFirstOfEqualHeights)
{
    EXPECT_EQ("", ChooseLayoutFile({Element("", {{"Height", "240"}, {"LayoutFileName", "a.xml"}})}, 240));
    const SkinEntries twice = {Element("", {}), Element("", {{"Height", "200"}, {"LayoutFileName", "a"}}),
                               Element("", {{"Height", " 240px"}, {"LayoutFileName", "b"}}),
                               Element("", {{"Height", "240"}, {"LayoutFileName", "c"}})};
    EXPECT_EQ("b", ChooseLayoutFile(twice, 320));
}

TEST(ReadSkinGeometry, MapsEachKeyWithTheOrientationAndSizeReadBeforeIt)
{
    const SkinEntries layout = {
        Element("char_S", {{"Left", "1"}, {"Top", "1"}, {"Width", "5"}, {"Height", "5"}}),
        Element("Orientation", {{"OrientationValue", "4"}}),
        Element("DefaultBackground", {{"BackgroundWidth", "320"}, {"BackgroundHeight", "240"}}),
        Element("char_Q", {{"Left", "10"}, {"Top", "20"}, {"Width", "30"}, {"Height", "40"}, {"DefaultPath", "q.bmp"},
                           {"Alternates", "\xC9\x99\xE2\x82\xAC"}}),
        Element("char_a", {{"Left", "0"}, {"Top", "0"}, {"Width", "100"}, {"Height", "100"}}),
        Element("char_W", {}),
        Element("char_D", {{"Width", "20"}}),
        SkinEntry{false, "char_E", {}},
        Element("number_7", {{"Left", "50"}, {"Top", "50"}, {"Width", "20"}, {"Height", "20"}}),
        Element("CharBackground", {{"DefaultPath", "chars.bmp"}}),
    };
    SkinGeometry geometry;
    ReadSkinGeometry(layout, ScreenShape::Portrait, false, geometry);
    EXPECT_EQ(4, geometry.nOrientation);
    EXPECT_EQ(320, geometry.nBackgroundWidth);
    const KeyRect& q = geometry.aKeys[FindTypingKey("char_Q")];
    EXPECT_EQ(180, q.nLeft);
    EXPECT_EQ(10, q.nTop);
    EXPECT_EQ(220, q.nRight);
    EXPECT_EQ(40, q.nBottom);
    EXPECT_TRUE(geometry.aKeys[FindTypingKey("char_S")].IsEmpty()) << "the first child is never read";
    EXPECT_TRUE(geometry.aKeys[FindTypingKey("char_A")].IsEmpty()) << "names are case-sensitive";
    EXPECT_TRUE(geometry.aKeys[FindTypingKey("char_W")].IsEmpty()) << "an entry without attributes is ignored";
    EXPECT_TRUE(geometry.aKeys[FindTypingKey("char_D")].IsEmpty()) << "no height: no key";
    EXPECT_TRUE(geometry.aKeys[FindTypingKey("char_E")].IsEmpty()) << "only elements are entries";
    EXPECT_FALSE(geometry.aKeys[FindTypingKey("number_7")].IsEmpty());
    EXPECT_EQ("chars.bmp", geometry.aBackgrounds[0]);
    EXPECT_EQ(L"\x0259\x20ac", geometry.aAlternates[FindTypingKey("char_Q")]);
    EXPECT_EQ(L"", geometry.aAlternates[FindTypingKey("number_7")]);
    SkinGeometry bare;
    ReadSkinGeometry({layout[0], layout[1], layout[3]}, ScreenShape::Portrait, true, bare);
    EXPECT_EQ(-40, bare.aKeys[FindTypingKey("char_Q")].nTop) << "turned within a design width of 0";
}

TEST(FindTapPoint, AvoidsTheOverlapWhereALowerKeyWins)
{
    const KeyRect rc{10, 20, 30, 40};
    EXPECT_TRUE(rc.Contains(10, 20));
    EXPECT_FALSE(rc.Contains(15, 45)) << "a key holds only points inside on both axes";
    EXPECT_FALSE(rc.Contains(35, 25));
    EXPECT_FALSE(rc.Contains(30, 25));

    SkinGeometry geometry;
    geometry.aKeys[0] = KeyRect{0, 0, 60, 20};    // char_A covers the left and the middle
    geometry.aKeys[1] = KeyRect{40, 0, 80, 20};   // char_B: only x 60..79 is its own
    int x = -1, y = -1;
    ASSERT_TRUE(FindTapPoint(geometry, 1, 1, x, y));
    EXPECT_GE(x, 60);
    EXPECT_LT(x, 80);
    ASSERT_TRUE(FindTapPoint(geometry, 0, 1, x, y));
    EXPECT_EQ(30, x);
    EXPECT_EQ(10, y);
    geometry.aKeys[2] = KeyRect{40, 0, 60, 20};   // char_C wholly under char_A
    EXPECT_FALSE(FindTapPoint(geometry, 2, 1, x, y));
    EXPECT_FALSE(FindTapPoint(geometry, 3, 1, x, y)) << "a key the skin does not place";
    EXPECT_FALSE(FindTapPoint(geometry, -1, 1, x, y));
    EXPECT_FALSE(FindTapPoint(geometry, TYPING_KEY_COUNT, 1, x, y));
    geometry.aKeys[38] = KeyRect{0, 0, 60, 20};   // number_0 under char_A, but in another view
    EXPECT_FALSE(FindTapPoint(geometry, 38, 1, x, y));
    EXPECT_TRUE(FindTapPoint(geometry, 38, 3, x, y));
}

TEST(ParseOptionsFile, ReadsHandAndSkin)
{
    UserChoices choices;
    const std::vector<unsigned char> right = {0, 0, 0, 0, 3, 0, 0, 0, 'A', 0, '.', 0, 'x', 0, 0xEE};
    ASSERT_TRUE(ParseOptionsFile(right, choices));
    EXPECT_FALSE(choices.bLeftHanded);
    EXPECT_EQ(u"A.x", choices.skinFile);
    EXPECT_EQ(3u, choices.words.nWords) << "no word settings: the defaults";
    // The accents switch, then suggest on, after 1 letter, 4 words, no space, the next bytes cut off.
    const std::vector<unsigned char> words = {0, 0, 0, 0, 1, 0, 0, 0, 'A', 0, 1, 0, 0, 0, 1, 1, 4, 0};
    ASSERT_TRUE(ParseOptionsFile(words, choices));
    EXPECT_EQ(1u, choices.words.nAfterLetters);
    EXPECT_EQ(4u, choices.words.nWords);
    EXPECT_FALSE(choices.words.bSpaceAfterWord);
    EXPECT_TRUE(choices.words.bLearn);
    ASSERT_TRUE(ParseOptionsFile({0, 0, 0, 0, 0, 0, 0, 0}, choices)) << "habit and an empty count";
    EXPECT_EQ(u"Silver.xml", choices.skinFile);

    UserChoices untouched;
    const std::vector<unsigned char> truncated = {1, 0, 0, 0, 3, 0, 0, 0, 'A', 0};
    EXPECT_FALSE(ParseOptionsFile(truncated, untouched));
    const std::vector<unsigned char> tooLong = {1, 0, 0, 0, 4, 1, 0, 0};
    EXPECT_FALSE(ParseOptionsFile(tooLong, untouched));
    std::vector<unsigned char> whole260(8 + 2 * 260, 'a');   // every unit there, but no room for a terminator
    whole260[0] = whole260[1] = whole260[2] = whole260[3] = 0;
    whole260[4] = 4, whole260[5] = 1, whole260[6] = whole260[7] = 0;
    EXPECT_FALSE(ParseOptionsFile(whole260, untouched));
    EXPECT_TRUE(untouched.bLeftHanded);
    EXPECT_EQ(u"Silver.xml", untouched.skinFile);
}

}  // namespace

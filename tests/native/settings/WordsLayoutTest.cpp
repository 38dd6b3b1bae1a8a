#include "settings/WordsLayout.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace
{

// A QVGA screen whose system font is 16 pixels high (L = 21, M = 4), with texts of
// Tahoma's widths; lists of numbers 9 + 17 + 21 = 47 wide, the word list 60 + 17 + 21 = 98.
WordsLayoutInput QvgaInput(OptionsOrientation orientation, int nClientRight)
{
    WordsLayoutInput in = {orientation, nClientRight, 21, 4, 24, 17, 110, 140, 105, 190, 115, 55, 120, 9, 60};
    return in;
}

// Every control's place, in the order of the result's fields.
std::vector<std::tuple<int, int, int, int>> Places(const WordsLayoutResult& out)
{
    std::vector<std::tuple<int, int, int, int>> places;
    for (const PlacedRect& rc : {out.suggest, out.afterLabel, out.afterList, out.countLabel, out.countList, out.space,
                                 out.learn, out.listLabel, out.wordList, out.clear})
        places.emplace_back(rc.x, rc.y, rc.nWidth, rc.nHeight);
    return places;
}

// 240 wide: one column from 8 + 240 / 12 = 28 to 232. Every label fits beside its list,
// which stands at the column's right edge; each label is centred on its row of 25.
TEST(WordsLayout, PortraitQvgaPutsEachListBesideItsLabel)
{
    const WordsLayoutResult out = LayOutWords(QvgaInput(OptionsOrientation::Portrait, 240));
    EXPECT_TRUE(out.bPlaced);
    EXPECT_EQ((std::vector<std::tuple<int, int, int, int>>{
                  {28, 8, 204, 25}, {28, 39, 149, 21}, {185, 37, 47, 24}, {28, 68, 149, 21}, {185, 66, 47, 24},
                  {28, 95, 204, 25}, {28, 124, 204, 25}, {28, 155, 98, 21}, {134, 153, 98, 24},
                  {28, 186, 120 + 42, 25}}),
              Places(out));
}

// Landscape: a column in each half, from 8 to 156 and from 164 to 312, where no label
// fits beside its list and "A space after a chosen word" takes two lines.
TEST(WordsLayout, LandscapeQvgaFillsAColumnInEachHalf)
{
    EXPECT_EQ((std::vector<std::tuple<int, int, int, int>>{
                  {8, 8, 148, 25}, {8, 37, 148, 21}, {8, 62, 47, 24}, {8, 90, 148, 21}, {8, 115, 47, 24},
                  {164, 8, 148, 2 * 21 + 4}, {164, 58, 148, 25}, {164, 87, 148, 21}, {164, 112, 98, 24},
                  {164, 144, 148, 25}}),
              Places(LayOutWords(QvgaInput(OptionsOrientation::Landscape, 320))));
    EXPECT_FALSE(LayOutWords(QvgaInput(OptionsOrientation::Square, 320)).bPlaced);
}

// What the widths change, in the right half of a landscape screen (148 wide): how many
// lines a check box, a label and the button take, whether a list fits beside its label,
// and that neither list nor button outgrows the column.
TEST(WordsLayout, WideTextsWrapAndNothingOutgrowsTheColumn)
{
    struct Case
    {
        const char* pszWhat;
        int nSpace, nList, nItem, nClear;
        int nSpaceHeight, nLabelHeight, nListWidth, nClearWidth, nClearHeight;
        bool bBeside;
    };
    const Case aCases[] = {
        {"the column's width is one line", 148, 55, 47, 100, 25, 21, 85, 142, 25, true},
        {"one unit more is two", 149, 55, 47, 100, 2 * 21 + 4, 21, 85, 142, 25, true},
        {"twice the width is three", 296, 55, 47, 100, 3 * 21 + 4, 21, 85, 142, 25, true},
        {"one unit wider a list goes under its label", 148, 55, 48, 100, 25, 21, 86, 142, 25, false},
        {"a label wider than the column wraps", 148, 149, 47, 100, 25, 2 * 21, 85, 142, 25, false},
        {"the button's text and frame as wide as the column", 148, 55, 47, 144, 25, 21, 85, 148, 25, true},
        {"a list and a button wider than the column", 148, 55, 1000, 1000, 25, 21, 148, 148, 7 * 21 + 4, false},
    };
    for (const Case& c : aCases)
    {
        WordsLayoutInput in = QvgaInput(OptionsOrientation::Landscape, 320);
        in.nSpaceTextWidth = c.nSpace;
        in.nListTextWidth = c.nList;
        in.nWidestListWidth = c.nItem;
        in.nClearTextWidth = c.nClear;
        const WordsLayoutResult out = LayOutWords(in);
        const bool bBeside = out.wordList.y < out.listLabel.y + out.listLabel.nHeight;
        EXPECT_EQ(std::make_tuple(c.nSpaceHeight, c.nLabelHeight, c.nListWidth, c.nClearWidth, c.nClearHeight,
                                  c.bBeside, c.bBeside ? 312 - c.nListWidth : 164),
                  std::make_tuple(out.space.nHeight, out.listLabel.nHeight, out.wordList.nWidth, out.clear.nWidth,
                                  out.clear.nHeight, bBeside, out.wordList.x))
            << c.pszWhat;
        // Each block a margin below the one before it (a row is M + L high), the button two.
        EXPECT_EQ(out.space.y + out.space.nHeight + 4, out.learn.y) << c.pszWhat;
        EXPECT_EQ(out.wordList.y + (c.bBeside ? 25 : out.wordList.nHeight) + 8, out.clear.y) << c.pszWhat;
    }
}

} // namespace

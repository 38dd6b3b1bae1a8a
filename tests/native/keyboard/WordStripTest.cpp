#include "keyboard/WordStrip.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

std::tuple<int, int, int, int> Tie(const ViewRect& r) { return {r.left, r.top, r.right, r.bottom}; }

constexpr ViewRect kNone{0, 0, 0, 0};

TEST(WordStrip, TheSkinsPlaceOrElseTheEditViewsLastLineAsTheTextReads)
{
    struct Case
    {
        const char* pszName;
        ViewRect rcWordView;
        ViewRect rcEditView;
        TextTurn turn;
        ViewRect expected;
        bool bInEditView;
        int nAcross;
    };
    const Case cases[] = {
        {"the skin's place, upright", {5, 68, 219, 95}, {5, 6, 219, 66}, TextTurn::Upright, {5, 68, 219, 95}, false, 27},
        {"the skin's place, turned: across is its width", {68, 5, 95, 219}, {6, 5, 66, 219}, TextTurn::Clockwise,
         {68, 5, 95, 219}, false, 27},
        {"upright: the bottom band", kNone, {10, 20, 210, 100}, TextTurn::Upright, {10, 73, 210, 100}, true, 27},
        {"clockwise: lines go left, the left band", kNone, {20, 10, 100, 210}, TextTurn::Clockwise, {20, 10, 47, 210},
         true, 27},
        {"counter-clockwise: lines go right, the right band", kNone, {20, 10, 100, 210}, TextTurn::CounterClockwise,
         {73, 10, 100, 210}, true, 27},
        {"an edit view thinner than a fingertip is the strip whole", kNone, {10, 20, 210, 40}, TextTurn::Upright,
         {10, 20, 210, 40}, true, 20},
        {"no edit view, no place", kNone, kNone, TextTurn::Upright, kNone, true, 0},
    };
    for (const Case& c : cases)
    {
        const WordStripPlace place = PlaceWordStrip(c.rcWordView, c.rcEditView, c.turn, 27);
        EXPECT_EQ(Tie(c.expected), Tie(place.rcStrip)) << c.pszName;
        EXPECT_EQ(c.bInEditView, place.bInEditView) << c.pszName;
        EXPECT_EQ(c.nAcross, place.nAcross) << c.pszName;
    }
}

TEST(WordStrip, CellsShareTheStripEquallyInReadingOrder)
{
    struct Case
    {
        TextTurn turn;
        ViewRect rcStrip;
        std::vector<ViewRect> expected;
    };
    const Case cases[] = {
        {TextTurn::Upright, {10, 0, 110, 30}, {{10, 0, 43, 30}, {43, 0, 76, 30}, {76, 0, 110, 30}}},
        {TextTurn::Clockwise, {0, 10, 30, 110}, {{0, 10, 30, 43}, {0, 43, 30, 76}, {0, 76, 30, 110}}},
        {TextTurn::CounterClockwise, {0, 10, 30, 110}, {{0, 77, 30, 110}, {0, 44, 30, 77}, {0, 10, 30, 44}}},
        {TextTurn::Upright, {0, 0, 100, 30}, {{0, 0, 100, 30}}},
    };
    for (const Case& c : cases)
    {
        ViewRect aCells[4]{};
        const int nCells = static_cast<int>(c.expected.size());
        ASSERT_EQ(nCells, PlaceWordCells(c.rcStrip, c.turn, nCells, 4, aCells)) << static_cast<int>(c.turn);
        for (int i = 0; i < nCells; ++i)
            EXPECT_EQ(Tie(c.expected[i]), Tie(aCells[i])) << "turn " << static_cast<int>(c.turn) << ", cell " << i;
    }
    ViewRect aCells[4]{};
    EXPECT_EQ(0, PlaceWordCells({0, 0, 100, 30}, TextTurn::Upright, 0, 4, aCells));
    EXPECT_EQ(0, PlaceWordCells({0, 0, 100, 30}, TextTurn::Upright, 5, 4, aCells));
    EXPECT_EQ(0, PlaceWordCells(kNone, TextTurn::Upright, 3, 4, aCells));
}

}  // namespace

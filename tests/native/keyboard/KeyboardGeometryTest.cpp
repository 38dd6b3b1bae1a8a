#include "keyboard/Ampersands.h"
#include "keyboard/KeyboardPlacement.h"
#include "keyboard/RotatedTextGeometry.h"
#include "keyboard/TextDirection.h"

#include "support/ScreenRules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct PlacementCase
{
    const char* pszName;
    PlacementInput input;
    bool bMove;
    PlacedRect dialog, edit, keyboard;
};

std::tuple<int, int, int, int> Tie(const PlacedRect& r) { return {r.x, r.y, r.nWidth, r.nHeight}; }
std::tuple<int, int, int, int> Tie(const ViewRect& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(KeyboardPlacement, KeyboardIsCentredAlongTheLongSideAndTakesTheDialogsTaps)
{
    const PlacementCase cases[] = {
        {"landscape skin 300x200 upright on 320x240", {ORIENT_LANDSCAPE, 320, 240, 300, 200, 280, 40, false}, true,
         {0, 0, 320, 240}, {10, 20, 280, 40}, {10, 0, 300, 200}},
        // Turned, the edit view area lies 40 wide and 280 high on the screen.
        {"landscape skin 300x200 turned on 240x320", {ORIENT_PORTRAIT, 240, 320, 300, 200, 40, 280, true}, true,
         {0, 0, 240, 320}, {10, 20, 280, 40}, {0, 10, 200, 300}},
        {"landscape skin 320x240 turned on 240x400: nothing cut off", {ORIENT_PORTRAIT, 240, 400, 320, 240, 50, 300, true},
         true, {0, 0, 240, 400}, {10, 20, 300, 50}, {0, 40, 240, 320}},
        {"portrait skin 240x320 upright on 240x400", {ORIENT_PORTRAIT, 240, 400, 240, 320, 220, 60, false}, true,
         {0, 0, 240, 400}, {10, 20, 220, 60}, {0, 40, 240, 320}},
        {"portrait skin 240x320 turned on 320x240", {ORIENT_LANDSCAPE, 320, 240, 240, 320, 60, 220, true}, true,
         {0, 0, 320, 240}, {10, 20, 220, 60}, {0, 0, 320, 240}},
        {"skin wider than the screen: an odd difference truncates", {ORIENT_LANDSCAPE, 320, 240, 331, 240, 300, 50, false}, true,
         {0, 0, 320, 240}, {10, 20, 300, 50}, {-5, 0, 331, 240}},
        {"square keeps the template", {ORIENT_SQUARE, 320, 320, 320, 240, 300, 50, true}, false,
         {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const PlacementCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        const KeyboardPlacement got = PlaceKeyboard(c.input);
        EXPECT_EQ(c.bMove, got.bMove);
        // A tap on the dialog lands on the keyboard control where that stands (or stays put).
        int x = c.keyboard.x + 5, y = c.keyboard.y + 7;
        DialogToKeyboardPoint(c.input, x, y);
        EXPECT_EQ(std::make_pair(5, 7), std::make_pair(x, y));
        if (!c.bMove)
            continue;
        EXPECT_EQ(Tie(c.dialog), Tie(got.dialog));
        EXPECT_EQ(Tie(c.edit), Tie(got.edit));
        EXPECT_EQ(Tie(c.keyboard), Tie(got.keyboard));
    }
}

struct RectAtCase
{
    int nEscapement, x, y, w, h;
    ViewRect expected;
};

TEST(RotatedTextGeometry, TurnedTextIsDrawnInALargeSquareAroundTheBoxMiddle)
{
    const RectAtCase cases[] = {
        {0, 10, 20, 30, 12, {10, 20, 40, 32}},
        {900, 10, 20, 30, 12, {10 + 15 - 1000, 20 + 6 - 1000, 10 + 15 + 1000, 20 + 6 + 1000}},
        {2700, 10, 20, 31, 13, {10 + 16 - 1000, 20 + 7 - 1000, 10 + 16 + 1000, 20 + 7 + 1000}},
    };
    for (const RectAtCase& c : cases)
        EXPECT_EQ(Tie(c.expected), Tie(TextRectAt(c.nEscapement, c.x, c.y, c.w, c.h))) << c.nEscapement;
}

struct RectInCase
{
    int nEscapement;
    ViewRect r;
    int w, h;
    ViewRect expected;
};

TEST(RotatedTextGeometry, CentredTurnedTextHasItsMiddleOnTheRectangleMiddle)
{
    // Centre (60, 45); text 21 x 11: tw 10, th 5.
    const ViewRect r{20, 30, 101, 61};
    const RectInCase cases[] = {
        {0, r, 21, 11, r},
        {900, r, 21, 11, {60 - 5 - 1000, 45 + 10 - 1000, 60 - 5 + 21 + 1000, 45 + 10 + 11 + 1000}},
        {2700, r, 21, 11, {60 + 5 - 1000, 45 - 10 - 1000, 60 + 5 + 21 + 1000, 45 - 10 + 11 + 1000}},
    };
    for (const RectInCase& c : cases)
        EXPECT_EQ(Tie(c.expected), Tie(TextRectIn(c.nEscapement, c.r, c.w, c.h))) << c.nEscapement;
}

struct PreviewHeightCase
{
    ViewRect area;
    int nEscapement;
    int nExpected;
};

TEST(RotatedTextGeometry, PreviewHeightIsEightyPercentOfTheAreaAcrossTheText)
{
    const PreviewHeightCase cases[] = {
        {{0, 10, 100, 60}, 0, -40},      // an area 50 high
        {{0, 0, 100, 33}, 0, -26},       // -26.4 truncates toward zero
        {{0, 60, 100, 10}, 0, 40},       // an inverted area gives a positive (cell) height
        {{10, 0, 60, 200}, 900, -40},    // turned text stands in the area's width
        {{0, 10, 100, 60}, 2700, -80},
    };
    for (const PreviewHeightCase& c : cases)
    {
        EXPECT_EQ(c.nExpected, PreviewFontHeight(c.area, c.nEscapement))
            << "escapement " << c.nEscapement << " area " << c.area.left << "," << c.area.top << ".." << c.area.right
            << "," << c.area.bottom;
    }
    // The label font is made only at the three angles the keyboard turns to.
    EXPECT_TRUE(IsSupportedEscapement(0));
    EXPECT_FALSE(IsSupportedEscapement(450));
}

TEST(Ampersands, EveryAmpersandIsDoubled)
{
    const std::vector<std::pair<std::wstring, std::wstring>> cases = {
        {L"", L""},
        {L"R&D", L"R&&D"},
        {L"&", L"&&"},
        {L"&&x&", L"&&&&x&&"},
    };
    for (const auto& [source, expected] : cases)
    {
        // A destination exactly as large as promised, with a guard after it.
        std::vector<wchar_t> dest(DoubledLengthFor(static_cast<int>(source.size())) + 1, L'#');
        DoubleAmpersands(source.c_str(), dest.data());
        EXPECT_EQ(expected, std::wstring(dest.data())) << std::string(source.begin(), source.end());
        EXPECT_EQ(L'#', dest.back());
    }
}

}  // namespace

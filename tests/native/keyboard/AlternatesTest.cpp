#include "keyboard/Alternates.h"
#include "keyboard/AlternatesStrip.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string>

namespace {

std::wstring Text(const wchar_t* psz) { return psz != nullptr ? std::wstring(psz) : std::wstring(L"<null>"); }

// The C library's Unicode case tables are the independent judge of the upper-case forms.
class Utf8Ctype
{
public:
    Utf8Ctype() : m_old(std::setlocale(LC_CTYPE, nullptr)) { std::setlocale(LC_CTYPE, "C.UTF-8"); }
    ~Utf8Ctype() { std::setlocale(LC_CTYPE, m_old.c_str()); }

private:
    std::string m_old;
};

// Each list holds at most kMaxAlternates characters, each once, and takes the upper case
// the C library gives it, which leads back down again; upper-case keys offer the same.
TEST(Alternates, ListsHoldEachCharacterOnceWithTheLibrarysUpperCase)
{
    Utf8Ctype ctype;
    for (const wchar_t key : std::wstring(L"acdegiklnorstuyz?!.-\"'$"))
    {
        SCOPED_TRACE(testing::Message() << "key " << char(key));
        const std::wstring list = Text(FindBuiltInAlternates(key));
        ASSERT_NE(L"<null>", list);
        EXPECT_EQ(list, Text(FindBuiltInAlternates(static_cast<wchar_t>(std::towupper(key)))));
        EXPECT_LE(list.size(), static_cast<size_t>(kMaxAlternates));
        for (size_t i = 0; i < list.size(); ++i)
        {
            const wchar_t ch = list[i];
            const wchar_t upper = ApplyAlternateCase(ch, true);
            EXPECT_EQ(std::wstring::npos, list.find(ch, i + 1)) << "U+" << std::hex << int(ch) << " twice";
            EXPECT_EQ(static_cast<wchar_t>(std::towupper(ch)), upper) << "U+" << std::hex << int(ch);
            // Back down again, but for the dotless i, whose capital is the plain I.
            EXPECT_EQ(ch == 0x0131 ? L'i' : ch, static_cast<wchar_t>(std::towlower(upper)))
                << "U+" << std::hex << int(ch);
            EXPECT_EQ(ch, ApplyAlternateCase(ch, false));
        }
    }
    EXPECT_EQ(L'\u00e9', FindBuiltInAlternates(L'e')[0]);           // the most common first
    EXPECT_EQ(nullptr, FindBuiltInAlternates(L'b'));
}

// Which keys offer what: by what the key would type now, a skin's list first, never the
// keys that do not type a character of their own.
TEST(Alternates, KeysOfferByWhatTheyTypeNow)
{
    const struct { int nKey; const wchar_t* pszSkin; bool bCaps; bool bShift; const wchar_t* pszWant; } cases[] = {
        {4, nullptr, true, false, FindBuiltInAlternates(L'e')},   // E with caps lock
        {27, nullptr, false, false, FindBuiltInAlternates(L'.')},   // the dot key
        {27, nullptr, false, true, FindBuiltInAlternates(L'-')},    // shifted, it types a dash
        {55, nullptr, false, false, FindBuiltInAlternates(L'$')},
        {1, nullptr, false, false, L"<null>"},                 // b has none
        {1, L"", false, false, L"<null>"},                     // an empty skin list is none
        {38, L"\u00bd\u00bc", false, false, L"\u00bd\u00bc"},  // a skin's own list makes a key eligible
        {4, L"x", false, false, L"x"},                         // and replaces the built-in one
        {KEY_SPACE, L"x", false, false, L"<null>"}, {KEY_BACKSPACE, L"x", false, false, L"<null>"},
        {KEY_OK, L"x", false, false, L"<null>"}, {KEY_NONE, L"x", false, false, L"<null>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(c.pszWant), Text(FindKeyAlternates(c.nKey, c.pszSkin, c.bCaps, c.bShift))) << "key " << c.nKey;
}

// The strip's cells carry the case rule, and the preview shows the cell under the stylus;
// a press cut short chooses nothing and leaves shift set. (Typing is checked under Wine.)
TEST(Alternates, StripCellsTakeTheCaseRuleAndShowInThePreview)
{
    g_bShift = 1;
    g_nPressedKey = KEY_A;
    const StripInput input{{100, 100, 124, 130}, 240, 320, TextTurn::Upright, 0, 27};
    ASSERT_TRUE(OpenKeyStrip(KEY_A, L"\u00e0\u00df", input));
    EXPECT_FALSE(TrackKeyStrip(112, 115));   // on the held key: no cell, the key's own label
    EXPECT_EQ(L"A", std::wstring(GetKeyLabel()));
    EXPECT_TRUE(TrackKeyStrip(g_keyStrip.aCells[1].left, g_keyStrip.aCells[1].top));
    EXPECT_EQ(L"\u00df", std::wstring(GetKeyLabel()));
    EXPECT_TRUE(TrackKeyStrip(g_keyStrip.aCells[0].left, g_keyStrip.aCells[0].top));
    EXPECT_EQ(L"\u00c0", std::wstring(GetKeyLabel()));
    DiscardKeyStrip();
    EXPECT_FALSE(IsKeyStripOpen());
    EXPECT_EQ(1, g_bShift);
    EXPECT_FALSE(OpenKeyStrip(KEY_A, L"", input));
    g_bShift = 0;
    g_nPressedKey = KEY_NONE;
}

bool Overlap(const ViewRect& a, const ViewRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// How cell b lies to cell a, and the strip to the key, along and across the text.
bool Follows(TextTurn turn, const ViewRect& a, const ViewRect& b)
{
    switch (turn)
    {
    case TextTurn::Clockwise: return a.bottom == b.top;
    case TextTurn::CounterClockwise: return a.top == b.bottom;
    case TextTurn::Upright: break;
    }
    return a.right == b.left;
}

bool Above(TextTurn turn, const ViewRect& cell, const ViewRect& key)
{
    switch (turn)
    {
    case TextTurn::Clockwise: return cell.left == key.right;
    case TextTurn::CounterClockwise: return cell.right == key.left;
    case TextTurn::Upright: break;
    }
    return cell.bottom == key.top;
}

// Keys at every edge and corner and in the middle of a 240 x 320 control, for every turn
// and several strip lengths: the cells lie wholly inside, are at least the key and the
// minimum, do not overlap, are found at their centres and read along the text; where
// there is room (the middle key) they lie above the key as the text reads, clear of the finger.
TEST(AlternatesStrip, CellsStayOnTheControlApartAndInReadingOrder)
{
    constexpr int W = 240, H = 320, KW = 24, KH = 36, MIN = 27;
    const int aX[] = {0, (W - KW) / 2, W - KW};
    const int aY[] = {0, (H - KH) / 2, H - KH};
    for (TextTurn turn : {TextTurn::Upright, TextTurn::Clockwise, TextTurn::CounterClockwise})
        for (int x : aX)
            for (int y : aY)
                for (int nCells : {1, 3, 10, kMaxAlternates})
                {
                    SCOPED_TRACE(testing::Message() << "turn " << int(turn) << " key (" << x << ", " << y << ") cells "
                                                    << nCells);
                    const ViewRect key{x, y, x + KW, y + KH};
                    const bool bMiddle = x == aX[1] && y == aY[1] && nCells <= 3;
                    ViewRect cells[kMaxAlternates];
                    ASSERT_EQ(nCells, PlaceAlternatesStrip({key, W, H, turn, nCells, MIN}, cells));
                    for (int i = 0; i < nCells; ++i)
                    {
                        const ViewRect& c = cells[i];
                        EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.right <= W && c.bottom <= H) << "cell " << i;
                        EXPECT_GE(c.right - c.left, std::max(KW, MIN));
                        EXPECT_GE(c.bottom - c.top, std::max(KH, MIN));
                        EXPECT_EQ(i, FindStripCellAt(cells, nCells, (c.left + c.right) / 2, (c.top + c.bottom) / 2));
                        EXPECT_TRUE(!bMiddle || Above(turn, c, key)) << "cell " << i;
                        // A lone cell over a key with room around it has the key's middle.
                        const bool bCentred = std::abs(c.left + c.right - key.left - key.right) <= 2 ||
                                              std::abs(c.top + c.bottom - key.top - key.bottom) <= 2;
                        EXPECT_TRUE(!bMiddle || nCells > 1 || bCentred);
                        for (int j = 0; j < i; ++j)
                            EXPECT_FALSE(Overlap(cells[j], c)) << "cells " << j << " and " << i;
                    }
                    EXPECT_TRUE(nCells == 1 || Follows(turn, cells[0], cells[1]));
                }
    ViewRect cells[1];
    EXPECT_EQ(0, PlaceAlternatesStrip({{0, 0, KW, KH}, 20, H, TextTurn::Upright, 1, MIN}, cells));   // no room
    EXPECT_EQ(0, PlaceAlternatesStrip({{0, 0, KW, KH}, W, H, TextTurn::Upright, 0, MIN}, cells));    // nothing to show
    EXPECT_EQ(-1, FindStripCellAt(cells, 0, 0, 0));
    EXPECT_EQ(27, MinimumCellPixels(96));    // 7 mm at 96 DPI is 26.5 pixels
    EXPECT_EQ(53, MinimumCellPixels(192));
}

}  // namespace

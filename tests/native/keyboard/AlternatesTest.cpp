#include "keyboard/Alternates.h"
#include "keyboard/AlternatesStrip.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
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

// Each list holds its languages' letters (and signs), at most kMaxAlternates of them, each
// once, and takes the upper case the C library gives it, which leads back down again.
TEST(Alternates, ListsHoldTheLettersOnceWithTheLibrarysUpperCase)
{
    Utf8Ctype ctype;
    const struct { wchar_t key; const wchar_t* pszMust; } cases[] = {
        {L'a', L"\u00e0\u00e1\u00e2\u00e4\u00e6\u00e3\u00e5\u0101\u0105\u0103"},
        {L'c', L"\u00e7\u0107\u010d"},
        {L'd', L"\u010f\u0111\u00f0"},
        {L'e', L"\u00e8\u00e9\u00ea\u00eb\u0113\u0117\u0119\u011b"},
        {L'g', L"\u011f\u0123"},
        {L'i', L"\u00ed\u00ee\u00ef\u00ec\u012f\u012b\u0131"},
        {L'k', L"\u0137"},
        {L'l', L"\u0142\u013e\u013a\u013c"},
        {L'n', L"\u00f1\u0144\u0148\u0146"},
        {L'o', L"\u00f6\u00f3\u00f4\u00f2\u00f5\u00f8\u0151\u0153\u014d"},
        {L'r', L"\u0159\u0155"},
        {L's', L"\u00df\u015b\u0161\u015f\u0219"},
        {L't', L"\u0165\u0163\u021b\u00fe"},
        {L'u', L"\u00fc\u00fa\u00fb\u00f9\u0171\u016f\u016b\u0173"},
        {L'y', L"\u00fd\u00ff"},
        {L'z', L"\u017a\u017c\u017e"},
        {L'?', L"\u00bf"},
        {L'!', L"\u00a1"},
        {L'.', L"\u2026"},
        {L'-', L"\u2013\u2014"},
        {L'"', L"\u00ab\u00bb\u201e\u201c\u201d"},
        {L'\'', L"\u2018\u2019\u201a"},
        {L'$', L"\u20ac\u00a3\u00a5\u00a2"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "key " << char(c.key));
        const std::wstring list = Text(FindBuiltInAlternates(c.key));
        EXPECT_EQ(list, Text(FindBuiltInAlternates(static_cast<wchar_t>(std::towupper(c.key)))));
        EXPECT_LE(list.size(), static_cast<size_t>(kMaxAlternates));
        for (const wchar_t* p = c.pszMust; *p != 0; ++p)
            EXPECT_NE(std::wstring::npos, list.find(*p)) << "lacks U+" << std::hex << int(*p);
        for (size_t i = 0; i < list.size(); ++i)
        {
            const wchar_t ch = list[i];
            const wchar_t upper = ApplyAlternateCase(ch, true);
            EXPECT_EQ(std::wstring::npos, list.find(ch, i + 1)) << "U+" << std::hex << int(ch) << " twice";
            EXPECT_EQ(static_cast<wchar_t>(std::towupper(ch)), upper) << "U+" << std::hex << int(ch);
            // Back down again, but for the dotless i, whose capital is the plain I.
            EXPECT_EQ(ch == 0x0131 ? L'i' : ch, static_cast<wchar_t>(std::towlower(upper))) << "U+" << std::hex << int(ch);
            EXPECT_EQ(ch, ApplyAlternateCase(ch, false));
        }
    }
    EXPECT_EQ(wchar_t{0x00df}, ApplyAlternateCase(0x00df, true));   // ß has no capital of its own
    EXPECT_EQ(L'I', ApplyAlternateCase(0x0131, true));
    EXPECT_EQ(L'\u00e9', FindBuiltInAlternates(L'e')[0]);           // the most common first
    EXPECT_EQ(nullptr, FindBuiltInAlternates(L'b'));
    EXPECT_EQ(nullptr, FindBuiltInAlternates(L','));
}

// Which keys offer what: by what the key would type now, a skin's list first, never the
// keys that do not type a character of their own.
TEST(Alternates, KeysOfferByWhatTheyTypeNow)
{
    const struct { int nKey; const wchar_t* pszSkin; bool bCaps; bool bShift; const wchar_t* pszWant; } cases[] = {
        {4, nullptr, true, false, L"\u00e9\u00e8\u00ea\u00eb\u0119\u011b\u0117\u0113"},   // E with caps lock
        {27, nullptr, false, false, L"\u2026"},                // the dot key
        {27, nullptr, false, true, L"\u2013\u2014"},           // shifted, it types a dash
        {28, nullptr, false, true, L"\u00ab\u00bb\u201e\u201c\u201d"},
        {55, nullptr, false, false, L"\u20ac\u00a3\u00a5\u00a2"},
        {1, nullptr, false, false, L"<null>"},                 // b has none
        {1, L"", false, false, L"<null>"},                     // an empty skin list is none
        {38, L"\u00bd\u00bc", false, false, L"\u00bd\u00bc"},  // a skin's own list makes a key eligible
        {4, L"x", false, false, L"x"},                         // and replaces the built-in one
        {KEY_SPACE, L"x", false, false, L"<null>"},
        {KEY_BACKSPACE, L"x", false, false, L"<null>"},
        {KEY_OK, L"x", false, false, L"<null>"},
        {KEY_NONE, L"x", false, false, L"<null>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(c.pszWant), Text(FindKeyAlternates(c.nKey, c.pszSkin, c.bCaps, c.bShift))) << "key " << c.nKey;
}

// The strip types its cell with the case rule and clears shift; lifted off the cells, or
// cut short, it chooses nothing and leaves shift alone.
TEST(Alternates, StripTypesTheCellUnderTheStylusWithTheCaseRule)
{
    g_bCapsLock = 0;
    g_bShift = 1;
    const StripInput input{{100, 100, 124, 130}, 240, 320, TextTurn::Upright, 0, 27};
    ASSERT_TRUE(OpenKeyStrip(KEY_A, FindKeyAlternates(KEY_A, nullptr, false, true), input));
    EXPECT_EQ(10, g_keyStrip.nCount);
    EXPECT_FALSE(TrackKeyStrip(112, 115));   // on the held key: no cell, nothing changed
    EXPECT_EQ(nullptr, CloseKeyStrip());
    EXPECT_EQ(1, g_bShift);

    ASSERT_TRUE(OpenKeyStrip(KEY_A, L"\u00e0\u00df", input));
    const ViewRect cell = g_keyStrip.aCells[0];
    EXPECT_TRUE(TrackKeyStrip(cell.left, cell.top));
    g_nPressedKey = KEY_A;
    EXPECT_EQ(L"\u00c0", std::wstring(GetKeyLabel()));   // the preview shows the cell
    EXPECT_EQ(L"\u00c0", Text(CloseKeyStrip()));
    EXPECT_EQ(0, g_bShift);
    EXPECT_FALSE(IsKeyStripOpen());

    g_bShift = 1;
    ASSERT_TRUE(OpenKeyStrip(KEY_A, L"\u00df", input));
    TrackKeyStrip(g_keyStrip.aCells[0].left, g_keyStrip.aCells[0].top);
    DiscardKeyStrip();
    EXPECT_EQ(1, g_bShift);
    EXPECT_FALSE(OpenKeyStrip(KEY_A, L"", input));
    g_bShift = 0;
    g_nPressedKey = KEY_NONE;
}

bool Overlap(const ViewRect& a, const ViewRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The second cell follows the first along the text.
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

// Keys at every edge and corner and in the middle of a 240 x 320 control, for every turn
// and several strip lengths: the cells lie wholly inside, are at least the key and the
// minimum, do not overlap, are found at their centres, and read along the text.
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
                    ViewRect cells[kMaxAlternates];
                    ASSERT_EQ(nCells, PlaceAlternatesStrip({key, W, H, turn, nCells, MIN}, cells));
                    for (int i = 0; i < nCells; ++i)
                    {
                        const ViewRect& c = cells[i];
                        EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.right <= W && c.bottom <= H) << "cell " << i;
                        EXPECT_GE(c.right - c.left, std::max(KW, MIN));
                        EXPECT_GE(c.bottom - c.top, std::max(KH, MIN));
                        EXPECT_EQ(i, FindStripCellAt(cells, nCells, (c.left + c.right) / 2, (c.top + c.bottom) / 2));
                        for (int j = 0; j < i; ++j)
                            EXPECT_FALSE(Overlap(cells[j], c)) << "cells " << j << " and " << i;
                    }
                    EXPECT_TRUE(nCells == 1 || Follows(turn, cells[0], cells[1]));
                }
}

// Where there is room, the strip lies above the key as the text reads, clear of the finger.
TEST(AlternatesStrip, LiesAboveTheKeyAsTheTextReads)
{
    const ViewRect key{100, 140, 130, 170};
    const struct { TextTurn turn; bool (*above)(const ViewRect&, const ViewRect&); } cases[] = {
        {TextTurn::Upright, [](const ViewRect& c, const ViewRect& k) { return c.bottom == k.top; }},
        {TextTurn::Clockwise, [](const ViewRect& c, const ViewRect& k) { return c.left == k.right; }},
        {TextTurn::CounterClockwise, [](const ViewRect& c, const ViewRect& k) { return c.right == k.left; }},
    };
    for (const auto& c : cases)
    {
        ViewRect cells[4];
        ASSERT_EQ(4, PlaceAlternatesStrip({key, 240, 320, c.turn, 4, 20}, cells));
        for (const ViewRect& cell : cells)
            EXPECT_TRUE(c.above(cell, key)) << "turn " << int(c.turn);
    }
    ViewRect cells[1];
    EXPECT_EQ(0, PlaceAlternatesStrip({key, 20, 320, TextTurn::Upright, 1, 27}, cells));   // no room
    EXPECT_EQ(-1, FindStripCellAt(cells, 0, 0, 0));
    EXPECT_EQ(27, MinimumCellPixels(96));    // 7 mm at 96 DPI is 26.5 pixels
    EXPECT_EQ(53, MinimumCellPixels(192));
}

}  // namespace

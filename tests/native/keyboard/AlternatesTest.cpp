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
#include <iterator>
#include <string>
#include <utility>

namespace {

// The cells in small letters, and as the case c shows them.
std::wstring InCase(const AlternateList& list, LetterCase c = LetterCase::Small)
{
    std::wstring text;
    for (int i = 0; i < list.nCount; ++i)
        text += CellInCase(list.aCells[i], c);
    return text;
}

// The C library's Unicode case tables are the independent judge of the upper-case forms.
class Utf8Ctype
{
public:
    Utf8Ctype() : m_old(std::setlocale(LC_CTYPE, nullptr)) { std::setlocale(LC_CTYPE, "C.UTF-8"); }
    ~Utf8Ctype() { std::setlocale(LC_CTYPE, m_old.c_str()); }

private:
    std::string m_old;
};

wchar_t LibraryCapital(wchar_t ch) { return static_cast<wchar_t>(std::towupper(ch)); }

// The alphabets, written from the languages themselves, not from the keyboard's table:
// each letter, small and capital. ß has no capital of its own and the middle dot of
// Catalan's l·l no case.
struct Alphabet
{
    const char* pszLanguage;
    const wchar_t* pszSmall;
    const wchar_t* pszCapital;
};

const Alphabet kAlphabets[] = {
    {"German", L"abcdefghijklmnopqrstuvwxyzäöüß", L"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ"},
    {"French", L"abcdefghijklmnopqrstuvwxyzàâæçéèêëîïôœùûüÿ", L"ABCDEFGHIJKLMNOPQRSTUVWXYZÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ"},
    {"Spanish", L"abcdefghijklmnñopqrstuvwxyzáéíóúü", L"ABCDEFGHIJKLMNÑOPQRSTUVWXYZÁÉÍÓÚÜ"},
    {"Portuguese", L"abcdefghijklmnopqrstuvwxyzáâãàçéêíóôõú", L"ABCDEFGHIJKLMNOPQRSTUVWXYZÁÂÃÀÇÉÊÍÓÔÕÚ"},
    {"Italian", L"abcdefghilmnopqrstuvzàèéìíîòóùú", L"ABCDEFGHILMNOPQRSTUVZÀÈÉÌÍÎÒÓÙÚ"},
    {"Dutch", L"abcdefghijklmnopqrstuvwxyzáéíóúèëïöüĳ", L"ABCDEFGHIJKLMNOPQRSTUVWXYZÁÉÍÓÚÈËÏÖÜĲ"},
    {"Danish", L"abcdefghijklmnopqrstuvwxyzæøåé", L"ABCDEFGHIJKLMNOPQRSTUVWXYZÆØÅÉ"},
    {"Norwegian", L"abcdefghijklmnopqrstuvwxyzæøåéèêóòô", L"ABCDEFGHIJKLMNOPQRSTUVWXYZÆØÅÉÈÊÓÒÔ"},
    {"Swedish", L"abcdefghijklmnopqrstuvwxyzåäöé", L"ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖÉ"},
    {"Finnish", L"abcdefghijklmnopqrsštuvwxyzžåäö", L"ABCDEFGHIJKLMNOPQRSŠTUVWXYZŽÅÄÖ"},
    {"Icelandic", L"aábdðeéfghiíjklmnoóprstuúvxyýþæö", L"AÁBDÐEÉFGHIÍJKLMNOÓPRSTUÚVXYÝÞÆÖ"},
    {"Polish", L"aąbcćdeęfghijklłmnńoóprsśtuwyzźż", L"AĄBCĆDEĘFGHIJKLŁMNŃOÓPRSŚTUWYZŹŻ"},
    {"Czech", L"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž", L"AÁBCČDĎEÉĚFGHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ"},
    {"Slovak", L"aáäbcčdďeéfghiíjklĺľmnňoóôpqrŕsštťuúvwxyýzž", L"AÁÄBCČDĎEÉFGHIÍJKLĹĽMNŇOÓÔPQRŔSŠTŤUÚVWXYÝZŽ"},
    {"Hungarian", L"aábcdeéfghiíjklmnoóöőpqrstuúüűvwxyz", L"AÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ"},
    {"Romanian", L"aăâbcdefghiîjklmnopqrsștțuvwxyz", L"AĂÂBCDEFGHIÎJKLMNOPQRSȘTȚUVWXYZ"},
    {"Turkish", L"abcçdefgğhıijklmnoöprsştuüvyz", L"ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ"},
    {"Croatian", L"abcčćdđefghijklmnoprsštuvzž", L"ABCČĆDĐEFGHIJKLMNOPRSŠTUVZŽ"},
    {"Slovenian", L"abcčdefghijklmnoprsštuvzž", L"ABCČDEFGHIJKLMNOPRSŠTUVZŽ"},
    {"Latvian", L"aābcčdeēfgģhiījkķlļmnņoprsštuūvzž", L"AĀBCČDEĒFGĢHIĪJKĶLĻMNŅOPRSŠTUŪVZŽ"},
    {"Lithuanian", L"aąbcčdeęėfghiįyjklmnoprsštuųūvzž", L"AĄBCČDEĘĖFGHIĮYJKLMNOPRSŠTUŲŪVZŽ"},
    {"Estonian", L"abcdefghijklmnopqrsšzžtuvwõäöüxy", L"ABCDEFGHIJKLMNOPQRSŠZŽTUVWÕÄÖÜXY"},
    {"Catalan", L"abcçdefghijklmnopqrstuvwxyzàéèíïòóúü·", L"ABCÇDEFGHIJKLMNOPQRSTUVWXYZÀÉÈÍÏÒÓÚÜ"},
};

// What the keyboard types with caps lock and shift so: every key tapped, and every cell
// of every key's strip.
std::wstring Typeable(bool bCapsLock, bool bShift)
{
    std::wstring typed;
    for (int nKey = 0; nKey < KEY_COUNT; ++nKey)
    {
        const wchar_t* pszText = GetKeyText(nKey, bCapsLock, bShift);
        if (pszText != nullptr && pszText[0] != L'\0' && pszText[1] == L'\0')
            typed += pszText[0];
        typed += InCase(FindKeyAlternates(nKey, nullptr, bCapsLock, bShift), LetterCaseFor(bCapsLock, bShift));
    }
    return typed;
}

// Every letter of the 23 languages the table serves can be typed in its own case: small
// letters with neither or both of caps lock and shift, capitals under either alone.
TEST(Alternates, EveryLetterOfEachLanguageCanBeTypedInBothCases)
{
    const std::wstring small[] = {Typeable(false, false), Typeable(true, true)};
    const std::wstring capital[] = {Typeable(true, false), Typeable(false, true)};
    for (const Alphabet& alphabet : kAlphabets)
    {
        SCOPED_TRACE(alphabet.pszLanguage);
        for (const auto& [pszLetters, typeable] : {std::pair{alphabet.pszSmall, small},
                                                    std::pair{alphabet.pszCapital, capital}})
        {
            for (const wchar_t* p = pszLetters; *p != L'\0'; ++p)
                for (int i = 0; i < 2; ++i)
                    EXPECT_NE(std::wstring::npos, typeable[i].find(*p))
                        << "U+" << std::hex << int(*p) << (i == 0 ? " (the first state)" : " (the second)");
        }
    }
    EXPECT_EQ(23u, std::size(kAlphabets));
    // Romanian's comma-below letter comes before the cedilla one it is mistaken for.
    const std::wstring t = InCase(FindBuiltInAlternates(L't'));
    EXPECT_LT(t.find(L'\u021b'), t.find(L'\u0163'));
}

// The case rule: title case for the digraphs under shift, their capitals under caps lock;
// beyond Latin-1 and Latin Extended-A the platform's capital, which nothing inside them
// asks for (the C library would make the long s an S). Every cell of the table, each once
// in its list, takes the library's capital, but the dotless i's, paired with İ.
TEST(Alternates, CaseRuleGivesDigraphsTitleCaseAndAsksThePlatformBeyondItsTable)
{
    Utf8Ctype ctype;
    for (const wchar_t key : std::wstring(L"acdegiklnorstuyz?!.-\"'$"))
    {
        const AlternateList list = FindBuiltInAlternates(key);
        const std::wstring small = InCase(list);
        EXPECT_NE(L"", small) << char(key);
        for (int i = 0; i < list.nCount; ++i)
        {
            EXPECT_EQ(std::wstring::npos, small.find(small[i], i + 1)) << "U+" << std::hex << int(small[i]);
            EXPECT_EQ(small[i] == 0x0131 ? 0x0130 : LibraryCapital(small[i]),
                      CellInCase(list.aCells[i], LetterCase::Title)) << "U+" << std::hex << int(small[i]);
        }
    }
    const struct { wchar_t ch; wchar_t title; wchar_t capital; bool bPlatform; } cases[] = {
        {L'\u01c6', L'\u01c5', L'\u01c4', false}, {L'\u01c5', L'\u01c5', L'\u01c4', false},   // dž Dž
        {L'\u01c4', L'\u01c5', L'\u01c4', false}, {L'\u01c9', L'\u01c8', L'\u01c7', false},   // DŽ lj
        {L'\u01cc', L'\u01cb', L'\u01ca', false}, {L'\u01f3', L'\u01f2', L'\u01f1', false},   // nj dz
        {L'\u01a1', L'\u01a0', L'\u01a0', true},  {L'\u0259', L'\u018f', L'\u018f', true},    // ơ ə
        {L'\u03b1', L'\u0391', L'\u0391', true},  {L'\u0436', L'\u0416', L'\u0416', true},    // α ж
        {L'\u00e9', L'\u00c9', L'\u00c9', false}, {L'\u00df', L'\u00df', L'\u00df', false},   // é ß
        {L'\u017f', L'\u017f', L'\u017f', false}, {L'\u20ac', L'\u20ac', L'\u20ac', true},    // ſ €
    };
    for (const bool bWithPlatform : {true, false})
    {
        SetCapitalFallback(bWithPlatform ? LibraryCapital : nullptr);
        for (const auto& c : cases)
        {
            SCOPED_TRACE(testing::Message() << "U+" << std::hex << int(c.ch) << (bWithPlatform ? "" : " alone"));
            const bool bKnown = bWithPlatform || !c.bPlatform;
            EXPECT_EQ(c.ch, ApplyLetterCase(c.ch, LetterCase::Small));
            EXPECT_EQ(bKnown ? c.title : c.ch, ApplyLetterCase(c.ch, LetterCase::Title));
            EXPECT_EQ(bKnown ? c.capital : c.ch, ApplyLetterCase(c.ch, LetterCase::Capital));
        }
    }
    EXPECT_EQ(LetterCase::Small, LetterCaseFor(true, true));
    EXPECT_EQ(LetterCase::Title, LetterCaseFor(false, true));
    EXPECT_EQ(LetterCase::Capital, LetterCaseFor(true, false));
}

// Which keys offer what: by what the key would type now, a skin's list first (its
// characters of one UTF-16 unit, at most 15), never the keys that do not type a
// character of their own.
TEST(Alternates, KeysOfferByWhatTheyTypeNow)
{
    const struct { int nKey; const wchar_t* pszSkin; bool bCaps; bool bShift; std::wstring want; } cases[] = {
        {4, nullptr, true, false, InCase(FindBuiltInAlternates(L'e'))},   // E with caps lock
        {27, nullptr, false, false, L"\u2026\u00b7"},                    // the dot key
        {27, nullptr, false, true, InCase(FindBuiltInAlternates(L'-'))},   // shifted, it types a dash
        {55, nullptr, false, false, InCase(FindBuiltInAlternates(L'$'))},
        {1, nullptr, false, false, L""},                       // b has none
        {1, L"", false, false, L""},                           // an empty skin list is none
        {38, L"\u00bd\u00bc", false, false, L"\u00bd\u00bc"},  // a skin's own list makes a key eligible
        {4, L"x", false, false, L"x"},                         // and replaces the built-in one
        {4, L"a\xD83D\xDE00" L"b\xDE00" L"c", false, false, L"abc"},   // a pair and a lone half left out
        {4, L"abcdefghijklmnopq", false, false, L"abcdefghijklmno"},
        {KEY_SPACE, L"x", false, false, L""}, {KEY_BACKSPACE, L"x", false, false, L""},
        {KEY_OK, L"x", false, false, L""}, {KEY_NONE, L"x", false, false, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.want, InCase(FindKeyAlternates(c.nKey, c.pszSkin, c.bCaps, c.bShift))) << "key " << c.nKey;
}

// The strip shows its cells in the case it is told, and the preview the cell under the
// stylus; the lift there types it and spends shift, while a press ended otherwise
// chooses nothing and leaves shift set. (Typing is checked under Wine.)
TEST(Alternates, StripShowsItsCaseAndTheLiftTypesThePressedCell)
{
    const StripInput input{{100, 100, 124, 130}, 240, 320, TextTurn::Upright, 0, 27};
    const AlternateList list = FindKeyAlternates(KEY_A, L"\u00e0\u00df\u01c6", false, true);
    for (const bool bLift : {true, false})
    {
        g_bShift = 1;
        PressStylus(KEY_A);
        ASSERT_TRUE(OpenKeyStrip(KEY_A, list, LetterCase::Title, input));
        EXPECT_EQ(L"\u00c0\u00df\u01c5", std::wstring(g_keyStrip.aChars, g_keyStrip.nCount));
        EXPECT_FALSE(TrackKeyStrip(112, 115));   // on the held key: no cell, the key's own label
        EXPECT_EQ(L"A", std::wstring(GetKeyLabel()));
        EXPECT_TRUE(TrackKeyStrip(g_keyStrip.aCells[1].left, g_keyStrip.aCells[1].top));
        EXPECT_EQ(L"\u00df", std::wstring(GetKeyLabel()));
        EXPECT_TRUE(TrackKeyStrip(g_keyStrip.aCells[2].left, g_keyStrip.aCells[2].top));
        if (bLift)
        {
            const KeyOutcome outcome = LiftStylus();
            EXPECT_EQ(KeyEffect::InsertText, outcome.effect);
            EXPECT_EQ(L"\u01c5", std::wstring(outcome.pszText != nullptr ? outcome.pszText : L"<null>"));
        }
        else
        {
            EndStylus();
        }
        EXPECT_FALSE(IsKeyStripOpen());
        EXPECT_EQ(bLift ? 0 : 1, g_bShift);
        EXPECT_TRUE(g_bStylusDown == 0 && g_nPressedKey == KEY_NONE);
    }
    EXPECT_FALSE(OpenKeyStrip(KEY_A, AlternateList{}, LetterCase::Small, input));
    g_bShift = 0;
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

#include "support/FontHelper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

LOGFONTW Describe(HFONT hFont)
{
    LOGFONTW lf = {};
    GetObjectW(hFont, sizeof(lf), &lf);
    return lf;
}

struct SlotCase
{
    int nSlot;
    LONG nHeight;
    LONG nWeight;
    const wchar_t* pszFace;
    BYTE bItalic, bUnderline, bStrikeOut;
};

// Each slot gets exactly the fields given (a face cut to 31 units), everything
// else zero; GetFont hands out what a slot holds and never creates; out of
// range slots hold nothing. That the cache deletes its fonts when it goes is
// seen on the module's own cache, which goes with the module (ModuleUnload).
TEST(FontHelper, SlotsHoldFontsOfExactlyTheGivenFields)
{
    const std::wstring face40 = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    const SlotCase kCases[] = {
        {1, -16, FW_NORMAL, L"Tahoma", 0, 0, 0},
        {0, 18, FW_BOLD, L"Courier New", 1, 0, 0},
        {2, -32, 400, L"", 0, 1, 1},
        {49, 26, 700, L"Arial", 1, 1, 1},
        {3, -12, FW_NORMAL, face40.c_str(), 0, 0, 0},
    };
    CFontHelper fonts;
    for (int nSlot = 0; nSlot < CFontHelper::kSlots; ++nSlot)
        EXPECT_EQ(nullptr, fonts.GetFont(nSlot, -16, FW_NORMAL, L"Tahoma")) << nSlot;
    for (const SlotCase& c : kCases)
    {
        SCOPED_TRACE(c.nSlot);
        const HFONT hFont = fonts.CreateFontInSlot(c.nSlot, c.nHeight, c.nWeight, c.pszFace, c.bItalic,
                                                   c.bUnderline, c.bStrikeOut);
        ASSERT_NE(nullptr, hFont);
        EXPECT_EQ(hFont, fonts.GetFont(c.nSlot, 99, FW_BOLD, L"Other"));
        EXPECT_EQ(hFont, fonts.GetFont(c.nSlot));
        LOGFONTW expected = {};
        expected.lfHeight = c.nHeight;
        expected.lfWeight = c.nWeight;
        expected.lfItalic = c.bItalic;
        expected.lfUnderline = c.bUnderline;
        expected.lfStrikeOut = c.bStrikeOut;
        lstrcpynW(expected.lfFaceName, c.pszFace, LF_FACESIZE);
        LOGFONTW lf = Describe(hFont);
        EXPECT_EQ(std::wstring(expected.lfFaceName), std::wstring(lf.lfFaceName));
        std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), L'\0');
        std::fill(std::begin(expected.lfFaceName), std::end(expected.lfFaceName), L'\0');
        EXPECT_EQ(0, std::memcmp(&expected, &lf, sizeof(lf))) << "a field other than those given is set";
    }
    EXPECT_EQ(nullptr, fonts.GetFont(4));
    EXPECT_EQ(nullptr, fonts.CreateFontInSlot(-1, -16, FW_NORMAL, L"Tahoma", 0, 0, 0));
    EXPECT_EQ(nullptr, fonts.CreateFontInSlot(50, -16, FW_NORMAL, L"Tahoma", 0, 0, 0));
    EXPECT_EQ(nullptr, fonts.GetFont(-1));
    EXPECT_EQ(nullptr, fonts.GetFont(50));
}

}  // namespace

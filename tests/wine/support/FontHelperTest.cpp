#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/HostProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(FontHelper, CreatesEachSlotWithExactlyTheGivenFields)
{
    const SlotCase kCases[] = {
        {1, -16, FW_NORMAL, L"Tahoma", 0, 0, 0},
        {0, 18, FW_BOLD, L"Courier New", 1, 0, 0},
        {2, -32, 400, L"", 0, 1, 1},
        {49, 26, 700, L"Arial", 1, 1, 1},
    };
    CFontHelper fonts;
    for (const SlotCase& c : kCases)
    {
        const HFONT hFont = fonts.CreateFontInSlot(c.nSlot, c.nHeight, c.nWeight, c.pszFace, c.bItalic, c.bUnderline,
                                                   c.bStrikeOut);
        ASSERT_NE(nullptr, hFont) << "slot " << c.nSlot;
        EXPECT_EQ(hFont, fonts.GetFont(c.nSlot)) << "slot " << c.nSlot;
        const LOGFONTW lf = Describe(hFont);
        EXPECT_EQ(c.nHeight, lf.lfHeight);
        EXPECT_EQ(c.nWeight, lf.lfWeight);
        EXPECT_EQ(c.bItalic, lf.lfItalic);
        EXPECT_EQ(c.bUnderline, lf.lfUnderline);
        EXPECT_EQ(c.bStrikeOut, lf.lfStrikeOut);
        EXPECT_EQ(std::wstring(c.pszFace), std::wstring(lf.lfFaceName));
        EXPECT_EQ(0, lf.lfWidth);
        EXPECT_EQ(0, lf.lfEscapement);
        EXPECT_EQ(0, lf.lfOrientation);
        EXPECT_EQ(0, lf.lfCharSet);
        EXPECT_EQ(0, lf.lfOutPrecision);
        EXPECT_EQ(0, lf.lfClipPrecision);
        EXPECT_EQ(0, lf.lfQuality);
        EXPECT_EQ(0, lf.lfPitchAndFamily);
    }
}

TEST(FontHelper, SlotsStartEmptyAndGetFontNeverCreates)
{
    CFontHelper fonts;
    for (int nSlot = 0; nSlot < CFontHelper::kSlots; ++nSlot)
        EXPECT_EQ(nullptr, fonts.GetFont(nSlot, -16, FW_NORMAL, L"Tahoma")) << nSlot;
    EXPECT_EQ(nullptr, fonts.GetFont(1));
}

TEST(FontHelper, GetFontIgnoresTheCreationParameters)
{
    CFontHelper fonts;
    const HFONT hFont = fonts.CreateFontInSlot(1, -16, FW_NORMAL, L"Tahoma", 0, 0, 0);
    ASSERT_NE(nullptr, hFont);
    EXPECT_EQ(hFont, fonts.GetFont(1, -16, FW_NORMAL, L"Tahoma"));
    EXPECT_EQ(hFont, fonts.GetFont(1, 99, FW_BOLD, L"Arial"));
    EXPECT_EQ(hFont, fonts.GetFont(1, 0, 0, nullptr));
    EXPECT_EQ(nullptr, fonts.GetFont(2, -16, FW_NORMAL, L"Tahoma"));
}

TEST(FontHelper, FaceNameIsCutTo31Units)
{
    CFontHelper fonts;
    const std::wstring face40 = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    ASSERT_EQ(40u, face40.size());
    const HFONT hFont = fonts.CreateFontInSlot(3, -12, FW_NORMAL, face40.c_str(), 0, 0, 0);
    ASSERT_NE(nullptr, hFont);
    EXPECT_EQ(face40.substr(0, 31), std::wstring(Describe(hFont).lfFaceName));
}

TEST(FontHelper, OutOfRangeSlotsHoldNothing)
{
    CFontHelper fonts;
    EXPECT_EQ(nullptr, fonts.CreateFontInSlot(-1, -16, FW_NORMAL, L"Tahoma", 0, 0, 0));
    EXPECT_EQ(nullptr, fonts.CreateFontInSlot(50, -16, FW_NORMAL, L"Tahoma", 0, 0, 0));
    EXPECT_EQ(nullptr, fonts.GetFont(-1));
    EXPECT_EQ(nullptr, fonts.GetFont(50));
}

TEST(FontHelper, DestructionDeletesEveryFont)
{
    std::vector<HFONT> created;
    {
        CFontHelper fonts;
        for (int nSlot : {0, 1, 17, 49})
            created.push_back(fonts.CreateFontInSlot(nSlot, -10 - nSlot, FW_NORMAL, L"Tahoma", 0, 0, 0));
        for (HFONT hFont : created)
            ASSERT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(hFont));
    }
    for (HFONT hFont : created)
        EXPECT_EQ(0u, GetObjectType(hFont));
}

TEST(FontHelper, TextFontHeightFollowsTheScreenDpi)
{
    // The text font is ScaleByDpi(16) high: 18 on the 110-DPI square screen.
    const int nSavedY = g_nLogPixelsY;
    g_nLogPixelsY = 110;
    CFontHelper fonts;
    const HFONT hFont = fonts.CreateFontInSlot(CFontHelper::kTextFontSlot, ScaleByDpi(16), FW_NORMAL, L"Tahoma", 0, 0, 0);
    g_nLogPixelsY = nSavedY;
    EXPECT_EQ(18, Describe(hFont).lfHeight);
}

TEST(FontHelper, TheProcessCacheLivesUntilExitAndDeletesItsFonts)
{
    std::vector<std::string> output;
    ASSERT_TRUE(RunHostCollectingDebugOutput(L"FontHost.exe", output));
    const std::vector<std::string> expected = {"CFontHelper()\n", "font created\n", "~CFontHelper()\n",
                                               "font deleted\n"};
    // Wine's own loader may add lines of its own; ours come in this order, once each.
    std::vector<std::string> ours;
    for (const std::string& line : output)
        if (line == "CFontHelper()\n" || line == "~CFontHelper()\n" || line.rfind("font ", 0) == 0 ||
            line == "no font\n")
            ours.push_back(line);
    EXPECT_EQ(expected, ours);
}

}  // namespace

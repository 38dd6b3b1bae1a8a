#include "KeyboardDriver.h"
#include "KeyboardTestSupport.h"
#include "skin/TestSkin.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardFonts.h"
#include "sip/SipPanel.h"
#include "sip/TestStateGuards.h"
#include "skin/SkinRecord.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A layout whose orientation is left out (0) or out of range (6) is shown as a portrait
// design: upright on a portrait screen, turned counter-clockwise on a landscape one. The
// keyboard control, the key rectangles, the turned bitmaps and the stylus must all take
// that one turn, or a tap lands beside the key drawn under it.

// Where a design rectangle must land: as drawn on a portrait screen, turned
// counter-clockwise ((x, y) to (y, W - x)) on a landscape one.
std::string Expected(const KeyboardPlan& plan, const PixelRect& k)
{
    const RECT rc = IsLandscapeScreen() ? RECT{k.nTop, plan.nWidth - k.nRight, k.nBottom, plan.nWidth - k.nLeft}
                                        : RECT{k.nLeft, k.nTop, k.nRight, k.nBottom};
    return RectText(rc);
}

struct TurnRuleCase
{
    int nOrientation;
    DWORD dwHabit;
};

class TurnRule : public testing::TestWithParam<TurnRuleCase>
{
protected:
    void SetUp() override
    {
        if (IsSquareScreen())
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        m_pPanel = std::make_unique<SipPanel>(g_hInstance);
        EnsureTextFont();
        ASSERT_EQ(1, m_skin.Load(GetParam().dwHabit));
        CreatePreviewFonts(m_fontSource.Window());
    }
    void TearDown() override { ReleaseKeyboardFonts(); }

    CTestSkin m_skin{TestSkinOptions{GetParam().nOrientation, true}};
    CFontSource m_fontSource;
    std::unique_ptr<SipPanel> m_pPanel;
};

TEST_P(TurnRule, ControlRectanglesBitmapsAndTapsTakeOneTurn)
{
    const bool bTurned = IsLandscapeScreen();
    const KeyboardPlan plan = TestSkinPlan(ScreenClass(), GetParam().nOrientation);
    ASSERT_LT(plan.nWidth, plan.nHeight);
    int nBackgroundWidth = 0, nBackgroundHeight = 0;
    const std::vector<uint32_t> background = ReadPixels(g_skin.hCharBackground, &nBackgroundWidth, &nBackgroundHeight);
    ASSERT_FALSE(background.empty());
    EXPECT_EQ(bTurned ? plan.nHeight : plan.nWidth, nBackgroundWidth);
    EXPECT_EQ(bTurned ? plan.nWidth : plan.nHeight, nBackgroundHeight);
    // The design's top-left corner: bottom-left once turned counter-clockwise.
    EXPECT_EQ(kMarker, background[bTurned ? (nBackgroundHeight - 1) * nBackgroundWidth : 0]);

    // Keys near the design's corners and in its middle, so that any wrong turn moves them apart.
    const std::pair<const wchar_t*, wchar_t> keys[] = {
        {L"char_Q", L'q'}, {L"char_P", L'p'}, {L"char_Z", L'z'}, {L"char_M", L'm'}, {L"char_G", L'g'}};
    std::wstring expected;
    for (const auto& [pszEntry, chTyped] : keys)
    {
        SCOPED_TRACE(std::wstring(pszEntry));
        const int nKey = FindKeyByEntry(pszEntry);
        const RECT& rc = g_skin.keys[nKey].rcKey;
        ASSERT_EQ(Expected(plan, plan.keys[nKey]), RectText(rc));
        EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= nBackgroundWidth && rc.bottom <= nBackgroundHeight);
        int w = 0, h = 0;
        const std::vector<uint32_t> image = ReadPixels(g_skin.keys[nKey].hPressedImage, &w, &h);
        ASSERT_FALSE(image.empty());
        EXPECT_EQ(rc.right - rc.left, w);
        EXPECT_EQ(rc.bottom - rc.top, h);
        EXPECT_EQ(COLOUR_KEY, image[bTurned ? (h - 1) * w : 0]);
        expected += chTyped;
    }

    RECT rcControl{}, rcWindow{};
    std::wstring tapped;
    bool bAllTaps = true;
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        const HWND hKeyboard = GetDlgItem(driver.Dialog(), 203);
        GetClientRect(hKeyboard, &rcControl);
        GetWindowRect(hKeyboard, &rcWindow);
        for (const auto& key : keys)
            bAllTaps = driver.Tap(FindKeyByEntry(key.first)) && bAllTaps;
        tapped = driver.Text();
    });
    ASSERT_TRUE(bOpened);
    // The control is the turned background, whole on the screen and centred along its long side.
    EXPECT_EQ(nBackgroundWidth, rcControl.right);
    EXPECT_EQ(nBackgroundHeight, rcControl.bottom);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(bTurned ? (sw - nBackgroundWidth) / 2 : 0, rcWindow.left);
    EXPECT_EQ(bTurned ? 0 : (sh - nBackgroundHeight) / 2, rcWindow.top);
    EXPECT_TRUE(rcWindow.right <= sw && rcWindow.bottom <= sh) << RectText(rcWindow);
    EXPECT_TRUE(bAllTaps) << "a tap at a key's centre pressed another key";
    EXPECT_EQ(expected, tapped);
}

INSTANTIATE_TEST_SUITE_P(OpenOrientations, TurnRule,
                         testing::Values(TurnRuleCase{0, 0}, TurnRuleCase{0, 1}, TurnRuleCase{6, 0},
                                         TurnRuleCase{6, 1}),
                         [](const testing::TestParamInfo<TurnRuleCase>& info) {
                             return "Orientation" + std::to_string(info.param.nOrientation) +
                                    (info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded");
                         });

}  // namespace

#include "KeyboardDriver.h"
#include "KeyboardTestSupport.h"
#include "skin/TestSkin.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPlacement.h"
#include "keyboard/KeyboardSkin.h"
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
    // Upright on a portrait screen, counter-clockwise ((x, y) to (y, W - x)) on a landscape one.
    ExpectTestSkinLoaded(plan, bTurned ? SkinTurn::CounterClockwise : SkinTurn::None);
    const int nBackgroundWidth = bTurned ? plan.nHeight : plan.nWidth;
    const int nBackgroundHeight = bTurned ? plan.nWidth : plan.nHeight;

    // Keys near the design's corners and in its middle, so that any wrong turn moves them apart.
    const wchar_t* const keys[] = {L"char_Q", L"char_P", L"char_Z", L"char_M", L"char_G"};
    RECT rcDialog{}, rcControl{}, rcWindow{}, rcEdit{};
    std::wstring tapped;
    bool bAllTaps = true;
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        GetWindowRect(driver.Dialog(), &rcDialog);
        GetWindowRect(GetDlgItem(driver.Dialog(), 201), &rcEdit);
        const HWND hKeyboard = GetDlgItem(driver.Dialog(), 203);
        GetClientRect(hKeyboard, &rcControl);
        GetWindowRect(hKeyboard, &rcWindow);
        for (const wchar_t* pszEntry : keys)
            bAllTaps = driver.Tap(FindKeyByEntry(pszEntry)) && bAllTaps;
        tapped = driver.Text();
    });
    ASSERT_TRUE(bOpened);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    // One activation: the dialog is 26 pixels taller than the screen, from the top.
    EXPECT_EQ(RectText(RECT{0, 0, sw, sh + 26}), RectText(rcDialog));
    const KeyboardPlacement placed = PlaceKeyboard(CurrentPlacementInput());
    EXPECT_EQ(placed.edit.nWidth, rcEdit.right - rcEdit.left);
    EXPECT_EQ(placed.edit.nHeight, rcEdit.bottom - rcEdit.top);
    // The control is the turned background, whole on the screen and centred along its long side.
    EXPECT_EQ(nBackgroundWidth, rcControl.right);
    EXPECT_EQ(nBackgroundHeight, rcControl.bottom);
    EXPECT_EQ(bTurned ? (sw - nBackgroundWidth) / 2 : 0, rcWindow.left);
    EXPECT_EQ(bTurned ? 0 : (sh - nBackgroundHeight) / 2, rcWindow.top);
    EXPECT_TRUE(rcWindow.right <= sw && rcWindow.bottom <= sh) << RectText(rcWindow);
    EXPECT_TRUE(bAllTaps) << "a tap at a key's centre pressed another key";
    EXPECT_EQ(L"qpzmg", tapped);
}

INSTANTIATE_TEST_SUITE_P(OpenOrientations, TurnRule,
                         testing::Values(TurnRuleCase{0, 0}, TurnRuleCase{0, 1}, TurnRuleCase{6, 0},
                                         TurnRuleCase{6, 1}),
                         [](const testing::TestParamInfo<TurnRuleCase>& info) {
                             return "Orientation" + std::to_string(info.param.nOrientation) +
                                    (info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded");
                         });

}  // namespace

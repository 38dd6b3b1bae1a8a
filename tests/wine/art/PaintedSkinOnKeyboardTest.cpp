// The painted skins under the keyboard's own drawing: the typed text and the
// enlarged label are drawn in black on the skin, so both panels must keep them
// readable in every skin, light or dark, upright or turned.
#include "WineTestSupport.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardTestSupport.h"
#include "skin/TestSkin.h"
#include "sip/TestStateGuards.h"
#include "skin/SkinRecord.h"
#include "support/FontHelper.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct PaintCase
{
    const wchar_t* pszSkinFile;
    DWORD dwHabit;
};

// Pixels inside rc dark enough to be black text on a panel.
int DarkPixels(const CPixelCanvas& canvas, const RECT& rc)
{
    int n = 0;
    for (int y = std::max<LONG>(rc.top, 0); y < std::min<LONG>(rc.bottom, canvas.Height()); ++y)
        for (int x = std::max<LONG>(rc.left, 0); x < std::min<LONG>(rc.right, canvas.Width()); ++x)
            n += Luminance(canvas.At(x, y)) < 60 ? 1 : 0;
    return n;
}

class PaintedSkinOnKeyboard : public testing::TestWithParam<PaintCase>
{
protected:
    void SetUp() override
    {
        if (IsSquareScreen())
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        EnsureTextFont();
        ReleaseKeyboardFonts();
        ASSERT_EQ(1, m_selection.Load(GetParam().pszSkinFile, GetParam().dwHabit));
        CreatePreviewFonts(m_fontSource.Window());
    }
    void TearDown() override
    {
        g_nPressedKey = KEY_NONE;
        ReleaseKeyboardFonts();
    }

    CSkinSelection m_selection;
    CFontSource m_fontSource;
};

TEST_P(PaintedSkinOnKeyboard, TypedTextAndTheHeldKeysLabelStandOutInBlack)
{
    CModelessKeyboard keyboard;
    ASSERT_NE(nullptr, keyboard.Dialog());
    SendMessageW(g_hEditCtrlWnd, WM_SETFONT, SendMessageW(m_fontSource.Window(), WM_GETFONT, 0, 0), FALSE);
    const SIZE size = KeyboardSize();
    CPixelCanvas canvas(size.cx, size.cy);
    const RECT rc{0, 0, size.cx, size.cy};
    PaintKeyboard(nullptr, canvas.Dc(), rc);
    // The painted panels hold no black of their own.
    EXPECT_EQ(0, DarkPixels(canvas, g_skin.rcEditView));
    EXPECT_EQ(0, DarkPixels(canvas, g_skin.rcCharView));

    SetWindowTextW(g_hEditCtrlWnd, L"Hello from Brevanto");
    g_nPressedKey = FindKeyByEntry(L"char_W");
    PaintKeyboard(nullptr, canvas.Dc(), rc);
    EXPECT_GT(DarkPixels(canvas, g_skin.rcEditView), 40) << "typed text hard to see";
    EXPECT_GT(DarkPixels(canvas, g_skin.rcCharView), 40) << "enlarged label hard to see";
}

INSTANTIATE_TEST_SUITE_P(Skins, PaintedSkinOnKeyboard,
                         testing::Values(PaintCase{L"Silver.xml", 1}, PaintCase{L"Silver.xml", 0},
                                         PaintCase{L"Midnight.xml", 1}, PaintCase{L"Midnight.xml", 0}),
                         [](const testing::TestParamInfo<PaintCase>& info) {
                             return std::string(info.param.pszSkinFile[0] == L'S' ? "Silver" : "Midnight") +
                                    (info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded");
                         });

}  // namespace

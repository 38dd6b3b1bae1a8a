#include "KeyboardDriver.h"
#include "KeyboardTestSupport.h"
#include "skin/TestSkin.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardSkin.h"
#include "settings/Settings.h"
#include "sip/SipPanel.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int KEY_E = 4;
constexpr int KEY_R = 17;
constexpr wchar_t kEAcute = 0x00e9;

// A screen of 16 bits a pixel reads back its colours with their low bits filled in its own way.
bool Near(std::uint32_t a, std::uint32_t b)
{
    for (int nShift : {0, 8, 16})
    {
        if (std::abs(static_cast<int>(a >> nShift & 0xFF) - static_cast<int>(b >> nShift & 0xFF)) > 8)
            return false;
    }
    return true;
}

bool IsDark(std::uint32_t c) { return (c >> 16 & 0xFF) < 0x60 && (c >> 8 & 0xFF) < 0x60 && (c & 0xFF) < 0x60; }

// The keyboard dialog on the test skin (drawn for landscape, so turned on a portrait
// screen) for either hand, worked with real stylus input.
class LongPress : public testing::TestWithParam<DWORD>
{
protected:
    void SetUp() override
    {
        if (IsSquareScreen())
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        m_pPanel = std::make_unique<SipPanel>(g_hInstance);
        EnsureTextFont();
        ASSERT_EQ(1, m_skin.Load(GetParam()));
        CreatePreviewFonts(m_fontSource.Window());
    }
    void TearDown() override
    {
        ReleaseKeyboardFonts();
        SetAccentsOnLongPress(true);
    }

    std::wstring Typed() const { return m_pPanel->m_pBuffer != nullptr ? m_pPanel->m_pBuffer : L"<null>"; }

    CTestSkin m_skin;
    CFontSource m_fontSource;
    std::unique_ptr<SipPanel> m_pPanel;
};

TEST_P(LongPress, HeldKeyOpensItsStripAndTheLiftTypesTheCellOrTheKey)
{
    int nOpenedMs = 0;
    int nCellOpenedMs = 0;
    bool bSteps = true;
    int bShiftAfter = 1;
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        // Hold e, slide onto é, lift.
        bSteps = driver.HoldForStrip(KEY_E, &nOpenedMs) && g_keyStrip.aChars[0] == kEAcute &&
                 driver.SlideToCell(0) && driver.Lift();
        // Hold e and lift without a slide: the key's own e.
        bSteps = driver.HoldForStrip(KEY_E, &nCellOpenedMs) && driver.Lift() && bSteps;
        // Slide to r before the strip opens: r, as ever, and no strip.
        bSteps = driver.Press(KEY_E) && driver.SlideTo(KEY_R) && driver.LetTimersRun() &&
                 ReadShared(g_keyStrip.nKey) == KEY_NONE && driver.Lift() && bSteps;
        // Shift, hold a, slide onto à: À, and shift is spent.
        bSteps = driver.Tap(KEY_SHIFT) && driver.HoldForStrip(KEY_A, &nCellOpenedMs) && driver.SlideToCell(0) &&
                 driver.Lift() && bSteps;
        bShiftAfter = ReadShared(g_bShift);
        // With the setting off a held key opens nothing.
        SetAccentsOnLongPress(false);
        bSteps = driver.Press(KEY_E) && driver.LetTimersRun() && ReadShared(g_keyStrip.nKey) == KEY_NONE &&
                 driver.Lift() && bSteps;
        driver.Tap(KEY_OK);
    });
    ASSERT_TRUE(bOpened);
    EXPECT_TRUE(bSteps);
    EXPECT_EQ(L"\u00e9er\u00c0e", Typed());
    EXPECT_EQ(0, bShiftAfter);
    // The strip opens once the key has been held for 500 ms, not before (tick granularity
    // allowed for), and within 3 s under any load.
    EXPECT_GE(nOpenedMs, 490);
    EXPECT_LT(nOpenedMs, 3000);
}

// The strip as the screen shows it, with the stylus held on its first cell: that cell
// wears the held key's pressed image, the others the key's face at rest, each with its
// letter, turned as the skin turns.
TEST_P(LongPress, StripIsDrawnBesideTheKeyInTheSkinsColoursTurned)
{
    std::vector<std::uint32_t> pixels;
    ViewRect cells[2]{};
    SIZE size{};
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        int nMs = 0;
        if (!driver.HoldForStrip(KEY_E, &nMs) || !driver.SlideToCell(0))
            return;
        cells[0] = g_keyStrip.aCells[0];
        cells[1] = g_keyStrip.aCells[1];
        const HWND hKeyboard = GetDlgItem(driver.Dialog(), 203);
        RECT rc{};
        GetClientRect(hKeyboard, &rc);
        size = SIZE{rc.right, rc.bottom};
        CPixelCanvas canvas(size.cx, size.cy);
        const HDC hdc = GetDC(hKeyboard);
        BitBlt(canvas.Dc(), 0, 0, size.cx, size.cy, hdc, 0, 0, SRCCOPY);
        ReleaseDC(hKeyboard, hdc);
        pixels = canvas.Snapshot();
        driver.Lift();
    });
    ASSERT_TRUE(bOpened);
    ASSERT_FALSE(pixels.empty());
    const auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * size.cx + x]; };
    const Colour crPressed = AsShown(PressedColour(KEY_E), CurrentSkinTurn());
    const Colour crRest = AsShown(kCharBackground, CurrentSkinTurn());
    for (int i = 0; i < 2; ++i)
    {
        const ViewRect& c = cells[i];
        const int w = c.right - c.left, h = c.bottom - c.top;
        // A quarter in from each corner: clear of the magenta corner and of the letter.
        for (POINT p : {POINT{c.left + w / 4, c.top + h / 4}, POINT{c.right - 1 - w / 4, c.top + h / 4},
                        POINT{c.left + w / 4, c.bottom - 1 - h / 4}, POINT{c.right - 1 - w / 4, c.bottom - 1 - h / 4}})
            EXPECT_TRUE(Near(i == 0 ? crPressed : crRest, at(p.x, p.y)))
                << "cell " << i << " at " << p.x << ", " << p.y << ": " << std::hex << at(p.x, p.y);
        // The letter: dark pixels inside the cell, longer across the screen's width when
        // the text reads down or up it.
        RECT box{c.right, c.bottom, c.left, c.top};
        for (int y = c.top + 2; y < c.bottom - 2; ++y)
            for (int x = c.left + 2; x < c.right - 2; ++x)
                if (IsDark(at(x, y)))
                    box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                               std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
        ASSERT_LT(box.left, box.right) << "no letter in cell " << i;
        EXPECT_EQ(CurrentTextTurn() != TextTurn::Upright, box.right - box.left > box.bottom - box.top)
            << "cell " << i << ": " << RectText(box);
    }
    EXPECT_EQ(L"\u00e9", Typed());
}

INSTANTIATE_TEST_SUITE_P(BothHands, LongPress, testing::Values(DWORD{0}, DWORD{1}), HandName);

}  // namespace

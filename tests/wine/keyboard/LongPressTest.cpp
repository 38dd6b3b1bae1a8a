#include "DialogFixture.h"
#include "KeyboardDriver.h"
#include "WineTestSupport.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"
#include "keyboard/KeyboardSkin.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int KEY_E = 4;
constexpr int KEY_R = 17;
constexpr wchar_t kEAcute = 0x00e9;

// A colour of the skin's turned images as the screen keeps it (a 16-bit screen drops low bits).
Colour OnScreen(Colour colour)
{
    const COLORREF cr = AsStored(RGB(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF));
    return MakeColour(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

bool IsDark(std::uint32_t c) { return (c >> 16 & 0xFF) < 0x60 && (c >> 8 & 0xFF) < 0x60 && (c & 0xFF) < 0x60; }

// A letter other than e whose centre no cell of the open strip covers.
int LetterOffTheStrip()
{
    for (int nKey = KEY_A; nKey <= KEY_Z; ++nKey)
    {
        const RECT& rc = g_skin.keys[nKey].rcKey;
        if (nKey != KEY_E && FindStripCellAt(g_keyStrip.aCells, g_keyStrip.nCount, (rc.left + rc.right) / 2,
                                             (rc.top + rc.bottom) / 2) < 0)
            return nKey;
    }
    return KEY_NONE;
}

// The keyboard dialog for either hand, worked with real stylus input; the setting back on after.
class LongPress : public KeyboardDialog
{
protected:
    void TearDown() override
    {
        KeyboardDialog::TearDown();
        SetAccentsOnLongPress(true);
    }
};

TEST_P(LongPress, HeldKeyOpensItsStripAndTheLiftTypesTheCellOrTheKey)
{
    int nOpenedMs = 0;
    int nMs = 0;
    std::string failed;
    int bShiftAfter = 1;
    int nOffStrip = KEY_NONE;
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        const auto step = [&](const char* pszStep, bool bDone) { failed += bDone ? "" : std::string(pszStep) + "; "; };
        // Hold e, slide onto é, lift.
        step("e to \u00e9", driver.HoldForStrip(KEY_E, &nOpenedMs) && g_keyStrip.aChars[0] == kEAcute &&
                                driver.SlideToCell(0));
        step("lift on \u00e9", driver.Lift());
        // Hold e and lift without a slide: the key's own e.
        step("hold e", driver.HoldForStrip(KEY_E, &nMs));
        step("lift on e", driver.Lift());
        // Hold e, then slide past the strip onto another letter: that letter, as without a strip.
        step("hold e again", driver.HoldForStrip(KEY_E, &nMs));
        nOffStrip = LetterOffTheStrip();
        step("slide off the strip", driver.SlideTo(nOffStrip) && ReadShared(g_keyStrip.nPressedCell) == -1);
        step("lift off the strip", driver.Lift());
        // Slide to r well before the strip could open: r, as ever, and no strip.
        const ULONGLONG ullPress = GetTickCount64();
        const bool bSlid = driver.Press(KEY_E) && driver.SlideTo(KEY_R);
        const int nSlideMs = static_cast<int>(GetTickCount64() - ullPress);
        step(nSlideMs < 400 ? "slide to r" : "slide to r (too slow to tell)", bSlid && nSlideMs < 400);
        step("no strip on r", driver.LetTimersRun() && ReadShared(g_keyStrip.nKey) == KEY_NONE);
        step("lift on r", driver.Lift());
        // Shift, hold a, slide onto à: À, and shift is spent.
        step("shift, a to \u00c0", driver.Tap(KEY_SHIFT) && driver.HoldForStrip(KEY_A, &nMs) && driver.SlideToCell(0));
        step("lift on \u00c0", driver.Lift());
        bShiftAfter = ReadShared(g_bShift);
        // With the setting off a held key opens nothing.
        SetAccentsOnLongPress(false);
        step("no strip when off",
             driver.Press(KEY_E) && driver.LetTimersRun() && ReadShared(g_keyStrip.nKey) == KEY_NONE);
        step("lift when off", driver.Lift());
        driver.Tap(KEY_OK);
    });
    ASSERT_TRUE(bOpened);
    EXPECT_EQ("", failed);
    ASSERT_NE(KEY_NONE, nOffStrip);
    EXPECT_EQ(std::wstring(L"\u00e9e") + FindKeyInfo(nOffStrip)->pszText + L"r\u00c0e", Typed());
    EXPECT_EQ(0, bShiftAfter);
    // The strip opens once the key has been held for 500 ms, not before (tick granularity
    // allowed for), and within 3 s under any load.
    EXPECT_GE(nOpenedMs, 490);
    EXPECT_LT(nOpenedMs, 3000);
}

// On a screen so dense that a cell is as deep as the keyboard's visible part, the strip
// finds no room beside the held key and lies over it: the cell under the stylus is pressed
// as the strip opens, and the lift without a move types it.
TEST_P(LongPress, AStripOverTheHeldKeyPressesTheCellUnderTheStylus)
{
    const int nKeyK = FindKeyByEntry(L"char_K");   // one alternate: ķ
    const int nOldDpi = g_nLogPixelsY;
    bool bOverKey = false;
    int nPressedAtOpening = -2;
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        const HWND hKeyboard = GetDlgItem(driver.Dialog(), 203);
        RECT rcVisible{}, rcControl{};
        GetWindowRect(hKeyboard, &rcControl);
        const RECT rcScreen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        IntersectRect(&rcVisible, &rcControl, &rcScreen);
        const int nSide = std::min(rcVisible.right - rcVisible.left, rcVisible.bottom - rcVisible.top);
        g_nLogPixelsY = nSide * 254 / 70;   // 7 mm a little under the shorter side
        int nMs = 0;
        if (driver.HoldForStrip(nKeyK, &nMs))
        {
            nPressedAtOpening = ReadShared(g_keyStrip.nPressedCell);
            const RECT& rc = g_skin.keys[nKeyK].rcKey;
            bOverKey = FindStripCellAt(g_keyStrip.aCells, g_keyStrip.nCount, (rc.left + rc.right) / 2,
                                       (rc.top + rc.bottom) / 2) == 0;
        }
        driver.Lift();
        g_nLogPixelsY = nOldDpi;
        driver.Tap(KEY_OK);
    });
    g_nLogPixelsY = nOldDpi;
    ASSERT_TRUE(bOpened);
    EXPECT_TRUE(bOverKey);
    EXPECT_EQ(0, nPressedAtOpening);
    EXPECT_EQ(L"\u0137", Typed());
}

// The strip as the screen shows it, with the stylus held on its first cell: that cell
// wears the held key's pressed image, the others the key's face at rest, each with its
// letter, turned as the skin turns.
TEST_P(LongPress, StripIsDrawnBesideTheKeyInTheSkinsColoursTurned)
{
    std::vector<std::uint32_t> pixels;
    ViewRect cells[2]{};
    RECT rcKey{};
    SIZE size{};
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        int nMs = 0;
        if (!driver.HoldForStrip(KEY_E, &nMs) || !driver.SlideToCell(0))
            return;
        cells[0] = g_keyStrip.aCells[0];
        cells[1] = g_keyStrip.aCells[1];
        rcKey = g_skin.keys[KEY_E].rcKey;
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
    const Colour crPressed = OnScreen(AsShown(PressedColour(KEY_E), CurrentSkinTurn()));
    const Colour crRest = OnScreen(AsShown(kCharBackground, CurrentSkinTurn()));
    for (int i = 0; i < 2; ++i)
    {
        const ViewRect& c = cells[i];
        const int w = c.right - c.left, h = c.bottom - c.top;
        // A quarter in from each corner: clear of the magenta corner and of the letter.
        for (POINT p : {POINT{c.left + w / 4, c.top + h / 4}, POINT{c.right - 1 - w / 4, c.top + h / 4},
                        POINT{c.left + w / 4, c.bottom - 1 - h / 4}, POINT{c.right - 1 - w / 4, c.bottom - 1 - h / 4}})
            EXPECT_EQ(i == 0 ? crPressed : crRest, at(p.x, p.y))
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
    // Beside the key, on the side above it as the text reads.
    const TextTurn turn = CurrentTextTurn();
    EXPECT_EQ(turn == TextTurn::Clockwise ? rcKey.right : turn == TextTurn::CounterClockwise ? rcKey.left : rcKey.top,
              turn == TextTurn::Clockwise ? cells[0].left : turn == TextTurn::CounterClockwise ? cells[0].right
                                                                                               : cells[0].bottom);
    EXPECT_EQ(L"\u00e9", Typed());
}

INSTANTIATE_TEST_SUITE_P(BothHands, LongPress, testing::Values(DialogCase{4, 0}, DialogCase{4, 1}), DialogCaseName);

}  // namespace

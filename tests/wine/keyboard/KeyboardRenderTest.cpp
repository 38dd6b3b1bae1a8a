#include "KeyboardTestSupport.h"
#include "WineTestSupport.h"
#include "skin/TestSkin.h"
#include "device/harness/TextUtf.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardSkin.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

namespace {

std::string Hex(uint32_t c)
{
    char sz[16];
    snprintf(sz, sizeof(sz), "#%06X", static_cast<unsigned>(c));
    return sz;
}

void ExpectPixel(Colour expected, const CPixelCanvas& canvas, int x, int y)
{
    EXPECT_EQ(Hex(expected), Hex(canvas.At(x, y))) << "at (" << x << ", " << y << ")";
}

Colour BackgroundOf(int nView)
{
    return nView == VIEW_SYMBOL ? kSymbolBackground : nView == VIEW_NUMBER ? kNumberBackground : kCharBackground;
}

// A skin colour as the keyboard draws it: turned images keep the display's bits.
Colour Shown(Colour colour)
{
    return AsShown(colour, CurrentSkinTurn());
}

void Paint(CPixelCanvas& canvas)
{
    const RECT rc{0, 0, canvas.Width(), canvas.Height()};
    PaintKeyboard(nullptr, canvas.Dc(), rc);
}

POINT Centre(int nKey)
{
    const RECT& rc = g_skin.keys[nKey].rcKey;
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// The test skin loaded through LoadSkin for either hand, turned as this screen turns it.
class KeyboardRender : public testing::TestWithParam<DWORD>
{
protected:
    void TearDown() override
    {
        ReleaseKeyboardFonts();
        g_nPressedKey = KEY_NONE;
        g_bCapsLock = 0;
        g_bShift = 0;
        g_nCurrentView = VIEW_CHAR;
        g_bCaretVisible = 0;
    }
};

// One paint: the view, the key held, the latches, and whether the view has a background
// (without one the keyboard is black under the keys).
struct PaintCase
{
    int nView;
    const wchar_t* pszPressed;
    bool bCaps;
    bool bShift;
    bool bBackground;
};

TEST_P(KeyboardRender, DrawsTheBackgroundThePressedImageAndTheLatchedKeys)
{
    const PaintCase cases[] = {
        {VIEW_CHAR, L"char_A", false, false, true},          {VIEW_CHAR, L"char_exclamation", true, true, true},
        {VIEW_SYMBOL, L"char_ok", true, true, true},         {VIEW_NUMBER, L"char_backspace", true, true, true},
        {VIEW_NUMBER, L"number_7", false, true, true},       {VIEW_SYMBOL, L"symbol_question", true, false, true},
        {VIEW_NUMBER, L"number_2", true, false, false},
    };
    std::unique_ptr<CTestSkin> pSkin;
    for (const PaintCase& c : cases)
    {
        SCOPED_TRACE(Narrow(c.pszPressed));
        if (pSkin == nullptr || c.bBackground != (g_skin.hNumberBackground != nullptr))
        {
            pSkin.reset();
            TestSkinOptions options;
            options.bNumberBackground = c.bBackground;
            pSkin = std::make_unique<CTestSkin>(options);
            ASSERT_EQ(1, pSkin->Load(GetParam()));
        }
        const int nKey = FindKeyByEntry(c.pszPressed);
        g_nCurrentView = c.nView;
        g_nPressedKey = nKey;
        g_bCapsLock = c.bCaps;
        g_bShift = c.bShift;
        const SIZE size = KeyboardSize();
        CPixelCanvas canvas(size.cx, size.cy);
        Paint(canvas);
        const Colour crBack = c.bBackground ? Shown(BackgroundOf(c.nView)) : 0;
        const RECT rc = g_skin.keys[nKey].rcKey;
        const POINT mid = Centre(nKey);
        ExpectPixel(Shown(PressedColour(nKey)), canvas, mid.x, mid.y);
        // The image's last row and column are not drawn.
        ExpectPixel(crBack, canvas, rc.right - 1, mid.y);
        ExpectPixel(crBack, canvas, mid.x, rc.bottom - 1);
        // Its magenta corner, turned with it, leaves the background visible: one of the
        // pixels one in from the corners shows background, the other three the key.
        int nBackground = 0;
        for (POINT p : {POINT{rc.left + 1, rc.top + 1}, POINT{rc.right - 2, rc.top + 1},
                        POINT{rc.left + 1, rc.bottom - 2}, POINT{rc.right - 2, rc.bottom - 2}})
        {
            nBackground += canvas.At(p.x, p.y) == crBack ? 1 : 0;
            EXPECT_TRUE(canvas.At(p.x, p.y) == crBack || canvas.At(p.x, p.y) == Shown(PressedColour(nKey)));
        }
        EXPECT_EQ(1, nBackground);
        const std::vector<uint32_t> pixels = canvas.Snapshot();
        EXPECT_EQ(0, std::count(pixels.begin(), pixels.end(), COLOUR_KEY));
        // Latched keys show pressed in every view; keys at rest show the background.
        for (const auto& [nLatch, bOn] : {std::pair<int, bool>{KEY_CAPS, c.bCaps}, {KEY_SHIFT, c.bShift}})
        {
            if (nLatch != nKey)
                ExpectPixel(bOn ? Shown(PressedColour(nLatch)) : crBack, canvas, Centre(nLatch).x, Centre(nLatch).y);
        }
        const int nIdle = KeysOfView(c.nView)[0] == nKey ? KeysOfView(c.nView)[1] : KeysOfView(c.nView)[0];
        ExpectPixel(crBack, canvas, Centre(nIdle).x, Centre(nIdle).y);
        ExpectPixel(crBack, canvas, Centre(KEY_ENTER).x, Centre(KEY_ENTER).y);
        if (!c.bBackground)
        {
            ExpectPixel(0, canvas, 0, 0);
            ExpectPixel(0, canvas, size.cx - 1, size.cy - 1);
        }
    }
}

TEST_P(KeyboardRender, PressedLabelIsDrawnInTheCharacterViewArea)
{
    CTestSkin skin;
    ASSERT_EQ(1, skin.Load(GetParam()));
    CFontSource fontSource;
    CreatePreviewFonts(fontSource.Window());
    ASSERT_TRUE(PreviewFontFor(CurrentTextTurn()).IsCreated());
    const SIZE size = KeyboardSize();
    CPixelCanvas canvas(size.cx, size.cy);
    for (int nKey : {FindKeyByEntry(L"char_W"), KEY_SYMBOL_AND})   // the ampersand's label is doubled for drawing
    {
        g_nCurrentView = g_skin.keys[nKey].nView;
        g_nPressedKey = KEY_NONE;
        Paint(canvas);
        const std::vector<uint32_t> before = canvas.Snapshot();
        g_nPressedKey = nKey;
        // Hide the key's own image: only the label may change the picture.
        const HBITMAP hImage = std::exchange(g_skin.keys[nKey].hPressedImage, nullptr);
        Paint(canvas);
        g_skin.keys[nKey].hPressedImage = hImage;
        const PixelChange change = ComparePixels(before, canvas);
        EXPECT_GT(change.nCount, 10) << "key " << nKey;
        EXPECT_TRUE(IsInside(change.box, g_skin.rcCharView))
            << "key " << nKey << ": " << RectText(change.box) << " outside " << RectText(g_skin.rcCharView);
    }
}

TEST_P(KeyboardRender, TypedTextIsDrawnInsideTheEditViewReadingAlongTheSkin)
{
    if (IsSquareScreen())
        GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
    for (int nDesign : {SKIN_DESIGN_LANDSCAPE, SKIN_DESIGN_PORTRAIT})
    {
        SCOPED_TRACE("design " + std::to_string(nDesign));
        TestSkinOptions options;
        options.nDesign = nDesign;
        CTestSkin skin(options);
        ASSERT_EQ(1, skin.Load(GetParam()));
        ReleaseKeyboardFonts();
        CModelessKeyboard keyboard;
        ASSERT_NE(nullptr, keyboard.Dialog());
        CFontSource fontSource;
        SendMessageW(g_hEditCtrlWnd, WM_SETFONT, SendMessageW(fontSource.Window(), WM_GETFONT, 0, 0), FALSE);
        const SIZE size = KeyboardSize();
        CPixelCanvas canvas(size.cx, size.cy);
        Paint(canvas);
        const std::vector<uint32_t> empty = canvas.Snapshot();
        SetWindowTextW(g_hEditCtrlWnd, L"Wow");
        Paint(canvas);
        const PixelChange change = ComparePixels(empty, canvas);
        const RECT box = change.box;
        const RECT rcEdit = g_skin.rcEditView;
        ASSERT_GT(change.nCount, 10);
        EXPECT_TRUE(IsInside(box, rcEdit)) << RectText(box) << " outside " << RectText(rcEdit);
        // One short line starts at the reading edge and runs along the area.
        const int nSlack = 8;
        const bool bAcross = box.right - box.left > box.bottom - box.top;
        switch (CurrentTextTurn())
        {
        case TextTurn::Upright:
            EXPECT_LE(box.left, rcEdit.left + nSlack);
            EXPECT_LE(box.top, rcEdit.top + nSlack);
            EXPECT_TRUE(bAcross);
            break;
        case TextTurn::CounterClockwise:   // bottom to top, first line on the left
            EXPECT_LE(box.left, rcEdit.left + nSlack);
            EXPECT_GE(box.bottom, rcEdit.bottom - nSlack);
            EXPECT_FALSE(bAcross);
            break;
        case TextTurn::Clockwise:          // top to bottom, first line on the right
            EXPECT_GE(box.right, rcEdit.right - nSlack);
            EXPECT_LE(box.top, rcEdit.top + nSlack);
            EXPECT_FALSE(bAcross);
            break;
        }
        // A long text wraps inside the area and never spills out of it.
        SetWindowTextW(g_hEditCtrlWnd, L"The quick brown fox jumps over the lazy dog again and again\r\nR&D");
        Paint(canvas);
        const RECT wrapped = ComparePixels(empty, canvas).box;
        EXPECT_TRUE(IsInside(wrapped, rcEdit)) << RectText(wrapped) << " outside " << RectText(rcEdit);
    }
}

INSTANTIATE_TEST_SUITE_P(BothHands, KeyboardRender, testing::Values(DWORD{0}, DWORD{1}), HandName);

}  // namespace

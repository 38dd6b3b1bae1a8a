#include "KeyboardTestSupport.h"
#include "TestSkin.h"
#include "WineTestSupport.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardSkin.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

namespace {

std::string Hex(COLORREF cr)
{
    char sz[16];
    snprintf(sz, sizeof(sz), "#%02X%02X%02X", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return sz;
}

void ExpectPixel(COLORREF crExpected, const CPixelCanvas& canvas, int x, int y)
{
    EXPECT_EQ(Hex(crExpected), Hex(canvas.At(x, y))) << "at (" << x << ", " << y << ")";
}

bool IsSquareScreen() { return GetSystemMetrics(SM_CXSCREEN) == GetSystemMetrics(SM_CYSCREEN); }

COLORREF BackgroundOf(int nView)
{
    switch (nView)
    {
    case VIEW_SYMBOL: return kSymbolBackground;
    case VIEW_NUMBER: return kNumberBackground;
    default: return kCharBackground;
    }
}

void Paint(CPixelCanvas& canvas)
{
    const RECT rc{0, 0, canvas.Width(), canvas.Height()};
    PaintKeyboard(nullptr, canvas.Dc(), rc);
}

POINT Centre(const RECT& rc) { return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

class KeyboardRender : public testing::TestWithParam<DWORD>
{
protected:
    void TearDown() override
    {
        ReleaseSkin();
        ReleaseKeyboardFonts();
        g_nPressedKey = KEY_NONE;
        g_bCapsLock = 0;
        g_bShift = 0;
        g_nCurrentView = VIEW_CHAR;
        g_bCaretVisible = 0;
    }
};

struct PressedCase
{
    int nKey;
    int nView;
};

TEST_P(KeyboardRender, PressedKeyImageCoversItsRectangleButMagentaAndTheLastRowAndColumn)
{
    LoadTestSkin({GetParam()});
    const SIZE size = KeyboardSize();
    const PressedCase cases[] = {{0, VIEW_CHAR}, {29, VIEW_CHAR}, {KEY_OK, VIEW_SYMBOL}, {KEY_BACKSPACE, VIEW_NUMBER},
                                 {45, VIEW_NUMBER}, {83, VIEW_SYMBOL}};
    for (const PressedCase& c : cases)
    {
        SCOPED_TRACE("key " + std::to_string(c.nKey));
        g_nCurrentView = c.nView;
        g_nPressedKey = c.nKey;
        CPixelCanvas canvas(size.cx, size.cy);
        Paint(canvas);
        const RECT rc = g_skin.keys[c.nKey].rcKey;
        const COLORREF crKey = PressedColour(c.nKey);
        const COLORREF crBack = BackgroundOf(c.nView);
        const POINT mid = Centre(rc);
        ExpectPixel(crKey, canvas, mid.x, mid.y);
        ExpectPixel(crKey, canvas, rc.left + kMagentaBlock, rc.top);
        ExpectPixel(crKey, canvas, rc.right - 2, rc.bottom - 2);
        // Magenta leaves the background visible.
        ExpectPixel(crBack, canvas, rc.left, rc.top);
        ExpectPixel(crBack, canvas, rc.left + kMagentaBlock - 1, rc.top + kMagentaBlock - 1);
        // The last row and column of the image are not drawn.
        ExpectPixel(crBack, canvas, rc.right - 1, rc.bottom - 1);
        ExpectPixel(crBack, canvas, mid.x, rc.bottom - 1);
        ExpectPixel(crBack, canvas, rc.right - 1, mid.y);
        // No other key is drawn pressed.
        const int nOther = c.nKey == 0 ? 1 : 0;
        if (g_skin.keys[nOther].nView == c.nView)
        {
            const POINT other = Centre(g_skin.keys[nOther].rcKey);
            ExpectPixel(crBack, canvas, other.x, other.y);
        }
    }
}

TEST_P(KeyboardRender, LatchedCapsAndShiftShowInEveryView)
{
    LoadTestSkin({GetParam()});
    const SIZE size = KeyboardSize();
    g_bCapsLock = 1;
    g_bShift = 1;
    for (int nView : {VIEW_CHAR, VIEW_SYMBOL, VIEW_NUMBER})
    {
        SCOPED_TRACE("view " + std::to_string(nView));
        g_nCurrentView = nView;
        CPixelCanvas canvas(size.cx, size.cy);
        Paint(canvas);
        const POINT caps = Centre(g_skin.keys[KEY_CAPS].rcKey);
        const POINT shift = Centre(g_skin.keys[KEY_SHIFT].rcKey);
        const POINT enter = Centre(g_skin.keys[KEY_ENTER].rcKey);
        ExpectPixel(PressedColour(KEY_CAPS), canvas, caps.x, caps.y);
        ExpectPixel(PressedColour(KEY_SHIFT), canvas, shift.x, shift.y);
        ExpectPixel(BackgroundOf(nView), canvas, enter.x, enter.y);
    }
}

TEST_P(KeyboardRender, AViewWithoutBackgroundIsBlackUnderTheKeys)
{
    TestSkinOptions options;
    options.dwHabit = GetParam();
    options.bNumberBackground = false;
    LoadTestSkin(options);
    const SIZE size = KeyboardSize();
    g_nCurrentView = VIEW_NUMBER;
    g_bCapsLock = 1;
    g_nPressedKey = 40;
    CPixelCanvas canvas(size.cx, size.cy);
    Paint(canvas);
    const RECT rcPressed = g_skin.keys[40].rcKey;
    const POINT pressed = Centre(rcPressed);
    const POINT caps = Centre(g_skin.keys[KEY_CAPS].rcKey);
    const POINT idle = Centre(g_skin.keys[41].rcKey);
    ExpectPixel(PressedColour(40), canvas, pressed.x, pressed.y);
    ExpectPixel(RGB(0, 0, 0), canvas, rcPressed.left, rcPressed.top);   // magenta shows black
    ExpectPixel(PressedColour(KEY_CAPS), canvas, caps.x, caps.y);
    ExpectPixel(RGB(0, 0, 0), canvas, idle.x, idle.y);
    ExpectPixel(RGB(0, 0, 0), canvas, 0, 0);
    ExpectPixel(RGB(0, 0, 0), canvas, size.cx - 1, size.cy - 1);
}

// The bounding box of the pixels that differ between two paints.
struct Diff
{
    int nCount = 0;
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

Diff Compare(const std::vector<COLORREF>& before, const CPixelCanvas& after)
{
    Diff diff;
    for (int y = 0; y < after.Height(); ++y)
    {
        for (int x = 0; x < after.Width(); ++x)
        {
            if (before[y * after.Width() + x] == after.At(x, y))
                continue;
            ++diff.nCount;
            diff.box.left = std::min<LONG>(diff.box.left, x);
            diff.box.top = std::min<LONG>(diff.box.top, y);
            diff.box.right = std::max<LONG>(diff.box.right, x + 1);
            diff.box.bottom = std::max<LONG>(diff.box.bottom, y + 1);
        }
    }
    return diff;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + ", " + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + ", " +
           std::to_string(rc.bottom) + ")";
}

TEST_P(KeyboardRender, PressedLabelIsDrawnInTheCharacterViewArea)
{
    LoadTestSkin({GetParam()});
    CFontSource fontSource;
    CreatePreviewFonts(fontSource.Window());
    ASSERT_TRUE(PreviewFontFor(CurrentTextTurn()).IsCreated());
    const SIZE size = KeyboardSize();
    CPixelCanvas canvas(size.cx, size.cy);
    Paint(canvas);
    const std::vector<COLORREF> idle = Snapshot(canvas);
    for (int nKey : {22, 57})   // W, and the ampersand, whose label is doubled for prefix drawing
    {
        g_nCurrentView = g_skin.keys[nKey].nView;
        g_nPressedKey = KEY_NONE;
        Paint(canvas);
        const std::vector<COLORREF> before = Snapshot(canvas);
        g_nPressedKey = nKey;
        // Hide the key's own image: only the label may change the picture.
        const HBITMAP hImage = std::exchange(g_skin.keys[nKey].hPressedImage, nullptr);
        Paint(canvas);
        g_skin.keys[nKey].hPressedImage = hImage;
        const std::wstring path = PicturePath(L"label-" + std::to_wstring(nKey) + L"-" + std::to_wstring(size.cx) + L"x" +
                                              std::to_wstring(size.cy) + (GetParam() ? L"-left.bmp" : L"-right.bmp"));
        if (!path.empty())
            canvas.SaveBmp(path.c_str());
        const Diff diff = Compare(before, canvas);
        EXPECT_GT(diff.nCount, 10) << "key " << nKey;
        EXPECT_TRUE(Inside(diff.box, g_skin.rcCharView))
            << "key " << nKey << ": " << Describe(diff.box) << " outside " << Describe(g_skin.rcCharView);
    }
    (void)idle;
}

TEST_P(KeyboardRender, TypedTextIsDrawnInsideTheEditViewReadingAlongTheSkin)
{
    if (IsSquareScreen())
        GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
    for (int nDesign : {SKIN_DESIGN_LANDSCAPE, SKIN_DESIGN_PORTRAIT})
    {
        SCOPED_TRACE("design " + std::to_string(nDesign));
        TestSkinOptions options;
        options.dwHabit = GetParam();
        options.nDesign = nDesign;
        LoadTestSkin(options);
        ReleaseKeyboardFonts();
        CModelessKeyboard keyboard;
        ASSERT_NE(nullptr, keyboard.Dialog());
        CFontSource fontSource;
        SendMessageW(g_hEditCtrlWnd, WM_SETFONT, SendMessageW(fontSource.Window(), WM_GETFONT, 0, 0), FALSE);
        const SIZE size = KeyboardSize();
        CPixelCanvas canvas(size.cx, size.cy);
        Paint(canvas);
        const std::vector<COLORREF> empty = Snapshot(canvas);
        SetWindowTextW(g_hEditCtrlWnd, L"Wow");
        Paint(canvas);
        const Diff diff = Compare(empty, canvas);
        const RECT rcEdit = g_skin.rcEditView;
        ASSERT_GT(diff.nCount, 10);
        EXPECT_TRUE(Inside(diff.box, rcEdit)) << Describe(diff.box) << " outside " << Describe(rcEdit);
        // One short line starts at the reading edge and runs along the area.
        const int nBoxWidth = diff.box.right - diff.box.left;
        const int nBoxHeight = diff.box.bottom - diff.box.top;
        const int nSlack = 8;
        switch (CurrentTextTurn())
        {
        case TextTurn::Upright:
            EXPECT_LE(diff.box.left, rcEdit.left + nSlack);
            EXPECT_LE(diff.box.top, rcEdit.top + nSlack);
            EXPECT_GT(nBoxWidth, nBoxHeight);
            break;
        case TextTurn::CounterClockwise:   // bottom to top, first line on the left
            EXPECT_LE(diff.box.left, rcEdit.left + nSlack);
            EXPECT_GE(diff.box.bottom, rcEdit.bottom - nSlack);
            EXPECT_GT(nBoxHeight, nBoxWidth);
            break;
        case TextTurn::Clockwise:          // top to bottom, first line on the right
            EXPECT_GE(diff.box.right, rcEdit.right - nSlack);
            EXPECT_LE(diff.box.top, rcEdit.top + nSlack);
            EXPECT_GT(nBoxHeight, nBoxWidth);
            break;
        }
        // A long text wraps inside the area and never spills out of it.
        SetWindowTextW(g_hEditCtrlWnd, L"The quick brown fox jumps over the lazy dog again and again\r\nR&D");
        Paint(canvas);
        const Diff wrapped = Compare(empty, canvas);
        EXPECT_TRUE(Inside(wrapped.box, rcEdit)) << Describe(wrapped.box) << " outside " << Describe(rcEdit);
        const std::wstring name = L"text-" + std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy) + L"-design" +
                                  std::to_wstring(nDesign) + (GetParam() ? L"-left.bmp" : L"-right.bmp");
        const std::wstring path = PicturePath(name);
        if (!path.empty())
            canvas.SaveBmp(path.c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(BothHands, KeyboardRender, testing::Values(DWORD{0}, DWORD{1}),
                         [](const testing::TestParamInfo<DWORD>& info) {
                             return info.param != 0 ? std::string("LeftHanded") : std::string("RightHanded");
                         });

}  // namespace

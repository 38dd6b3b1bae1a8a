#include "KeyboardTestSupport.h"
#include "skin/TestSkin.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardSkin.h"
#include "settings/Settings.h"
#include "sip/TestStateGuards.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/GdiHandles.h"
#include "WineTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The edit control of an open keyboard, holding three lines, the caret at
// the start of the middle one.
class EditView : public testing::TestWithParam<DWORD>
{
protected:
    void SetUp() override
    {
        if (IsSquareScreen())
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        EnsureTextFont();
        ASSERT_EQ(1, m_skin.Load(GetParam()));
        m_pKeyboard = new CModelessKeyboard();
        ASSERT_NE(nullptr, m_pKeyboard->Dialog());
        SetWindowTextW(g_hEditCtrlWnd, L"first\r\nsecond\r\nthird");
        SendMessageW(g_hEditCtrlWnd, EM_SETSEL, 7, 7);
    }
    void TearDown() override
    {
        delete m_pKeyboard;
        ReleaseKeyboardFonts();
        g_bCaretVisible = 0;
    }

    static DWORD Caret() { return LOWORD(SendMessageW(g_hEditCtrlWnd, EM_GETSEL, 0, 0)); }
    static LRESULT KeyDown(UINT vk) { return SendMessageW(g_hEditCtrlWnd, WM_KEYDOWN, vk, 0); }

    CTestSkin m_skin;
    CModelessKeyboard* m_pKeyboard = nullptr;
};

// How each key turns is checked natively (RouteEditKey); here, that the control acts on
// the turned key: left from the start of "second" reaches the end of "first" upright, the
// start of "first" (up) counter-clockwise and the start of "third" (down) clockwise.
TEST_P(EditView, ArrowsTurnAndOtherKeysReachTheControlOnlyWhileTheTextIsUpright)
{
    KeyDown(VK_LEFT);
    const TextTurn turn = CurrentTextTurn();
    EXPECT_EQ(turn == TextTurn::Upright ? 5u : turn == TextTurn::CounterClockwise ? 0u : 15u, Caret());
    SendMessageW(g_hEditCtrlWnd, EM_SETSEL, 0, 0);
    KeyDown(VK_DELETE);
    const std::wstring expected = CurrentTextTurn() == TextTurn::Upright ? L"irst\r\nsecond\r\nthird"
                                                                         : L"first\r\nsecond\r\nthird";
    EXPECT_EQ(expected, WindowText(g_hEditCtrlWnd));
    // Typed characters arrive as WM_CHAR whatever the turn.
    SendMessageW(g_hEditCtrlWnd, WM_CHAR, L'x', 0);
    EXPECT_EQ(L'x', WindowText(g_hEditCtrlWnd)[0]);
}

TEST_P(EditView, HookSendsHardwareArrowsToTheEditControlAndLetsOtherKeysPass)
{
    struct HookCase
    {
        WPARAM message;
        DWORD vk;
        LRESULT expected;
        bool bMoves;
    };
    const HookCase cases[] = {
        {WM_KEYDOWN, VK_DOWN, 1, true},
        {WM_KEYUP, VK_DOWN, 0, false},
        {WM_KEYDOWN, 'A', 0, false},
        {WM_SYSKEYDOWN, VK_LEFT, 0, false},
    };
    for (const HookCase& c : cases)
    {
        SendMessageW(g_hEditCtrlWnd, EM_SETSEL, 7, 7);
        KBDLLHOOKSTRUCT data{};
        data.vkCode = c.vk;
        EXPECT_EQ(c.expected, ArrowKeyHookProc(HC_ACTION, c.message, reinterpret_cast<LPARAM>(&data)))
            << "message " << c.message << " key " << c.vk;
        EXPECT_EQ(c.bMoves, Caret() != 7) << "message " << c.message << " key " << c.vk;
    }
}

TEST_P(EditView, CaretIsATextLineTallStrokeAtTheMappedCaretPoint)
{
    ShowWindow(m_pKeyboard->Dialog(), SW_SHOW);
    SetFocus(g_hEditCtrlWnd);
    FlushEvents();
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    const SIZE size = KeyboardSize();
    CPixelCanvas canvas(size.cx, size.cy);
    const RECT rc{0, 0, size.cx, size.cy};
    g_bCaretVisible = 0;
    PaintKeyboard(nullptr, canvas.Dc(), rc);
    const std::vector<uint32_t> hidden = canvas.Snapshot();
    g_bCaretVisible = 1;
    PaintKeyboard(nullptr, canvas.Dc(), rc);
    const PixelChange change = ComparePixels(hidden, canvas);
    const RECT box = change.box;
    ASSERT_GT(change.nCount, 0);
    POINT start{};
    MapCaretPoint(caret, g_skin.rcEditView, &start);
    // The stroke starts at the mapped caret point and runs one line along the
    // text's line direction: across the text, whichever way that lies.
    EXPECT_LE(box.left, start.x + 1);
    EXPECT_GE(box.right, start.x - 1);
    EXPECT_LE(box.top, start.y + 1);
    EXPECT_GE(box.bottom, start.y - 1);
    const int nLong = std::max(box.right - box.left, box.bottom - box.top);
    const int nShort = std::min(box.right - box.left, box.bottom - box.top);
    EXPECT_GE(nLong, GetEditLineHeight(g_hEditCtrlWnd) - 2);
    EXPECT_LE(nShort, 3);
    const bool bVertical = box.bottom - box.top > box.right - box.left;
    EXPECT_EQ(CurrentTextTurn() == TextTurn::Upright, bVertical);
}

INSTANTIATE_TEST_SUITE_P(BothHands, EditView, testing::Values(DWORD{0}, DWORD{1}), HandName);

}  // namespace

namespace {

// The drawn lines must fall where the control keeps its own lines and caret,
// so their height is the height of the control's font, whatever the DC's.
TEST(EditLineHeight, IsTheHeightOfTheControlsOwnFont)
{
    const HWND hEdit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE, 0, 0, 200, 100, nullptr, nullptr,
                                       nullptr, nullptr);
    ASSERT_NE(nullptr, hEdit);
    for (const int nHeight : {30, 12})
    {
        const HFONT hFont = CreateFontW(nHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0, L"Tahoma");
        ASSERT_NE(nullptr, hFont);
        TEXTMETRICW tm{};
        {
            CMemoryDc dc(CreateCompatibleDC(nullptr));
            CSelectObject select(dc.Get(), hFont);
            ASSERT_TRUE(GetTextMetricsW(dc.Get(), &tm));
        }
        SendMessageW(hEdit, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        EXPECT_EQ(tm.tmHeight, GetEditLineHeight(hEdit)) << nHeight;
        EXPECT_EQ(100 / tm.tmHeight, GetEditVisibleLines(hEdit)) << nHeight;
        SendMessageW(hEdit, WM_SETFONT, 0, FALSE);
        DeleteObject(hFont);
    }
    DestroyWindow(hEdit);
}

}  // namespace

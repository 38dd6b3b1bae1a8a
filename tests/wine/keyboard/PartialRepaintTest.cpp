#include "KeyboardTestSupport.h"
#include "WineTestSupport.h"
#include "skin/TestSkin.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyImagePainter.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"
#include "keyboard/KeyboardChanges.h"
#include "keyboard/KeyboardControl.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardLayers.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/KeyboardTouch.h"
#include "keyboard/WordCompletion.h"
#include "sip/TestStateGuards.h"
#include "skin/SkinRecord.h"
#include "support/GdiHandles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int KEY_D = 3;
constexpr int KEY_E = 4;
constexpr int KEY_H = 7;
constexpr int KEY_L = 11;
constexpr int KEY_M = 12;
constexpr int KEY_S = 18;
constexpr int KEY_SEVEN = 45;

struct RepaintCase
{
    int nDesign;   // 4: drawn for landscape screens, turned on portrait ones by hand; else the other way
    DWORD dwHabit;
    bool bWordView = true;   // false: offered words take the edit view's last line
};

std::string RepaintCaseName(const testing::TestParamInfo<RepaintCase>& info)
{
    return std::string(info.param.nDesign == 4 ? "Landscape" : "Portrait") + "Design" +
           (info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded") + (info.param.bWordView ? "" : "WordsInTheEditView");
}

ViewRect ToViewRect(const RECT& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

bool Holds(const ViewRect& rc, int x, int y) { return rc.left <= x && x < rc.right && rc.top <= y && y < rc.bottom; }

// The keyboard dialog shown on this screen, worked by the stylus messages its keyboard
// control receives and by its timers' callbacks, called in turn. No message is pumped
// between events, so nothing happens by itself: each event is painted by what it asks
// for, and what the screen shows then is compared with a repaint of the whole keyboard.
class PartialRepaint : public testing::TestWithParam<RepaintCase>
{
protected:
    void SetUp() override
    {
        if (IsSquareScreen())
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        EnsureTextFont();
        ASSERT_EQ(1, m_skin.Load(GetParam().dwHabit));
        CreatePreviewFonts(m_fontSource.Window());
        g_bAccentsOnLongPress = TRUE;
        WordSettings words;
        words.list = WordList::English;
        SetWordSettings(words);
        m_pKeyboard = std::make_unique<CModelessKeyboard>();
        ASSERT_NE(nullptr, m_pKeyboard->Dialog());
        ShowWindow(m_pKeyboard->Dialog(), SW_SHOW);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        m_hKeyboard = g_hKeyboardWnd;
        KillTimer(m_hKeyboard, IDT_CARET_BLINK);
        // The edit control has the focus and its caret, as in the running keyboard.
        SetFocus(g_hEditCtrlWnd);
        g_bCaretVisible = 1;
        RepaintAll();
    }
    void TearDown() override
    {
        m_pKeyboard.reset();
        ReleaseKeyboardFonts();
        g_nPressedKey = KEY_NONE;
        g_bStylusDown = 0;
        g_bCapsLock = 0;
        g_bShift = 0;
        g_nCurrentView = VIEW_CHAR;
        g_bCaretVisible = 0;
    }

    static POINT Centre(int nKey)
    {
        const RECT& rc = g_skin.keys[nKey].rcKey;
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    void Stylus(UINT uMsg, POINT pt) const { SendMessageW(m_hKeyboard, uMsg, 0, MAKELPARAM(pt.x, pt.y)); }

    std::vector<std::uint32_t> Screen() const
    {
        RECT rc{};
        GetClientRect(m_hKeyboard, &rc);
        CPixelCanvas canvas(rc.right, rc.bottom);
        CWindowDc dc(m_hKeyboard);
        BitBlt(canvas.Dc(), 0, 0, rc.right, rc.bottom, dc.Get(), 0, 0, SRCCOPY);
        return canvas.Snapshot();
    }
    void RepaintAll() const
    {
        InvalidateRect(m_hKeyboard, nullptr, FALSE);
        UpdateWindow(m_hKeyboard);
    }
    // "" when the screen shows what a repaint of the whole keyboard shows.
    std::string DifferenceFromWholeRepaint() const
    {
        const std::vector<std::uint32_t> shown = Screen();
        RepaintAll();
        const std::vector<std::uint32_t> whole = Screen();
        RECT rc{};
        GetClientRect(m_hKeyboard, &rc);
        RECT box{rc.right, rc.bottom, 0, 0};
        int nCount = 0;
        for (size_t i = 0; i < shown.size() && shown.size() == whole.size(); ++i)
        {
            if (shown[i] == whole[i])
                continue;
            const LONG x = static_cast<LONG>(i % rc.right), y = static_cast<LONG>(i / rc.right);
            box = RECT{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
            ++nCount;
        }
        if (shown.empty() || shown.size() != whole.size())
            return "no picture of the screen";
        return nCount == 0 ? "" : std::to_string(nCount) + " pixels differ within " + RectText(box);
    }

    // "" when every layer draws inside its box: a picture composed with each layer
    // clipped to its box is the one composed with none clipped.
    static std::string PixelsOutsideTheirBoxes(const SIZE& size)
    {
        const KeyboardFrame frame = CurrentKeyboardFrame(size.cx, size.cy);
        KeyboardFrame unclipped = frame;
        for (LayerShown& layer : unclipped.layers)
            layer.rcBox = ViewRect{-1000, -1000, size.cx + 1000, size.cy + 1000};
        CPixelCanvas clippedCanvas(size.cx, size.cy);
        CPixelCanvas unclippedCanvas(size.cx, size.cy);
        CKeyImagePainter painter;
        ComposeKeyboard(clippedCanvas.Dc(), size.cx, size.cy, frame, nullptr, painter);
        ComposeKeyboard(unclippedCanvas.Dc(), size.cx, size.cy, unclipped, nullptr, painter);
        const PixelChange change = ComparePixels(clippedCanvas.Snapshot(), unclippedCanvas);
        return change.nCount == 0 ? "" : std::to_string(change.nCount) + " pixels outside their layer's box within " +
                                             RectText(change.box);
    }

    // Presses key nKey over a screen filled with one colour: the press repaints the
    // key and the enlarged label, nothing else.
    void ExpectAPressToRepaintOnlyTheKeyAndItsLabel(int nKey) const
    {
        RECT rc{};
        GetClientRect(m_hKeyboard, &rc);
        {
            CWindowDc dc(m_hKeyboard);
            CUniqueBrush brush(CreateSolidBrush(RGB(0x12, 0x34, 0x56)));
            FillRect(dc.Get(), &rc, brush.Get());
        }
        const std::uint32_t crUnpainted = Screen()[0];
        Stylus(WM_LBUTTONDOWN, Centre(nKey));
        const std::vector<std::uint32_t> after = Screen();
        RECT rcChar{};
        GetCharViewRect(&rcChar);
        const CRotatedFont& font = PreviewFontFor(CurrentTextTurn());
        const ViewRect rcLabel = PreviewBox(ToViewRect(rcChar), static_cast<TextTurn>(font.Escapement()), font.Height());
        const ViewRect rcKey = ToViewRect(g_skin.keys[nKey].rcKey);
        int nRepainted = 0, nElsewhere = 0;
        for (size_t i = 0; i < after.size(); ++i)
        {
            const int x = static_cast<int>(i % rc.right), y = static_cast<int>(i / rc.right);
            if (after[i] == crUnpainted)
                continue;
            ++nRepainted;
            nElsewhere += Holds(rcKey, x, y) || Holds(rcLabel, x, y) ? 0 : 1;
        }
        EXPECT_GT(nRepainted, (rcKey.right - rcKey.left) * (rcKey.bottom - rcKey.top) / 2);
        EXPECT_EQ(0, nElsewhere);
    }

    CTestSkin m_skin{TestSkinOptions{GetParam().nDesign, true, GetParam().bWordView}};
    CFontSource m_fontSource;
    CSettingsRestorer m_settings;
    std::unique_ptr<CModelessKeyboard> m_pKeyboard;
    HWND m_hKeyboard = nullptr;
};

TEST_P(PartialRepaint, AfterEveryEventTheScreenShowsWhatAWholeRepaintShowsAndNoMore)
{
    ExpectAPressToRepaintOnlyTheKeyAndItsLabel(KEY_A);
    RepaintAll();
    struct Step
    {
        std::string name;
        std::function<void()> act;
    };
    std::vector<Step> steps;
    const auto stylusAt = [&](const char* pszWhat, UINT uMsg, int nKey) {
        steps.push_back({pszWhat + std::to_string(nKey), [=] { Stylus(uMsg, Centre(nKey)); }});
    };
    const auto down = [&](int nKey) { stylusAt("press on key ", WM_LBUTTONDOWN, nKey); };
    const auto slide = [&](int nKey) { stylusAt("slide to key ", WM_MOUSEMOVE, nKey); };
    const auto lift = [&](int nKey) { stylusAt("lift on key ", WM_LBUTTONUP, nKey); };
    const auto tap = [&](int nKey) {
        down(nKey);
        lift(nKey);
    };
    const auto blink = [&] {
        steps.push_back({"caret blink", [=] { CaretBlinkTimerProc(m_hKeyboard, WM_TIMER, IDT_CARET_BLINK, 0); }});
    };
    const auto toCell = [&](int nCell) {
        steps.push_back({"slide to cell " + std::to_string(nCell), [=] {
            const ViewRect& c = g_keyStrip.aCells[nCell];
            Stylus(WM_MOUSEMOVE, POINT{(c.left + c.right) / 2, (c.top + c.bottom) / 2});
        }});
    };
    // Typing and sliding, A being held: the held key, its label, the typed line and the caret.
    slide(KEY_S);
    slide(KEY_D);
    lift(KEY_D);
    for (int nKey : {KEY_H, KEY_E, KEY_ENTER, KEY_M})
        tap(nKey);
    // Backspace deletes on the press and on each repeat; a slide off it ends the repeat.
    down(KEY_BACKSPACE);
    steps.push_back({"backspace repeat", [] { RepeatTimerProc(g_hDlgWnd, WM_TIMER, IDT_REPEAT, 0); }});
    slide(KEY_A);
    lift(KEY_A);
    // A long press opens e's strip; the stylus goes across its cells, off it and back.
    down(KEY_E);
    steps.push_back({"long press", [] { LongPressTimerProc(g_hDlgWnd, WM_TIMER, IDT_LONG_PRESS, 0); }});
    toCell(0);
    toCell(1);
    steps.push_back({"slide off the strip", [=] {
        int nKey = KEY_A;
        while (nKey < KEY_Z && FindStripCellAt(g_keyStrip.aCells, g_keyStrip.nCount, Centre(nKey).x, Centre(nKey).y) >= 0)
            ++nKey;
        Stylus(WM_MOUSEMOVE, Centre(nKey));
    }});
    toCell(1);
    wchar_t chChosen = 0;
    steps.push_back({"lift on cell 1", [&, this] {
        const ViewRect& c = g_keyStrip.aCells[1];
        chChosen = g_keyStrip.aChars[1];
        Stylus(WM_LBUTTONUP, POINT{(c.left + c.right) / 2, (c.top + c.bottom) / 2});
    }});
    // Shift, caps lock and the views change the whole picture.
    for (int nKey : {KEY_SHIFT, KEY_D, KEY_CAPS, KEY_S, KEY_CAPS, KEY_123, KEY_SEVEN, KEY_123})
        tap(nKey);
    blink();
    blink();
    // Lines enough to scroll the view.
    for (int i = 0; i < 8; ++i)
    {
        tap(KEY_M);
        tap(KEY_ENTER);
    }
    blink();
    // Words are offered, change with each letter, follow the finger across them and one is chosen.
    for (int nKey : {KEY_H, KEY_E, KEY_L, KEY_L})
        tap(nKey);
    const auto toWord = [&](UINT uMsg, int nCell, const char* pszWhat) {
        steps.push_back({pszWhat + std::to_string(nCell), [=] {
            const ViewRect& c = CurrentWordStrip().aCells[nCell];
            Stylus(uMsg, POINT{(c.left + c.right) / 2, (c.top + c.bottom) / 2});
        }});
    };
    toWord(WM_LBUTTONDOWN, 0, "press on word ");
    toWord(WM_MOUSEMOVE, 1, "slide to word ");
    blink();
    toWord(WM_LBUTTONUP, 1, "lift on word ");

    std::string failed;
    RECT rc{};
    GetClientRect(m_hKeyboard, &rc);
    for (const Step& step : steps)
    {
        step.act();
        for (const std::string& difference : {DifferenceFromWholeRepaint(), PixelsOutsideTheirBoxes({rc.right, rc.bottom})})
            failed += difference.empty() ? "" : step.name + ": " + difference + "\n";
    }
    EXPECT_EQ("", failed);
    // What was typed, so that the steps did what they say: d h e, a line break and m,
    // both deleted, a, the strip's second cell, D S 7, the lines and the second word offered for "hell".
    std::wstring expected = std::wstring(L"dhea") + chChosen + L"DS7";
    for (int i = 0; i < 8; ++i)
        expected += L"m\r\n";
    EXPECT_EQ(expected + L"he'll ", WindowText(g_hEditCtrlWnd));

    // Every key's label, and lines of tall and deep glyphs, stay inside their boxes.
    SetWindowTextW(g_hEditCtrlWnd, L"\u00c9jgy|\u00c5pq@W_\r\n\u00c0\u00c7\u0106$%&\r\nWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    std::string outside;
    for (int nKey = 0; nKey < KEY_COUNT; ++nKey)
    {
        g_nCurrentView = g_skin.keys[nKey].nView == VIEW_ALL ? VIEW_CHAR : g_skin.keys[nKey].nView;
        g_nPressedKey = nKey;
        const std::string difference = PixelsOutsideTheirBoxes({rc.right, rc.bottom});
        outside += difference.empty() ? "" : "key " + std::to_string(nKey) + ": " + difference + "\n";
    }
    EXPECT_EQ("", outside);
}

INSTANTIATE_TEST_SUITE_P(Hands, PartialRepaint,
                         testing::Values(RepaintCase{4, 0}, RepaintCase{4, 1}, RepaintCase{5, 0}, RepaintCase{4, 1, false}),
                         RepaintCaseName);

}  // namespace

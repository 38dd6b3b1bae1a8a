#include "DialogFixture.h"
#include "KeyboardDriver.h"
#include "StylusInput.h"

#include "faults/ImportRedirect.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"
#include "skin/KeyTable.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardPlacement.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "settings/Settings.h"
#include "sip/DialogWatcher.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>

#include <string>
#include <thread>
#include <vector>

namespace {

int Key(const wchar_t* pszEntry) { return FindKeyByEntry(pszEntry); }

// A tap deletes one; a hold repeats; sliding off backspace stops the repeat and sliding onto
// it starts none.
TEST_P(KeyboardDialog, BackspaceRepeatsOnlyWhileHeld)
{
    const std::wstring text = L"abcdefghijklmnopqrstuvwxyz";
    const auto deleted = [&](CKeyboardDriver& driver) { return static_cast<int>(text.size() - driver.Text().size()); };
    int nTapDeleted = -1, nAtLift = -1, nAfterLift = -1;
    int nMostAhead = INT_MIN;
    bool bRepeated = false;
    bool bTimersRan = true;
    std::wstring afterSlideOff, afterSlideOn;
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        driver.SetText(text.c_str());
        driver.Tap(KEY_BACKSPACE);
        nTapDeleted = deleted(driver);
        driver.SetText(text.c_str());
        bRepeated = driver.HoldBackspace(5, &nMostAhead);
        driver.Lift();
        nAtLift = deleted(driver);
        bTimersRan = driver.LetTimersRun();   // nothing more goes once the stylus is up
        nAfterLift = deleted(driver);
        driver.SetText(L"12345");
        driver.Press(KEY_BACKSPACE);   // deletes the 5
        driver.SlideTo(KEY_A);
        bTimersRan = driver.LetTimersRun() && bTimersRan;   // past the repeat's 500 ms delay
        driver.Lift();                 // types a
        afterSlideOff = driver.Text();
        driver.Press(KEY_A);
        driver.SlideTo(KEY_BACKSPACE);
        bTimersRan = driver.LetTimersRun() && bTimersRan;
        driver.Lift();
        afterSlideOn = driver.Text();
        driver.Tap(KEY_OK);
    });
    EXPECT_EQ(1, nTapDeleted);
    // One at the press, then one every 100 ms once the 500 ms delay has passed: never
    // more than the clock allows, and the five come within 5 s.
    EXPECT_TRUE(bRepeated);
    EXPECT_LE(nMostAhead, 0) << "deletions ahead of the repeat's delay and rate";
    ASSERT_TRUE(bTimersRan) << "the dialog's timers never ran, so nothing was checked";
    EXPECT_EQ(nAtLift, nAfterLift);
    EXPECT_EQ(L"1234a", afterSlideOff);
    EXPECT_EQ(L"1234a", afterSlideOn);
}

// A window of this thread, the dialog's, takes the capture (WM_APP, 1) or gives it back
// (WM_APP, 0) when the driver's thread sends it the word.
LRESULT CALLBACK CaptureTakerProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_APP)
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    if (wParam != 0)
        SetCapture(hwnd);
    else
        ReleaseCapture();
    return 0;
}

// A held key whose press loses the capture to another window, or is cut short by the
// system cancelling modes (as when a dialog comes up), gets no lift of its own: the press
// ends there. Backspace deletes nothing more, the long press opens no strip, and the lift
// that comes at last types nothing; the next tap types as ever.
TEST_P(KeyboardDialog, APressThatLosesTheCaptureEndsWithoutTyping)
{
    const std::wstring text = L"abcdefghijklmnopqrstuvwxyz";
    const struct { int nKey; bool bCancelMode; } cases[] = {
        {KEY_BACKSPACE, false}, {KEY_BACKSPACE, true}, {Key(L"char_E"), false}, {Key(L"char_E"), true}};
    struct { int nLossMs = -1, bDown = 1; bool bTimersRan = false, bStrip = true; std::wstring atLoss, later, end; }
        seen[4];
    const HWND hTaker = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(hTaker, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CaptureTakerProc));
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        for (int i = 0; i < 4; ++i)
        {
            driver.SetText(text.c_str());
            const ULONGLONG ullPress = GetTickCount64();
            driver.Press(cases[i].nKey);
            if (cases[i].bCancelMode)
                SendMessageW(driver.Dialog(), WM_CANCELMODE, 0, 0);
            else
                SendMessageW(hTaker, WM_APP, 1, 0);
            seen[i].nLossMs = static_cast<int>(GetTickCount64() - ullPress);
            seen[i].bDown = ReadShared(g_bStylusDown);
            seen[i].atLoss = driver.Text();
            seen[i].bTimersRan = driver.LetTimersRun();   // past the repeat's delay and the long press
            seen[i].later = driver.Text();
            seen[i].bStrip = ReadShared(g_keyStrip.nKey) != KEY_NONE;
            SendMessageW(hTaker, WM_APP, 0, 0);
            StylusUp();
            driver.Tap(Key(L"char_X"));   // handled after the lift, whose input came first
            seen[i].end = driver.Text();
        }
        driver.Tap(KEY_OK);
    });
    DestroyWindow(hTaker);
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(testing::Message() << "key " << cases[i].nKey
                                        << (cases[i].bCancelMode ? ", modes cancelled" : ", capture taken"));
        // Taken well within the repeat's delay and the long press, or the test tells nothing.
        ASSERT_LT(seen[i].nLossMs, 450) << "too slow to tell";
        ASSERT_TRUE(seen[i].bTimersRan) << "the dialog's timers never ran, so nothing was checked";
        EXPECT_EQ(0, seen[i].bDown);
        EXPECT_EQ(cases[i].nKey == KEY_BACKSPACE ? text.substr(0, text.size() - 1) : text, seen[i].atLoss);
        EXPECT_EQ(seen[i].atLoss, seen[i].later);
        EXPECT_FALSE(seen[i].bStrip);
        EXPECT_EQ(seen[i].atLoss + L"x", seen[i].end);
    }
}

TEST_P(KeyboardDialog, OkLeavesTheTextInTheBufferWithItsLineBreaks)
{
    for (const wchar_t* pszText : {L"", L"ab\r\nc", L"R&D 100%"})
    {
        delete[] m_pPanel->m_pBuffer;
        m_pPanel->m_pBuffer = new WCHAR[3]{L'x', L'y', L'\0'};   // replaced, not appended to
        CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
            driver.SetText(pszText);
            driver.Tap(KEY_OK);
        });
        ASSERT_NE(nullptr, m_pPanel->m_pBuffer);
        EXPECT_EQ(std::wstring(pszText), std::wstring(m_pPanel->m_pBuffer));
        const size_t nLength = std::wstring(pszText).size();
        EXPECT_EQ(L'\0', m_pPanel->m_pBuffer[nLength + 1]);   // L + 2 units, zero-filled
        // Nothing is parked for the next opening, and the dialog is gone.
        EXPECT_EQ(nullptr, m_pPanel->m_pUnprocStr);
        EXPECT_TRUE(g_hDlgWnd == nullptr && g_pSipPanel == nullptr);
    }
}

// A screen reset (WM_SETTINGCHANGE 0x3002) or, from a desktop, WM_DISPLAYCHANGE ends
// the dialog with OK only when the screen turned since the skin was loaded. (The bar
// ends it on a reset too, so the scenarios and the soak cannot tell whether it hears.)
TEST_P(KeyboardDialog, ScreenResetOrDisplayChangeEndsItOnlyWhenTheScreenTurned)
{
    for (const bool bReset : {true, false})
    {
        SCOPED_TRACE(bReset ? "screen reset" : "display change");
        // Options.dat as the last load saw it, and the orientation recorded then.
        SaveOptions();
        IsOptionsChanged();
        SetLoadedOrientation(GetScreenOrientation());
        bool bStillOpen = false;
        bool bEnded = false;
        CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
            const HWND hDlg = driver.Dialog();
            const LPARAM lSize = MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
            const auto screenChange = [&] {
                SendMessageW(hDlg, bReset ? WM_SETTINGCHANGE : WM_DISPLAYCHANGE, bReset ? SETTINGCHANGE_RESET : 32,
                             bReset ? 0 : lSize);
            };
            screenChange();   // nothing turned
            SetLoadedOrientation(GetScreenOrientation() == ORIENT_LANDSCAPE ? ORIENT_PORTRAIT : ORIENT_LANDSCAPE);
            SendMessageW(hDlg, WM_SETTINGCHANGE, 0, 0);   // another kind of change
            bStillOpen = IsWindowVisible(hDlg) != FALSE;
            screenChange();   // the screen turned
            bEnded = CKeyboardDriver::WaitFor([&] { return !IsWindow(hDlg); });
        });
        EXPECT_TRUE(bStillOpen);
        EXPECT_TRUE(bEnded);
    }
}

// A turn or a switch away can end the dialog under a held stylus; its lift
// never comes, and the next opening must not show that key still pressed.
TEST_P(KeyboardDialog, APressLeftOverFromTheLastOpeningIsForgotten)
{
    g_nPressedKey = Key(L"char_K");
    g_bStylusDown = 1;
    int nPressedAtOpening = 0;
    int bDownAtOpening = 1;
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        nPressedAtOpening = g_nPressedKey;
        bDownAtOpening = g_bStylusDown;
        driver.Tap(KEY_A);
        driver.Tap(KEY_OK);
    });
    EXPECT_EQ(KEY_NONE, nPressedAtOpening);
    EXPECT_EQ(0, bDownAtOpening);
    EXPECT_EQ(L"a", Typed());
}

// Out of memory for the copy of the text: allocations of the copy's size fail on the dialog's
// thread while armed (this program's own malloc import, which new[] comes through).
std::atomic<DWORD> g_dwFailingThread{0};
std::atomic<std::size_t> g_cbFailing{0};
void* g_pfnMalloc = nullptr;

void* __cdecl FailingMalloc(std::size_t cb)
{
    if (cb == g_cbFailing && GetCurrentThreadId() == g_dwFailingThread)
        return nullptr;
    return reinterpret_cast<void*(__cdecl*)(std::size_t)>(g_pfnMalloc)(cb);
}

// A copy that cannot be made loses no text silently: OK keeps the dialog open with the text
// and says so (the next OK sends it); a switch away ends the dialog, and the message comes
// once it has gone, so as not to hold up the switch.
TEST_P(KeyboardDialog, TextThatCannotBeCopiedIsKeptOrItsLossShown)
{
    static const ImportRedirect s_malloc{"malloc", reinterpret_cast<void*>(&FailingMalloc), &g_pfnMalloc};
    static const bool s_bRedirected = RedirectImports(GetModuleHandleW(nullptr), &s_malloc, 1) > 0;
    ASSERT_TRUE(s_bRedirected);
    const std::wstring text = L"kept 12";
    g_cbFailing = (text.size() + 2) * sizeof(WCHAR);
    std::atomic<HWND> hKeyboard{nullptr};
    std::vector<bool> keyboardOpenAtMessage;
    CDialogWatcher watcher([&](const SeenDialog& dialog) {
        if (dialog.text.empty())
            return;
        keyboardOpenAtMessage.push_back(IsWindow(hKeyboard) != FALSE);
        DismissMessageBox(dialog);
    });
    const auto messagesShown = [&] {
        std::vector<std::wstring> shown;
        for (const SeenDialog& dialog : watcher.Seen())
            if (!dialog.text.empty() && dialog.title == L"Brevanto Keyboard")
                shown.push_back(dialog.text);
        return shown;
    };
    const DWORD dwDialogThread = GetCurrentThreadId();
    bool bOpenAfterFailedOk = false;
    std::wstring textAfterFailedOk;
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        hKeyboard = driver.Dialog();
        driver.SetText(text.c_str());
        g_dwFailingThread = dwDialogThread;
        PostMessageW(driver.Dialog(), WM_COMMAND, IDOK, 0);
        CKeyboardDriver::WaitFor([&] { return messagesShown().size() == 1; });
        g_dwFailingThread = 0;
        CKeyboardDriver::WaitFor([&] {
            const std::vector<SeenDialog> seen = watcher.Seen();
            return seen.empty() || !IsWindow(seen.back().hwnd);
        });
        bOpenAfterFailedOk = IsWindowVisible(driver.Dialog()) != FALSE;
        textAfterFailedOk = driver.Text();
        driver.Tap(KEY_OK);
    });
    EXPECT_TRUE(bOpenAfterFailedOk);
    EXPECT_EQ(text, textAfterFailedOk);
    EXPECT_EQ(text, Typed());

    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        hKeyboard = driver.Dialog();
        driver.SetText(text.c_str());
        g_dwFailingThread = dwDialogThread;
        PostMessageW(driver.Dialog(), WM_ACTIVATE, WA_INACTIVE, 0);   // a switch to another application
        CKeyboardDriver::WaitFor([&] { return !IsWindow(driver.Dialog()); });
        g_dwFailingThread = 0;
    });
    EXPECT_EQ(nullptr, m_pPanel->m_pBuffer);
    EXPECT_EQ(nullptr, m_pPanel->m_pUnprocStr);
    EXPECT_EQ((std::vector<std::wstring>{kTextNotSentMessage, kTextNotKeptMessage}), messagesShown());
    EXPECT_EQ((std::vector<bool>{true, false}), keyboardOpenAtMessage);
}

INSTANTIATE_TEST_SUITE_P(BothHands, KeyboardDialog, testing::Values(DialogCase{4, 0}, DialogCase{4, 1}),
                         DialogCaseName);

// A layout whose orientation is left out (0) or out of range (6) is shown as a portrait
// design: upright on a portrait screen, turned counter-clockwise on a landscape one. The
// keyboard control, the key rectangles, the turned bitmaps and the stylus must all take
// that one turn, or a tap lands beside the key drawn under it.
class TurnRule : public KeyboardDialog
{
};

TEST_P(TurnRule, ControlRectanglesBitmapsAndTapsTakeOneTurn)
{
    const bool bTurned = IsLandscapeScreen();
    const KeyboardPlan plan = TestSkinPlan(ScreenClass(), GetParam().nDesign);
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
                         testing::Values(DialogCase{0, 0}, DialogCase{0, 1}, DialogCase{6, 0}, DialogCase{6, 1}),
                         DialogCaseName);

}  // namespace

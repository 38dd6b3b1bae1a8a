#include "KeyboardDriver.h"
#include "KeyboardTestSupport.h"
#include "skin/TestSkin.h"

#include "faults/ImportRedirect.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPlacement.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "settings/Settings.h"
#include "sip/DialogWatcher.h"
#include "sip/SipPanel.h"
#include "sip/TestStateGuards.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>

#include <memory>
#include <string>
#include <thread>

namespace {

std::wstring Buffer(const WCHAR* p) { return p != nullptr ? std::wstring(p) : std::wstring(L"<null>"); }

// How the test skin is drawn (its layout's orientation value, 4 for landscape) and the hand.
struct DialogCase
{
    int nDesign;
    DWORD dwHabit;
};

std::string DialogCaseName(const testing::TestParamInfo<DialogCase>& info)
{
    return (info.param.nDesign != 4 ? "Orientation" + std::to_string(info.param.nDesign) : std::string()) +
           (info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded");
}

// The keyboard dialog on the test skin, with the text font of slot 1 as the input method
// makes it at its first activation.
class KeyboardDialog : public testing::TestWithParam<DialogCase>
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

    CTestSkin m_skin{TestSkinOptions{GetParam().nDesign, true}};
    CFontSource m_fontSource;
    // Made after the screen check: a panel on an unsupported screen brings up a message box.
    std::unique_ptr<SipPanel> m_pPanel;
};

// One step of the typing test: the key tapped and the text expected after it.
struct TypingStep
{
    const wchar_t* pszKey;  // entry name
    const wchar_t* pszText;
};

int Key(const wchar_t* pszEntry) { return FindKeyByEntry(pszEntry); }

TEST_P(KeyboardDialog, TypesWithShiftCapsAndViewsUnderRealStylusInput)
{
    const TypingStep steps[] = {
        {L"char_shift", L""},
        {L"char_H", L"H"},              // shift: upper case, then shift is gone
        {L"char_E", L"He"},
        {L"char_caps", L"He"},
        {L"char_Y", L"HeY"},
        {L"char_shift", L"HeY"},
        {L"char_Y", L"HeYy"},           // caps and shift: lower case
        {L"char_caps", L"HeYy"},
        {L"char_comma", L"HeYy,"},
        {L"char_shift", L"HeYy,"},
        {L"char_comma", L"HeYy,@"},     // shifted comma
        {L"char_123", L"HeYy,@"},
        {L"number_1", L"HeYy,@1"},      // number view
        {L"char_at", L"HeYy,@1"},
        {L"symbol_and", L"HeYy,@1&"},   // symbol view: the ampersand types once
        {L"char_at", L"HeYy,@1&"},      // back to the characters
        {L"char_space", L"HeYy,@1& "},
        {L"char_enter", L"HeYy,@1& \r\n"},
        {L"char_A", L"HeYy,@1& \r\na"},
    };
    std::wstring log;
    bool bSlid = false;
    std::wstring afterSlide;
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        for (const TypingStep& step : steps)
        {
            if (!driver.Tap(Key(step.pszKey)))
                log += std::wstring(L"tap of ") + step.pszKey + L" was not handled\n";
            const std::wstring text = driver.Text();
            if (text != step.pszText)
                log += std::wstring(L"after ") + step.pszKey + L": got \"" + text + L"\", want \"" +
                       step.pszText + L"\"\n";
        }
        // Press K, slide onto L, lift: one l, typed on the lift.
        bSlid = driver.Press(Key(L"char_K")) && driver.Text() == L"HeYy,@1& \r\na" && driver.SlideTo(Key(L"char_L")) &&
                 driver.Lift();
        afterSlide = driver.Text();
        driver.Tap(KEY_OK);
    });
    ASSERT_TRUE(bOpened);
    EXPECT_EQ(L"", log);
    EXPECT_TRUE(bSlid);
    EXPECT_EQ(L"HeYy,@1& \r\nal", afterSlide);
    EXPECT_EQ(L"HeYy,@1& \r\nal", Buffer(m_pPanel->m_pBuffer));
    EXPECT_EQ(nullptr, m_pPanel->m_pUnprocStr);
    EXPECT_EQ(nullptr, g_hDlgWnd);
    EXPECT_EQ(nullptr, g_pSipPanel);
}

TEST_P(KeyboardDialog, HeldBackspaceRepeatsAndATapDeletesOne)
{
    int nTapDeleted = -1;
    bool bRepeated = false;
    bool bTimersRan = false;
    int nMostAhead = INT_MIN;
    int nAtLift = -1;
    int nAfterLift = -1;
    const std::wstring text = L"abcdefghijklmnopqrstuvwxyz";
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        driver.SetText(text.c_str());
        driver.Tap(KEY_BACKSPACE);
        nTapDeleted = static_cast<int>(text.size() - driver.Text().size());
        driver.SetText(text.c_str());
        bRepeated = driver.HoldBackspace(5, &nMostAhead);
        driver.Lift();
        nAtLift = static_cast<int>(text.size() - driver.Text().size());
        bTimersRan = driver.LetTimersRun();   // nothing more goes once the stylus is up
        nAfterLift = static_cast<int>(text.size() - driver.Text().size());
        driver.Tap(KEY_OK);
    });
    EXPECT_EQ(1, nTapDeleted);
    // One at the press, then one every 100 ms once the 500 ms delay has passed: never
    // more than the clock allows, and the five come within 5 s.
    EXPECT_TRUE(bRepeated);
    EXPECT_LE(nMostAhead, 0) << "deletions ahead of the repeat's delay and rate";
    ASSERT_TRUE(bTimersRan);
    EXPECT_EQ(nAtLift, nAfterLift);
    EXPECT_EQ(text.substr(0, text.size() - nAfterLift), Buffer(m_pPanel->m_pBuffer));
}

TEST_P(KeyboardDialog, SlidingOffBackspaceStopsTheRepeatAndOntoItStartsNone)
{
    std::wstring afterSlideOff;
    std::wstring afterSlideOn;
    bool bTimersRan = true;
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
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
    ASSERT_TRUE(bTimersRan) << "the dialog's timers never ran, so nothing was checked";
    EXPECT_EQ(L"1234a", afterSlideOff);
    EXPECT_EQ(L"1234a", afterSlideOn);
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
    }
}

// A screen reset (WM_SETTINGCHANGE 0x3002) or, from a desktop, WM_DISPLAYCHANGE ends
// the dialog with OK only when the screen turned since the skin was loaded.
TEST_P(KeyboardDialog, ScreenResetOrDisplayChangeEndsWithOkOnlyWhenTheScreenTurned)
{
    const auto send = [](HWND hDlg, UINT uMessage, WPARAM wParam) {
        SendMessageW(hDlg, uMessage, wParam,
                     uMessage == WM_DISPLAYCHANGE
                         ? MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)) : 0);
        return IsWindowVisible(hDlg) != FALSE;
    };
    for (UINT uMessage : {UINT{WM_SETTINGCHANGE}, UINT{WM_DISPLAYCHANGE}})
    {
        SCOPED_TRACE(uMessage);
        const WPARAM wParam = uMessage == WM_SETTINGCHANGE ? 0x3002 : 32;
        // Options.dat as the last load saw it, and the orientation recorded then.
        SaveOptions();
        IsOptionsChanged();
        SetLoadedOrientation(GetScreenOrientation());
        bool bStillOpen = false, bIgnoredOther = false;
        delete[] m_pPanel->m_pBuffer;
        m_pPanel->m_pBuffer = nullptr;
        CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
            driver.Tap(KEY_A);
            bStillOpen = send(driver.Dialog(), uMessage, wParam);   // nothing changed
            SetLoadedOrientation(GetScreenOrientation() == ORIENT_LANDSCAPE ? ORIENT_PORTRAIT : ORIENT_LANDSCAPE);
            bIgnoredOther = send(driver.Dialog(), WM_SETTINGCHANGE, 0);   // another kind of change
            send(driver.Dialog(), uMessage, wParam);                       // the screen turned
            CKeyboardDriver::WaitFor([&] { return !IsWindow(driver.Dialog()); });
        });
        EXPECT_TRUE(bStillOpen);
        EXPECT_TRUE(bIgnoredOther);
        EXPECT_EQ(L"a", Buffer(m_pPanel->m_pBuffer));
        EXPECT_EQ(nullptr, m_pPanel->m_pUnprocStr);
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
    EXPECT_EQ(L"a", Buffer(m_pPanel->m_pBuffer));
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
// and says so (the next OK sends it); a switch away ends the dialog, with a message.
TEST_P(KeyboardDialog, TextThatCannotBeCopiedIsKeptOrItsLossShown)
{
    static const ImportRedirect s_malloc{"malloc", reinterpret_cast<void*>(&FailingMalloc), &g_pfnMalloc};
    static const bool s_bRedirected = RedirectImports(GetModuleHandleW(nullptr), &s_malloc, 1) > 0;
    ASSERT_TRUE(s_bRedirected);
    const std::wstring text = L"kept 12";
    g_cbFailing = (text.size() + 2) * sizeof(WCHAR);
    CDialogWatcher watcher([&](const SeenDialog& dialog) {
        if (!dialog.text.empty())
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
    EXPECT_EQ(text, Buffer(m_pPanel->m_pBuffer));

    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        driver.SetText(text.c_str());
        g_dwFailingThread = dwDialogThread;
        PostMessageW(driver.Dialog(), WM_ACTIVATE, WA_INACTIVE, 0);   // a switch to another application
        CKeyboardDriver::WaitFor([&] { return !IsWindow(driver.Dialog()); });
        g_dwFailingThread = 0;
    });
    EXPECT_EQ(nullptr, m_pPanel->m_pBuffer);
    EXPECT_EQ(nullptr, m_pPanel->m_pUnprocStr);
    EXPECT_EQ((std::vector<std::wstring>{kTextNotSentMessage, kTextNotKeptMessage}), messagesShown());
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

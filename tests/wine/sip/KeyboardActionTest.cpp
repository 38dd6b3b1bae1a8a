#include "device/DeviceWindows.h"
#include "keyboard/KeyboardDialog.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "sip/BarLayout.h"
#include "sip/KeyboardHook.h"
#include "sip/KeyboardTapWatch.h"
#include "sip/OptionsDialogDriver.h"
#include "sip/SipActions.h"
#include "sip/SipHost.h"
#include "sip/SipPanel.h"
#include "support/DisplayMetrics.h"
#include "support/HostProcess.h"

#include <gtest/gtest.h>

#include <string>

// Typing and OK, and a broken skin's message, are played end to end on the
// device (tests/scenarios); here, what the device cannot see: the retries of a
// failed load, the message's owner, the hook's lifetime and a deselection from
// inside the keyboard's loop.
namespace
{

constexpr wchar_t kBrokenSkin[] = L"BrokenTestSkin.xml";

std::wstring BrokenSkinPath()
{
    return TestProgramFolder() + L"\\skins\\" + kBrokenSkin;
}

// The SIP manager's part and a user at the keyboard: taps on the bar's
// keyboard button, types into the keyboard when it opens and presses OK.
// Message boxes are recorded and dismissed.
class KeyboardActionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (GetResolutionClass() == ResolutionClass::Unsupported)
            GTEST_SKIP() << "no skin is made for this screen";
        // An index file that is not a skin at all.
        ASSERT_TRUE(WriteFileText(BrokenSkinPath(), std::string("not xml\xFF\0<", 10)));
        ASSERT_TRUE(m_host.Ready());
        m_hwndBar = m_host.Bar();
        m_pPanel = &m_host.Panel();
    }

    void TearDown() override
    {
        m_host.Release();
        RemovePath(BrokenSkinPath());
        g_bSkinLoadFailed = FALSE;
        EXPECT_EQ(1, m_callback.References());
    }

    // A tap in the middle of one bar button, as mouse messages to the bar.
    void TapButton(int nAction)
    {
        POINT pt = BarButtonOnScreen(m_hwndBar, nAction);
        ScreenToClient(m_hwndBar, &pt);
        const LPARAM lParam = MAKELPARAM(pt.x, pt.y);
        SendMessageW(m_hwndBar, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        EXPECT_EQ(nAction, m_pPanel->m_nPressed);
        SendMessageW(m_hwndBar, WM_LBUTTONUP, 0, lParam);
    }

    // Taps the keyboard button and checks what it left behind; the messages
    // that came up must all be the load failure, the last one owned by the
    // SIP window (a child window cannot own one).
    void TapKeyboard(const std::wstring& typed, size_t nMessages, bool bOpens)
    {
        const KeyboardTapSeen seen = AttendKeyboardTap([&] { TapButton(SIP_ACTION_KEYBOARD); }, typed);
        EXPECT_EQ(bOpens, seen.bOpened);
        EXPECT_EQ(bOpens, seen.bHookWhileOpen) << "the arrow-key hook is there while the keyboard is";
        EXPECT_EQ(!bOpens, g_bSkinLoadFailed != FALSE);
        EXPECT_FALSE(g_bInitializing);
        EXPECT_EQ(nullptr, GetKeyboardHook()) << "the hook outlived the keyboard";
        EXPECT_EQ(nullptr, m_pPanel->m_pBuffer);
        ASSERT_EQ(nMessages, seen.messages.size());
        for (const SeenDialog& message : seen.messages)
            EXPECT_EQ(kLoadSkinFailedMessage, message.text);
        if (nMessages > 0)
        {
            EXPECT_EQ(GetAncestor(m_hwndBar, GA_ROOT), seen.messages.back().hwndOwner);
        }
    }

    CSettingsRestorer m_settings;
    COptionsFileKeeper m_optionsFile;
    CSipHost m_host;
    CRecordingCallback& m_callback = m_host.Callback();
    HWND m_hwndBar = nullptr;
    SipPanel* m_pPanel = nullptr;
};

TEST_F(KeyboardActionTest, AFailedLoadIsRetriedOnEveryTapUntilASkinLoads)
{
    // A good load first, so the orientation is recorded and no change is pending.
    ASSERT_TRUE(WriteNewerOptions(1, L"Silver.xml"));
    ASSERT_NO_FATAL_FAILURE(TapKeyboard(L"", 0, true));
    ASSERT_TRUE(WriteNewerOptions(1, kBrokenSkin));
    ASSERT_NO_FATAL_FAILURE(TapKeyboard(L"x", 1, false));

    // Nothing changed since: the failure is reported on the tap and again
    // after the repeated attempt.
    ASSERT_NO_FATAL_FAILURE(TapKeyboard(L"x", 2, false));

    // Cancelling the options clears the failure without changing Options.dat:
    // the skin is still broken, so the next tap tries again rather than open
    // the keyboard with nothing to draw.
    OptionsChoice choice;
    choice.wCloseCommand = IDM_OPTIONS_CANCEL;
    OptionsShown shown;
    const std::vector<SeenDialog> seen = AttendOptionsDialog([&] { TapButton(SIP_ACTION_OPTIONS); }, choice, shown);
    ASSERT_TRUE(shown.bSeen);
    EXPECT_EQ(GetAncestor(m_hwndBar, GA_ROOT), seen[0].hwndOwner) << "the options belong to the SIP window";
    ASSERT_FALSE(g_bSkinLoadFailed);
    ASSERT_NO_FATAL_FAILURE(TapKeyboard(L"x", 1, false));

    // A working skin again: one stale message, then the keyboard opens, and
    // the next tap has nothing to report.
    ASSERT_TRUE(WriteNewerOptions(1, L"Silver.xml"));
    ASSERT_NO_FATAL_FAILURE(TapKeyboard(L"ok", 1, true));
    EXPECT_EQ(std::vector<CallbackCall>{StringCall(L"ok")}, m_callback.Calls());
    ASSERT_NO_FATAL_FAILURE(TapKeyboard(L"", 0, true));
}

// The SIP manager's deselection, run from inside the keyboard's message loop:
// once the keyboard is up, the input method is deselected, then a text is
// typed and confirmed.
IInputMethod* g_pDeselectedMethod = nullptr;
HWND g_hwndDeselectedBar = nullptr;
bool g_bDeselectedWhileOpen = false;
bool g_bBarKeptWhileOpen = false;

void CALLBACK DeselectWhileKeyboardOpen(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    if (g_hDlgWnd == nullptr || !IsWindowVisible(g_hDlgWnd) || g_hEditCtrlWnd == nullptr)
        return;
    KillTimer(nullptr, idTimer);
    g_bDeselectedWhileOpen = SUCCEEDED(g_pDeselectedMethod->Deselect());
    g_bBarKeptWhileOpen = IsWindow(g_hwndDeselectedBar) != FALSE;
    SetWindowTextW(g_hEditCtrlWnd, L"abc");
    PostMessageW(g_hDlgWnd, WM_COMMAND, IDOK, 0);
}

// A deselection that comes while the keyboard is open must not pull the panel
// from under the action: it goes when the keyboard has closed, and the text
// has nowhere to go, as the SIP manager may have let its callback go.
TEST_F(KeyboardActionTest, DeselectedWhileTheKeyboardIsOpenThePanelGoesAfterIt)
{
    ASSERT_TRUE(WriteNewerOptions(1, L"Silver.xml"));
    g_pDeselectedMethod = m_host.InputMethod();
    g_hwndDeselectedBar = m_hwndBar;
    g_bDeselectedWhileOpen = false;
    g_bBarKeptWhileOpen = false;
    const UINT_PTR idTimer = SetTimer(nullptr, 0, 20, DeselectWhileKeyboardOpen);
    ASSERT_NE(0u, idTimer);
    TapButton(SIP_ACTION_KEYBOARD);
    KillTimer(nullptr, idTimer);

    EXPECT_TRUE(g_bDeselectedWhileOpen);
    EXPECT_TRUE(g_bBarKeptWhileOpen);
    EXPECT_FALSE(IsWindow(m_hwndBar));
    EXPECT_EQ(nullptr, static_cast<Zarn*>(m_host.InputMethod())->GetSipPanel());
    EXPECT_TRUE(m_callback.Calls().empty());
    EXPECT_EQ(nullptr, GetKeyboardHook());
}

} // namespace

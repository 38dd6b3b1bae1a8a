#include "keyboard/KeyboardDialog.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "sip/BarLayout.h"
#include "sip/DialogWatcher.h"
#include "sip/TestStateGuards.h"
#include "sip/KeyboardHook.h"
#include "sip/KeyboardTapWatch.h"
#include "sip/OptionsDialogDriver.h"
#include "sip/RecordingCallback.h"
#include "sip/ServerTestSupport.h"
#include "sip/SipActions.h"
#include "sip/SipHost.h"
#include "sip/SipPanel.h"
#include "sip/Zarn.h"
#include "support/ComPointer.h"
#include "support/DisplayMetrics.h"
#include "WineTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

constexpr wchar_t kBrokenSkin[] = L"BrokenTestSkin.xml";

std::wstring SkinsFolder()
{
    return KeyboardDllFolder() + L"\\skins";
}

// Writes Options.dat so that its last-write time moves on, as a save by the
// options dialog does.
void SelectSkin(const std::wstring& skin)
{
    Sleep(20);
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), OptionsFileBytes(1, skin)));
}

// The SIP manager's part and a user at the keyboard: taps on the bar's
// keyboard button, types into the keyboard when it opens and presses OK.
// Message boxes are recorded and dismissed.
class KeyboardActionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // An index file that is not a skin at all.
        const Bytes garbage = {'n', 'o', 't', ' ', 'x', 'm', 'l', 0xFF, 0x00, '<'};
        ASSERT_TRUE(WriteWholeFile(SkinsFolder() + L"\\" + kBrokenSkin, garbage));
        ASSERT_TRUE(m_host.Ready());
        m_hwndBar = m_host.Bar();
        m_pPanel = &m_host.Panel();
    }

    void TearDown() override
    {
        m_host.Release();
        RemovePath(SkinsFolder() + L"\\" + kBrokenSkin);
        g_bSkinLoadFailed = FALSE;
        EXPECT_EQ(1, m_callback.References());
    }

    // A tap in the middle of one bar button, as mouse messages to the bar.
    void TapButton(int nAction)
    {
        RECT rc = {};
        GetClientRect(m_hwndBar, &rc);
        const BarButtonLayout& layout =
            GetResolutionClass() == ResolutionClass::Vga ? GetVgaBarLayout() : GetQvgaBarLayout();
        const BarRect& button = layout.aRects[nAction];
        const int X = BarLeft(rc.left, rc.right, GetBitmapWidth(g_hBarBitmap));
        const LPARAM lParam = MAKELPARAM(X + (button.left + button.right) / 2, (button.top + button.bottom) / 2);
        SendMessageW(m_hwndBar, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        EXPECT_EQ(nAction, m_pPanel->m_nPressed);
        SendMessageW(m_hwndBar, WM_LBUTTONUP, 0, lParam);
    }

    // Taps the keyboard button; returns the messages that came up meanwhile.
    std::vector<SeenDialog> TapKeyboard(const std::wstring& typed)
    {
        RECT rc = {};
        GetClientRect(m_hwndBar, &rc);
        const int X = BarLeft(rc.left, rc.right, GetBitmapWidth(g_hBarBitmap));
        const LPARAM lParam = MAKELPARAM(X + 30, 27);
        const KeyboardTapSeen seen = AttendKeyboardTap(
            [&] {
                SendMessageW(m_hwndBar, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
                EXPECT_EQ(SIP_ACTION_KEYBOARD, m_pPanel->m_nPressed);
                SendMessageW(m_hwndBar, WM_LBUTTONUP, 0, lParam);
            },
            typed);
        m_bKeyboardOpened = seen.bOpened;
        m_bHookWhileOpen = seen.bHookWhileOpen;
        EXPECT_EQ(SIP_ACTION_NONE, m_pPanel->m_nPressed);
        EXPECT_FALSE(g_bInitializing);
        EXPECT_EQ(nullptr, GetKeyboardHook()) << "the hook outlived the keyboard";
        EXPECT_EQ(nullptr, m_pPanel->m_pBuffer);
        return seen.messages;
    }

    void ExpectLoadFailedMessages(const std::vector<SeenDialog>& messages, size_t nCount)
    {
        ASSERT_EQ(nCount, messages.size());
        for (const SeenDialog& message : messages)
            EXPECT_EQ(kLoadSkinFailedMessage, message.text);
        // The message after a failed attempt belongs to the bar; a child
        // window cannot own one, so its top-level window, the SIP window, does.
        EXPECT_EQ(GetAncestor(m_hwndBar, GA_ROOT), messages.back().hwndOwner);
    }

    // A good load first, so the orientation is recorded and no change is
    // pending; then a broken skin selected, whose load fails on the next tap.
    void FailAfterAGoodLoad()
    {
        SelectSkin(L"Silver.xml");
        EXPECT_TRUE(TapKeyboard(L"").empty());
        ASSERT_TRUE(m_bKeyboardOpened);
        SelectSkin(kBrokenSkin);
        ExpectLoadFailedMessages(TapKeyboard(L"x"), 1);
        ASSERT_FALSE(m_bKeyboardOpened);
    }

    bool IsSupported() const { return GetResolutionClass() != ResolutionClass::Unsupported; }

    CSettingsRestorer m_settings;
    COptionsFileKeeper m_optionsFile;
    CSipHost m_host;
    CRecordingCallback& m_callback = m_host.Callback();
    HWND m_hwndBar = nullptr;
    SipPanel* m_pPanel = nullptr;
    bool m_bKeyboardOpened = false;
    bool m_bHookWhileOpen = false;
};

struct RoadCase
{
    const char* pszName;
    std::wstring typed;
    std::vector<CallbackCall> expected;
};

const CallbackCall g_enter = VirtualKeyCall(VK_RETURN, 4);

class TypedTextRoad : public KeyboardActionTest, public testing::WithParamInterface<RoadCase> {};

// Bar tap, keyboard, OK, delivery through the callback.
TEST_P(TypedTextRoad, ReachesTheApplication)
{
    if (!IsSupported())
        GTEST_SKIP() << "no skin is made for this screen";
    SelectSkin(L"Silver.xml");
    const std::vector<SeenDialog> messages = TapKeyboard(GetParam().typed);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(m_bKeyboardOpened);
    EXPECT_TRUE(m_bHookWhileOpen);
    EXPECT_EQ(GetParam().expected, m_callback.Calls());
    EXPECT_FALSE(g_bSkinLoadFailed);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedTextRoad,
                         testing::Values(RoadCase{"OneLine", L"abc", {StringCall(L"abc")}},
                                         RoadCase{"TwoLines", L"a\r\nb", {StringCall(L"a"), g_enter, StringCall(L"b")}},
                                         RoadCase{"Nothing", L"", {}}),
                         [](const testing::TestParamInfo<RoadCase>& info) { return info.param.pszName; });

TEST_F(KeyboardActionTest, ABrokenSkinShowsTheMessageAndTheKeyboardStaysShut)
{
    for (const wchar_t* pszSkin : {kBrokenSkin, L"NotInstalled.xml"})
    {
        SCOPED_TRACE(testing::PrintToString(std::wstring(pszSkin)));
        g_bSkinLoadFailed = FALSE;
        SelectSkin(pszSkin);
        ExpectLoadFailedMessages(TapKeyboard(L"lost"), 1);
        EXPECT_FALSE(m_bKeyboardOpened);
        EXPECT_TRUE(g_bSkinLoadFailed);
        EXPECT_TRUE(m_callback.Calls().empty());
    }
}

TEST_F(KeyboardActionTest, AFailedLoadIsRetriedEvenWhenNothingChanged)
{
    if (!IsSupported())
        GTEST_SKIP() << "no skin is made for this screen";
    ASSERT_NO_FATAL_FAILURE(FailAfterAGoodLoad());

    // Nothing changed since: the failure is reported on the tap and again
    // after the repeated attempt, and the keyboard still does not open.
    ExpectLoadFailedMessages(TapKeyboard(L"x"), 2);
    EXPECT_FALSE(m_bKeyboardOpened);
    EXPECT_TRUE(m_callback.Calls().empty());

    // A working skin again: one stale message, then the keyboard opens, and
    // the next tap has nothing to report.
    SelectSkin(L"Silver.xml");
    const std::vector<SeenDialog> messages = TapKeyboard(L"ok");
    ASSERT_EQ(1u, messages.size());
    EXPECT_TRUE(m_bKeyboardOpened);
    EXPECT_FALSE(g_bSkinLoadFailed);
    EXPECT_EQ(std::vector<CallbackCall>{StringCall(L"ok")}, m_callback.Calls());
    EXPECT_TRUE(TapKeyboard(L"").empty());
    EXPECT_TRUE(m_bKeyboardOpened);
}

// Cancelling the options dialog clears the failure flag without changing
// Options.dat: the skin is still missing, so the next tap must try again and
// keep the keyboard shut rather than open it with nothing to draw.
TEST_F(KeyboardActionTest, AFailedLoadIsRetriedAfterTheOptionsAreCancelled)
{
    if (!IsSupported())
        GTEST_SKIP() << "no skin is made for this screen";
    ASSERT_NO_FATAL_FAILURE(FailAfterAGoodLoad());

    OptionsChoice choice;
    choice.wCloseCommand = IDM_OPTIONS_CANCEL;
    OptionsShown shown;
    AttendOptionsDialog([&] { TapButton(SIP_ACTION_OPTIONS); }, choice, shown);
    ASSERT_TRUE(shown.bSeen);
    ASSERT_FALSE(g_bSkinLoadFailed);

    ExpectLoadFailedMessages(TapKeyboard(L"x"), 1);
    EXPECT_FALSE(m_bKeyboardOpened);
    EXPECT_TRUE(g_bSkinLoadFailed);
    EXPECT_TRUE(m_callback.Calls().empty());
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
    if (!IsSupported())
        GTEST_SKIP() << "no skin is made for this screen";
    SelectSkin(L"Silver.xml");
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

namespace
{

// The whole road through the registered module, as the SIP manager meets it:
// regsvr32, the class created by its ProgID, a tap on the bar that the module
// draws, the keyboard, OK, and the text at the callback.
TEST(RoadThroughTheRegisteredModule, TypedTextReachesTheCallback)
{
    if (GetResolutionClass() == ResolutionClass::Unsupported)
        GTEST_SKIP() << "no skin is made for this screen";
    const CSettingsRestorer settings;
    const Bytes saved = ReadWholeFile(OptionsPath());
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), OptionsFileBytes(0, L"Silver.xml")));
    ASSERT_EQ(0u, RunRegsvr32(KeyboardDllPath(), false));
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    CRecordingCallback callback;
    {
        CLSID clsid = {};
        ASSERT_EQ(S_OK, CLSIDFromProgID(L"Keyboard.Zarn", &clsid));
        CComPointer<IInputMethod> pInputMethod;
        ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                         pInputMethod.PutVoid()));
        CSipWindow sip;
        ASSERT_EQ(S_OK, pInputMethod->RegisterCallback(&callback));
        ASSERT_EQ(S_OK, pInputMethod->Select(sip.Get()));
        ASSERT_EQ(S_OK, pInputMethod->Showing());
        HWND hwndBar = FindWindowExW(sip.Get(), nullptr, L"IM", L"IM");
        ASSERT_NE(nullptr, hwndBar);

        // The keyboard button lies at the bar's left end; the bar is centred in a
        // window one pixel wider than the screen.
        RECT rc = {};
        GetClientRect(hwndBar, &rc);
        const int nBitmapWidth = GetResolutionClass() == ResolutionClass::Vga ? 480 : 240;
        const LPARAM lParam = MAKELPARAM(BarLeft(0, rc.right, nBitmapWidth) + 30, 27);
        const KeyboardTapSeen seen = AttendKeyboardTap(
            [&] {
                SendMessageW(hwndBar, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
                SendMessageW(hwndBar, WM_LBUTTONUP, 0, lParam);
            },
            L"Hello\r\nworld");
        for (const SeenDialog& message : seen.messages)
            ADD_FAILURE() << testing::PrintToString(message.text);
        EXPECT_TRUE(seen.bOpened);
        const std::vector<CallbackCall> expected = {StringCall(L"Hello"), g_enter, StringCall(L"world")};
        EXPECT_EQ(expected, callback.Calls());
        EXPECT_EQ(S_OK, pInputMethod->Deselect());
    }
    EXPECT_EQ(1, callback.References());
    CoFreeUnusedLibrariesEx(0, 0);
    CoUninitialize();
    if (saved.empty())
        RemovePath(OptionsPath());
    else
        WriteWholeFile(OptionsPath(), saved);
}

} // namespace

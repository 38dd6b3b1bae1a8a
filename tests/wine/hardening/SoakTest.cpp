// A long-running device in short, in one process, all through the bar of a selected input
// method with real stylus input: keyboard openings with typing; skin reloads that switch
// skin and hand (chosen in the options dialog) and orientation (the screen turns while the
// keyboard is open); taps on the bar's six editing buttons. Every typed text must reach the
// application whole, every tap must send exactly its button's keys, and what the process
// holds must end where it began (ProcessFigures.h).
#include "faults/FaultInjector.h"
#include "ProcessFigures.h"
#include "WineTestSupport.h"
#include "keyboard/KeyboardDriver.h"

#include "device/harness/FileBytes.h"
#include "device/harness/TextUtf.h"
#include "skin/KeyTable.h"
#include "platform/SipInterfaces.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "sip/BarLayout.h"
#include "sip/BarStylus.h"
#include "sip/KeyboardTapWatch.h"
#include "sip/OptionsDialogDriver.h"
#include "sip/SipActions.h"
#include "sip/SipHost.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <string>
#include <utility>

namespace {

// What makes the next opening reload the skin, in the order the cycles take them.
enum Change
{
    kSkin,  // the other skin, chosen in the options dialog
    kTurn,  // the screen turns while the keyboard is open, which ends it as OK does
    kHand,  // the other hand, chosen in the options dialog
};
const char* const g_apszChanges[] = {"skin", "turn", "hand"};

// The screen turned, as the platform tells the windows that stay open: the orientation
// the skin was loaded for is no longer the screen's, and the keyboard and the bar get
// the rotation message (a desktop sends the display change instead).
void TurnTheScreen(CKeyboardDriver& driver, HWND hwndBar, bool bDisplayChange)
{
    SetLoadedOrientation(GetScreenOrientation() == ORIENT_LANDSCAPE ? ORIENT_PORTRAIT : ORIENT_LANDSCAPE);
    DWORD_PTR dwResult = 0;
    SendMessageTimeoutW(hwndBar, WM_SETTINGCHANGE, SETTINGCHANGE_RESET, 0, SMTO_NORMAL, 5000, &dwResult);
    if (bDisplayChange)
        SendMessageW(driver.Dialog(), WM_DISPLAYCHANGE, 32,
                     MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    else
        SendMessageW(driver.Dialog(), WM_SETTINGCHANGE, SETTINGCHANGE_RESET, 0);
    CKeyboardDriver::WaitFor([&] { return !IsWindow(driver.Dialog()); });
}

class CSoak
{
public:
    CSoak() : m_stylus(m_host.Bar(), m_host.Panel()) {}

    bool Ready() const { return m_host.Ready(); }

    // One tap on an editing button (or, now and then, a press on the previous one that
    // slides onto it); it must send exactly that button's keys.
    void TapEditingButton()
    {
        const int nAction = SIP_ACTION_COPY + m_nTaps % 6;
        const bool bSlide = m_nTaps++ % 5 == 4;
        const int nFrom = nAction == SIP_ACTION_COPY ? SIP_ACTION_BACKSPACE : nAction - 1;
        m_host.Callback().Clear();
        EXPECT_TRUE(bSlide ? m_stylus.Press(nFrom) && m_stylus.SlideTo(nAction) && m_stylus.Lift()
                           : m_stylus.Tap(nAction));
        EXPECT_EQ(EditCommandCalls(nAction), m_host.Callback().Calls())
            << "tap " << m_nTaps << " on button " << nAction << (bSlide ? " (slid onto)" : "");
    }

    // One opening from the bar's keyboard button: "bre" typed on the keys, then OK, or the
    // screen turns; the text must reach the callback whole, and no message box come up.
    void OpenAndType(bool bTurn)
    {
        m_host.Callback().Clear();
        bool bTapped = false;
        std::string lostKeys;  // keys whose tap the keyboard did not show pressed and released in time
        std::wstring shownText;
        const KeyboardTapSeen seen =
            AttendKeyboardTap([&] { bTapped = m_stylus.Tap(SIP_ACTION_KEYBOARD); }, [&](CKeyboardDriver& driver) {
                m_dwLoadedWhenOpen = GetLoadedOrientation();
                for (int nKey : {1, 17, 4})  // b, r, e
                {
                    if (!driver.Tap(nKey))
                        lostKeys += std::to_string(nKey) + " ";
                }
                shownText = driver.Text();
                if (bTurn)
                    TurnTheScreen(driver, m_host.Bar(), ++m_nTurns % 2 == 0);
                else if (!driver.Tap(KEY_OK))
                    lostKeys += "OK";
            });
        ++m_nOpenings;
        if (bTurn)
            m_host.ScreenTurned();
        for (const SeenDialog& message : seen.messages)
            ADD_FAILURE() << "opening " << m_nOpenings << ": " << Narrow(message.text);
        EXPECT_TRUE(bTapped && seen.bOpened) << "opening " << m_nOpenings << ": tapped " << bTapped << " opened "
                                             << seen.bOpened;
        EXPECT_EQ(std::vector<CallbackCall>{StringCall(L"bre")}, m_host.Callback().Calls())
            << "opening " << m_nOpenings << (bTurn ? " (ended by a turn)" : "") << ": the keyboard showed \""
            << Narrow(shownText) << "\"; taps not taken in time: " << lostKeys;
    }

    // The options dialog, reached from the bar, switches skin or hand; OK stores it.
    void Choose(Change change)
    {
        if (change == kSkin)
            m_skin = m_skin == L"Silver" ? L"Midnight" : L"Silver";
        else
            m_dwHand = 1 - m_dwHand;
        OptionsChoice choice;
        choice.selectSkinName = m_skin;
        choice.nClickRadio = m_dwHand != 0 ? IDC_OPTIONS_LEFT : IDC_OPTIONS_RIGHT;
        OptionsShown shown;
        bool bTapped = false;
        AttendOptionsDialog([&] { bTapped = m_stylus.Tap(SIP_ACTION_OPTIONS); }, choice, shown);
        EXPECT_TRUE(bTapped && shown.bSeen && shown.bSelectedByName) << g_apszChanges[change] << " not chosen";
        EXPECT_EQ(OptionsFileBytes(m_dwHand, m_skin + L".xml"), ReadFileBytes(OptionsPath()));
    }

    // After the opening that followed a change: the skin loaded is the one chosen, for the
    // hand chosen and the screen as it is now, and key b sits where this skin and hand put it
    // every time.
    void ExpectReloaded(Change change)
    {
        SCOPED_TRACE(std::string("after a ") + g_apszChanges[change] + " change");
        const std::wstring path = g_skin.szSkinPath;
        const std::wstring suffix = L"\\skins\\" + m_skin;
        EXPECT_TRUE(path.size() >= suffix.size() && path.substr(path.size() - suffix.size()) == suffix) << Narrow(path);
        // (Read while the keyboard was open: a turn that ends it makes the orientation stale again.)
        EXPECT_EQ(static_cast<DWORD>(GetScreenOrientation()), m_dwLoadedWhenOpen);
        const RECT& rc = g_skin.keys[1].rcKey;
        EXPECT_TRUE(EqualRect(&m_keyPlaces.emplace(std::make_pair(m_skin, m_dwHand), rc).first->second, &rc));
    }

    std::string Summary() const
    {
        return std::to_string(m_nOpenings) + " keyboard openings (" + std::to_string(m_nTurns) +
               " ended by a turn of the screen), " + std::to_string(m_nTaps) + " bar taps" +
               (testing::Test::HasFailure() ? "" : "; every text arrived whole, every tap sent exactly its keys");
    }

private:
    CSipHost m_host;
    CBarStylus m_stylus;
    std::wstring m_skin = L"Silver";
    DWORD m_dwHand = 1;
    std::atomic<DWORD> m_dwLoadedWhenOpen{0};  // the orientation the skin was loaded for, read by the driver
    std::map<std::pair<std::wstring, DWORD>, RECT> m_keyPlaces;
    int m_nTaps = 0;
    int m_nOpenings = 0;
    int m_nTurns = 0;
};

// BREVANTO_SOAK=full runs the long form: 100 cycles of five openings with two taps after
// each (501 openings, 101 reloads, 1,000 taps); the suite runs 6 cycles of one opening
// with 12 taps after it.
TEST(Soak, OpeningsReloadsAndBarTapsGiveBackWhatTheyTake)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "runs on 240x320";
    ASSERT_TRUE(Faults::CountHandles(GetModuleHandleW(nullptr)));
    const CSettingsRestorer settings;
    const COptionsFileKeeper optionsFile;
    ASSERT_TRUE(WriteFileBytes(OptionsPath(), OptionsFileBytes(1, L"Silver.xml")));
    g_bSkinLoadFailed = FALSE;
    const int nCycles = IsFullSoak() ? 100 : 6;
    const int nOpeningsPerCycle = IsFullSoak() ? 5 : 1;
    const int nTapsPerOpening = IsFullSoak() ? 2 : 12;

    CSoak soak;
    ASSERT_TRUE(soak.Ready());
    // Once through everything, so that what the system keeps for the process (classes,
    // caches) is not counted against the soak.
    for (int i = 0; i < 6; ++i)
        soak.TapEditingButton();
    soak.OpenAndType(false);
    Change previous = kHand;
    soak.Choose(previous);
    ASSERT_FALSE(testing::Test::HasFailure()) << "the soak does not start";

    CFigureTrack figures;
    figures.Start();
    for (int nCycle = 0; nCycle < nCycles; ++nCycle)
    {
        const Change change = static_cast<Change>(nCycle % 3);
        for (int nOpening = 0; nOpening < nOpeningsPerCycle; ++nOpening)
        {
            // The first opening of a cycle loads the skin afresh after the last change;
            // the last one ends with the screen turning when that is the next change.
            soak.OpenAndType(change == kTurn && nOpening == nOpeningsPerCycle - 1);
            if (nOpening == 0)
                soak.ExpectReloaded(previous);
            figures.Sample();
            for (int nTap = 0; nTap < nTapsPerOpening; ++nTap)
            {
                soak.TapEditingButton();
                figures.Sample();
            }
        }
        if (change != kTurn)
            soak.Choose(change);
        previous = change;
    }
    soak.OpenAndType(false);
    soak.ExpectReloaded(previous);
    figures.End("soak", {soak.Summary(), std::to_string(nCycles + 1) + " skin reloads switching skin, hand or screen"});
}

}  // namespace

// A long-running device in short, in one process, all through the bar of a selected
// input method with real stylus input: keyboard openings with typing; skin reloads that
// switch skin and hand (chosen in the options dialog) and orientation (the screen turns
// while the keyboard is open); taps on the bar's six editing buttons. Every typed text
// must reach the application whole, every tap must send exactly its button's keys, and
// GDI objects and DCs, windows and menus, and private memory must end where they began,
// within a fixed allowance.
// BREVANTO_SOAK=full runs the long form: 100 cycles of five openings with two taps after
// each (501 openings, 101 reloads, 1,000 taps); the suite runs 6 cycles of one opening
// with 12 taps after it.
#include "GdiCounter.h"
#include "ProcessFigures.h"
#include "WineTestSupport.h"
#include "keyboard/KeyboardDriver.h"

#include "keyboard/KeyTable.h"
#include "platform/SipInterfaces.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "sip/BarLayout.h"
#include "sip/BarStylus.h"
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

constexpr wchar_t kTyped[] = L"bre";

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// How long the soak runs: cycles of keyboard openings, each opening followed by taps
// on the bar, each cycle ended by a change that the next opening reloads the skin for.
struct SoakForm
{
    int nCycles;
    int nOpeningsPerCycle;
    int nTapsPerOpening;
};

SoakForm Form()
{
    return IsFullSoak() ? SoakForm{100, 5, 2} : SoakForm{6, 1, 12};
}

// What makes the next opening reload the skin.
enum class Change
{
    Skin,  // the other skin, chosen in the options dialog
    Hand,  // the other hand, chosen in the options dialog
    Turn,  // the screen turns while the keyboard is open, which ends it as OK does
};

const char* NameOf(Change change)
{
    switch (change)
    {
    case Change::Skin:
        return "skin";
    case Change::Hand:
        return "hand";
    case Change::Turn:
        return "turn";
    }
    return "?";
}

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
        const bool bSlide = m_nTaps % 5 == 4;
        const int nFrom = nAction == SIP_ACTION_COPY ? SIP_ACTION_BACKSPACE : nAction - 1;
        m_host.Callback().Clear();
        const bool bTapped = bSlide ? m_stylus.Press(nFrom) && m_stylus.SlideTo(nAction) && m_stylus.Lift()
                                    : m_stylus.Tap(nAction);
        ++m_nTaps;
        if (bTapped && m_host.Callback().Calls() == EditCommandCalls(nAction))
        {
            ++m_nExactTaps;
            return;
        }
        ADD_FAILURE() << "tap " << m_nTaps << " on button " << nAction << (bSlide ? " (slid onto)" : "")
                      << (bTapped ? " sent " + testing::PrintToString(m_host.Callback().Calls())
                                  : std::string(" was not taken"));
    }

    // One opening from the bar's keyboard button: kTyped typed on the keys, then OK, or
    // the screen turns; the text must reach the callback whole.
    void OpenAndType(bool bTurn)
    {
        m_host.Callback().Clear();
        bool bTapped = false;
        std::vector<SeenDialog> seen;
        bool bOpened = false;
        std::string lostKeys;     // keys whose tap the keyboard did not show pressed and released in time
        std::wstring shownText;  // the keyboard's text before it closed
        {
            CDialogWatcher watcher([](const SeenDialog& dialog) {
                if (dialog.title == kMessageCaption)
                    DismissMessageBox(dialog);
            });
            bOpened = CKeyboardDriver::Attend([&] { bTapped = m_stylus.Tap(SIP_ACTION_KEYBOARD); },
                                              [&](CKeyboardDriver& driver) {
                                                  m_dwLoadedWhenOpen = GetLoadedOrientation();
                                                  for (int nKey : {1, 17, 4})  // b, r, e
                                                  {
                                                      if (!driver.Tap(nKey))
                                                          lostKeys += std::to_string(nKey) + " ";
                                                  }
                                                  shownText = driver.Text();
                                                  if (bTurn)
                                                      TurnTheScreen(driver, m_host.Bar(), m_nTurns % 2 == 1);
                                                  else if (!driver.Tap(KEY_OK))
                                                      lostKeys += "OK";
                                              });
            seen = watcher.Seen();
        }
        ++m_nOpenings;
        if (bTurn)
        {
            ++m_nTurns;
            m_host.ScreenTurned();
        }
        for (const SeenDialog& dialog : seen)
        {
            if (dialog.title == kMessageCaption)
                ADD_FAILURE() << "opening " << m_nOpenings << " brought up \"" << Narrow(dialog.text) << "\"";
        }
        const std::vector<CallbackCall> expected = {StringCall(kTyped)};
        if (bTapped && bOpened && m_host.Callback().Calls() == expected)
        {
            ++m_nWholeTexts;
            return;
        }
        ADD_FAILURE() << "opening " << m_nOpenings << (bTurn ? " (ended by a turn)" : "") << ": "
                      << (!bTapped ? "the keyboard button did not take the tap"
                          : !bOpened ? "the keyboard did not open"
                                     : "typed \"bre\", the keyboard showed \"" + Narrow(shownText) +
                                           "\", the application got " +
                                           testing::PrintToString(m_host.Callback().Calls()))
                      << (lostKeys.empty() ? "" : "; taps not taken in time: " + lostKeys);
    }

    // The options dialog, reached from the bar, switches skin or hand; OK stores it.
    void Choose(Change change)
    {
        if (change == Change::Skin)
            m_skin = m_skin == L"Silver" ? L"Midnight" : L"Silver";
        else
            m_dwHand = m_dwHand != 0 ? 0 : 1;
        OptionsChoice choice;
        choice.selectSkinName = m_skin;
        choice.nClickRadio = m_dwHand != 0 ? IDC_OPTIONS_LEFT : IDC_OPTIONS_RIGHT;
        OptionsShown shown;
        bool bTapped = false;
        AttendOptionsDialog([&] { bTapped = m_stylus.Tap(SIP_ACTION_OPTIONS); }, choice, shown);
        EXPECT_TRUE(bTapped && shown.bSeen && shown.bSelectedByName)
            << "the options dialog did not let " << NameOf(change) << " change";
        EXPECT_EQ(OptionsFileBytes(m_dwHand, m_skin + L".xml"), ReadFileBytes(OptionsPath()));
    }

    // After the opening that followed a change: the skin loaded is the one chosen, for
    // the hand chosen and the screen as it is now.
    void ExpectReloaded(Change change)
    {
        const std::wstring path = g_skin.szSkinPath;
        const std::wstring suffix = L"\\skins\\" + m_skin;
        EXPECT_TRUE(path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
            << "after a " << NameOf(change) << " change the skin loaded is " << Narrow(path);
        // (Read while the keyboard was open: a turn that ends it makes the orientation stale again.)
        EXPECT_EQ(static_cast<DWORD>(GetScreenOrientation()), m_dwLoadedWhenOpen)
            << "after a " << NameOf(change) << " change the skin is loaded for another orientation";
        // A key sits where this skin and hand put it every time.
        const auto key = std::make_pair(m_skin, m_dwHand);
        const RECT& rc = g_skin.keys[1].rcKey;
        const auto it = m_keyPlaces.find(key);
        if (it == m_keyPlaces.end())
            m_keyPlaces.emplace(key, rc);
        else
            EXPECT_TRUE(EqualRect(&it->second, &rc)) << "after a " << NameOf(change) << " change key b moved";
        ++m_nReloads;
    }

    // The landscape design turns one way for each hand on this portrait screen.
    void ExpectHandsTurnTheKeysApart()
    {
        for (const wchar_t* pszSkin : {L"Silver", L"Midnight"})
        {
            const auto left = m_keyPlaces.find({pszSkin, 1});
            const auto right = m_keyPlaces.find({pszSkin, 0});
            if (left != m_keyPlaces.end() && right != m_keyPlaces.end())
            {
                EXPECT_FALSE(EqualRect(&left->second, &right->second)) << Narrow(pszSkin) << ": both hands alike";
            }
        }
    }

    CFigureTrack& Figures() { return m_figures; }

    std::vector<std::string> Summary() const
    {
        return {std::to_string(m_nOpenings) + " keyboard openings, " + std::to_string(m_nWholeTexts) +
                    " typed texts arrived whole (" + std::to_string(m_nTurns) + " ended by a turn of the screen)",
                std::to_string(m_nReloads) + " skin reloads switching skin, hand or orientation; " +
                    std::to_string(m_nTaps) + " bar taps, " + std::to_string(m_nExactTaps) + " sent exactly their keys"};
    }

    int Openings() const { return m_nOpenings; }
    int WholeTexts() const { return m_nWholeTexts; }
    int Taps() const { return m_nTaps; }
    int ExactTaps() const { return m_nExactTaps; }

private:
    CSipHost m_host;
    CBarStylus m_stylus;
    CFigureTrack m_figures;
    std::wstring m_skin = L"Silver";
    DWORD m_dwHand = 1;
    std::atomic<DWORD> m_dwLoadedWhenOpen{0};  // the orientation the skin was loaded for, read by the driver
    std::map<std::pair<std::wstring, DWORD>, RECT> m_keyPlaces;
    int m_nTaps = 0;
    int m_nExactTaps = 0;
    int m_nOpenings = 0;
    int m_nWholeTexts = 0;
    int m_nTurns = 0;
    int m_nReloads = 0;
};

TEST(Soak, OpeningsReloadsAndBarTapsGiveBackWhatTheyTake)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "runs on 240x320";
    ASSERT_TRUE(CGdiCounter::Install());
    const CSettingsRestorer settings;
    const COptionsFileKeeper optionsFile;
    ASSERT_TRUE(WriteFileBytes(OptionsPath(), OptionsFileBytes(1, L"Silver.xml")));
    g_bSkinLoadFailed = FALSE;
    const SoakForm form = Form();

    CSoak soak;
    ASSERT_TRUE(soak.Ready());
    // Once through everything, so that what the system keeps for the process (classes,
    // caches) is not counted against the soak.
    for (int i = 0; i < 6; ++i)
        soak.TapEditingButton();
    soak.OpenAndType(false);
    Change previous = Change::Hand;
    soak.Choose(previous);
    ASSERT_FALSE(testing::Test::HasFailure()) << "the soak does not start";

    soak.Figures().Start();
    const Change aChanges[] = {Change::Skin, Change::Turn, Change::Hand};
    for (int nCycle = 0; nCycle < form.nCycles; ++nCycle)
    {
        const Change change = aChanges[nCycle % 3];
        for (int nOpening = 0; nOpening < form.nOpeningsPerCycle; ++nOpening)
        {
            // The first opening of a cycle loads the skin afresh after the last change;
            // the last one ends with the screen turning when that is the next change.
            soak.OpenAndType(change == Change::Turn && nOpening == form.nOpeningsPerCycle - 1);
            if (nOpening == 0)
                soak.ExpectReloaded(previous);
            soak.Figures().Sample();
            for (int nTap = 0; nTap < form.nTapsPerOpening; ++nTap)
            {
                soak.TapEditingButton();
                soak.Figures().Sample();
            }
        }
        if (change != Change::Turn)
            soak.Choose(change);
        previous = change;
    }
    soak.OpenAndType(false);
    soak.ExpectReloaded(previous);
    soak.ExpectHandsTurnTheKeysApart();
    soak.Figures().End();

    const FigureAllowance allowance;
    soak.Figures().Print("soak", soak.Summary(), allowance);
    EXPECT_EQ(soak.Openings(), soak.WholeTexts());
    EXPECT_EQ(soak.Taps(), soak.ExactTaps());
    for (const std::string& excess : soak.Figures().Excesses(allowance))
        ADD_FAILURE() << excess;
}

}  // namespace

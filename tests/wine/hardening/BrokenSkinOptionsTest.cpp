// The broken corpus as a user meets it: the options dialog lists every index file of
// the skins folder, a broken skin can be chosen like any other, and the keyboard then
// refuses it with the load-failure message instead of opening, taking no GDI or USER
// object with it. How the dialog shows and stores a choice is OptionsDialogTest's.
#include "BrokenSkinSuite.h"
#include "faults/FaultInjector.h"
#include "ProcessFigures.h"
#include "WineTestSupport.h"

#include "device/harness/FileBytes.h"
#include "device/harness/TextUtf.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "keyboard/KeyboardFonts.h"
#include "sip/BarLayout.h"
#include "sip/BarStylus.h"
#include "sip/KeyboardTapWatch.h"
#include "sip/OptionsDialogDriver.h"
#include "sip/SipActions.h"
#include "sip/SipHost.h"
#include "sip/SipPanel.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr wchar_t kTyped[] = L"ok";

// The skin list shows an index file by its name up to its last dot.
std::wstring ListedName(const std::wstring& indexFile)
{
    return indexFile.substr(0, indexFile.rfind(L'.'));
}

// The skins chosen one after another: every listed case in the long form; in the
// short form five spread over the corpus (index, layout, bitmap and name cases).
std::vector<const BrokenSkin*> Choices(const std::vector<BrokenSkin>& corpus)
{
    std::vector<const BrokenSkin*> listed;
    for (const BrokenSkin& skin : corpus)
    {
        if (!skin.bUnlisted)
            listed.push_back(&skin);
    }
    std::vector<const BrokenSkin*> choices;
    const size_t nChoices = IsFullSoak() ? listed.size() : 5;
    for (size_t i = 0; i < nChoices; ++i)
        choices.push_back(IsFullSoak() ? listed[i] : listed[(2 * i + 1) * listed.size() / (2 * nChoices)]);
    return choices;
}

TEST_F(BrokenSkins, TheOptionsListShowsEachIndexFileOnceAndABrokenChoiceFailsCleanly)
{
    if (!IsCorpusScreen())
        GTEST_SKIP() << "the corpus goes through the options dialog on 240x320";
    ASSERT_TRUE(Faults::CountHandles(GetModuleHandleW(nullptr)));
    const CSettingsRestorer settings;
    const COptionsFileKeeper optionsFile;
    ASSERT_TRUE(WriteFileBytes(OptionsPath(), OptionsFileBytes(1, L"Silver.xml")));
    g_bSkinLoadFailed = FALSE;

    // Every index file once: those installed before, and each corpus case that has one.
    std::vector<std::wstring> expectedList;
    for (const std::wstring& file : InstalledBefore())
        expectedList.push_back(ListedName(file));
    for (const BrokenSkin& skin : Corpus())
    {
        if (!skin.bUnlisted)
            expectedList.push_back(ListedName(skin.IndexFile()));
    }
    std::sort(expectedList.begin(), expectedList.end());

    const std::vector<const BrokenSkin*> choices = Choices(Corpus());
    const auto has = [&](LoadOutcome outcome) {
        return std::any_of(choices.begin(), choices.end(), [&](const BrokenSkin* p) { return p->outcome == outcome; });
    };
    ASSERT_TRUE(has(LoadOutcome::Fails) && has(LoadOutcome::Loads)) << "need one that fails, one that loads";

    CSipHost host;
    ASSERT_TRUE(host.Ready());
    CBarStylus stylus(host.Bar(), host.Panel());
    const HWND hwndMessageOwner = GetAncestor(host.Bar(), GA_ROOT);

    CFigureTrack figures;
    int nRefused = 0, nOpened = 0;
    for (size_t i = 0; i < choices.size(); ++i)
    {
        const BrokenSkin& skin = *choices[i];
        SCOPED_TRACE(skin.what + " (" + Narrow(skin.IndexFile()) + ")");
        const DWORD dwHand = static_cast<DWORD>(i % 2);

        OptionsChoice choice;
        choice.selectSkinName = ListedName(skin.IndexFile());
        choice.nClickRadio = dwHand != 0 ? IDC_OPTIONS_LEFT : IDC_OPTIONS_RIGHT;
        OptionsShown shown;
        bool bOptionsTapped = false;
        AttendOptionsDialog([&] { bOptionsTapped = stylus.Tap(SIP_ACTION_OPTIONS); }, choice, shown);
        ASSERT_TRUE(bOptionsTapped && shown.bSeen) << "the options dialog did not come up";
        std::vector<std::wstring> shownList = shown.skins;
        std::sort(shownList.begin(), shownList.end());
        EXPECT_EQ(expectedList, shownList);
        ASSERT_TRUE(shown.bSelectedByName);
        EXPECT_FALSE(g_bSkinLoadFailed) << "the options dialog forgets a failed load";

        host.Callback().Clear();
        bool bTapped = false;
        const KeyboardTapSeen tap = AttendKeyboardTap([&] { bTapped = stylus.Tap(SIP_ACTION_KEYBOARD); }, kTyped);
        ASSERT_TRUE(bTapped) << "the keyboard button did not take the tap";
        const bool bRefused = tap.messages.size() == 1 && tap.messages[0].text == kLoadSkinFailedMessage &&
                              tap.messages[0].hwndOwner == hwndMessageOwner && !tap.bOpened;
        const bool bClean = tap.messages.empty() && tap.bOpened &&
                            host.Callback().Calls() == std::vector<CallbackCall>{StringCall(kTyped)};
        const std::string said =
            std::to_string(tap.messages.size()) + " messages, keyboard opened " + std::to_string(tap.bOpened);
        switch (skin.outcome)
        {
        case LoadOutcome::Fails:
            EXPECT_TRUE(bRefused && g_bSkinLoadFailed && host.Callback().Calls().empty()) << said;
            break;
        case LoadOutcome::Loads:
            EXPECT_TRUE(bClean && !g_bSkinLoadFailed) << said;
            break;
        case LoadOutcome::ParserSays:
            EXPECT_TRUE(bRefused || bClean) << said;
            break;
        }
        EXPECT_FALSE(g_bInitializing) << "the bar still shows its notice";
        nRefused += bRefused ? 1 : 0;
        nOpened += bClean ? 1 : 0;

        // Measured with no skin held (a skin that loaded holds its bitmaps and the
        // keyboard its fonts until the next load, which the next choice brings anyway);
        // what the first round leaves to caches of the system is not counted.
        ReleaseKeyboardFonts();
        ReleaseSkin();
        if (i == 0)
            figures.Start();
        else
            figures.Sample();
    }
    figures.End("options", {std::to_string(expectedList.size()) + " skins listed, " + std::to_string(choices.size()) +
                            " broken ones chosen and stored: " + std::to_string(nRefused) +
                            " refused with the message, " + std::to_string(nOpened) + " opened the keyboard"});
    g_bSkinLoadFailed = FALSE;
    ResetSkinState();
}

}  // namespace

#include "BrokenSkinSuite.h"
#include "faults/FaultInjector.h"

#include "settings/Settings.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "support/RecordList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

// Loads each skin through LoadSkin, for one hand: each must end with its outcome, and
// releasing it must give back every GDI object and DC it took.
void LoadEach(const std::vector<const BrokenSkin*>& skins, DWORD dwHabit, HWND hwnd)
{
    SetHabit(dwHabit);
    // A first load of a good skin, so that what the loader keeps for the process (fonts,
    // caches of the system) is not counted against the first case.
    SetSkinFile(L"Silver.xml");
    ReleaseSkin();
    LoadSkin(GetModuleHandleW(nullptr), hwnd);
    ReleaseSkin();
    const long nBefore = static_cast<long>(Faults::HeldGdiObjects().size());

    DWORD dwSlowest = 0;
    std::string slowest;
    int nLoaded = 0;
    for (const BrokenSkin* pSkin : skins)
    {
        const BrokenSkin& skin = *pSkin;
        SetSkinFile(skin.IndexFile().c_str());
        const DWORD dwStart = GetTickCount();
        const int nResult = LoadSkin(GetModuleHandleW(nullptr), hwnd);
        const DWORD dwTook = GetTickCount() - dwStart;
        if (dwTook > dwSlowest)
        {
            dwSlowest = dwTook;
            slowest = skin.what;
        }
        if (skin.outcome == LoadOutcome::Fails)
        {
            EXPECT_EQ(0, nResult) << skin.what;
        }
        else if (skin.outcome == LoadOutcome::Loads)
        {
            EXPECT_EQ(1, nResult) << skin.what;
        }
        if (nResult == 1 && skin.outcome != LoadOutcome::ParserSays)
        {
            EXPECT_EQ(skin.bKeyImageLost, g_skin.keys[KEY_A].hPressedImage == nullptr) << skin.what;
        }
        nLoaded += nResult;
        ReleaseSkin();
        EXPECT_TRUE(g_skin.pResolutionList == nullptr && g_skin.hCharBackground == nullptr &&
                    g_skin.hSymbolBackground == nullptr && g_skin.hNumberBackground == nullptr &&
                    g_skin.keys[KEY_A].hPressedImage == nullptr) << skin.what << ": a released handle is still held";
        EXPECT_EQ(nBefore, static_cast<long>(Faults::HeldGdiObjects().size())) << skin.what << ": GDI objects or DCs left behind";
    }
    std::printf("[ corpus   ] %zu broken skins, hand %lu: %d loaded, slowest %lu ms (%s)\n", skins.size(),
                static_cast<unsigned long>(dwHabit), nLoaded, static_cast<unsigned long>(dwSlowest), slowest.c_str());
}

std::vector<const BrokenSkin*> Select(const std::vector<BrokenSkin>& corpus, bool bEveryScreenOnly)
{
    std::vector<const BrokenSkin*> skins;
    for (const BrokenSkin& skin : corpus)
    {
        if (!bEveryScreenOnly || skin.bEveryScreen)
            skins.push_back(&skin);
    }
    return skins;
}

// The whole corpus, both hands, on the corpus screen. The other screens load one case of
// each way a skin breaks: a screen of another size or shape picks another layout entry and
// turns the skin another way, or not at all.
TEST_F(BrokenSkins, EachLoadsToItsOutcomeAndGivesBackEveryObject)
{
    ASSERT_TRUE(Faults::CountHandles(GetModuleHandleW(nullptr)));
    ASSERT_GE(Corpus().size(), 150u);
    ASSERT_EQ(EveryScreenCaseCount(), Select(Corpus(), true).size()) << "a case marked for every screen is missing";
    const std::vector<const BrokenSkin*> skins = Select(Corpus(), !IsCorpusScreen());
    ResetSkinState();
    if (IsCorpusScreen())
        LoadEach(skins, 0, GetDesktopWindow());
    LoadEach(skins, 1, GetDesktopWindow());
    ResetSkinState();
}

// The options dialog lists what EnumerateSkins finds (OptionsDialogTest): every index file
// of the skins folder once, by its name up to the last dot; folders and files without .xml
// not. What a broken choice does after LoadSkin is the same for every case: that is
// KeyboardActionTest's and the broken-skin scenario's.
TEST_F(BrokenSkins, TheSkinListHoldsEachIndexFileOnce)
{
    const auto listed = [](const std::wstring& file) { return file.substr(0, file.rfind(L'.')); };
    std::vector<std::wstring> expected;
    for (const std::wstring& file : InstalledBefore())
        expected.push_back(listed(file));
    for (const BrokenSkin& skin : Corpus())
    {
        if (!skin.bUnlisted && (IsCorpusScreen() || skin.bEveryScreen))
            expected.push_back(listed(skin.IndexFile()));
    }
    CRecordList list;
    EnumerateSkins(&list, GetModuleHandleW(nullptr));
    std::vector<std::wstring> shown;
    for (int i = 0; i < list.Count(); ++i)
    {
        SkinListEntry entry = {};
        ASSERT_TRUE(list.Get(i, &entry, sizeof entry));
        shown.push_back(entry.szDisplayName);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(expected, shown);
}

}  // namespace

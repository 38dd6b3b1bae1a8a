#include "BrokenSkinSuite.h"
#include "faults/FaultInjector.h"

#include "settings/Settings.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

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

}  // namespace

#include "BrokenSkinCorpus.h"
#include "GdiCounter.h"
#include "WineTestSupport.h"

#include "settings/Settings.h"
#include "skin/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

namespace {

std::wstring CorpusName(size_t nIndex)
{
    wchar_t szName[16];
    std::swprintf(szName, 16, L"Broken%03u", static_cast<unsigned>(nIndex));
    return szName;
}

// Loads every skin of the corpus through LoadSkin, for one hand: each must end with its
// outcome, and releasing it must give back every GDI object and DC it took.
void LoadCorpus(const std::vector<BrokenSkin>& corpus, DWORD dwHabit, HWND hwnd)
{
    SetHabit(dwHabit);
    // A first load of a good skin, so that what the loader keeps for the process (fonts,
    // caches of the system) is not counted against the first case.
    SetSkinFile(L"Silver.xml");
    ReleaseSkin();
    LoadSkin(GetModuleHandleW(nullptr), hwnd);
    ReleaseSkin();
    const long nBefore = CGdiCounter::Live();

    DWORD dwSlowest = 0;
    std::string slowest;
    int nLoaded = 0;
    for (size_t i = 0; i < corpus.size(); ++i)
    {
        const BrokenSkin& skin = corpus[i];
        SetSkinFile((CorpusName(i) + L".xml").c_str());
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
            const KeyRecord& key = g_skin.keys[0];
            EXPECT_EQ(skin.bKeyImageLost, key.hPressedImage == nullptr) << skin.what;
            // A 30 x 40 key keeps its 30 x 40 image on its rectangle, turned or not.
            const int cx = key.rcKey.right - key.rcKey.left, cy = key.rcKey.bottom - key.rcKey.top;
            if (key.hPressedImage != nullptr && cx * cy == 30 * 40 && (cx == 30 || cx == 40))
            {
                EXPECT_EQ(cx, GetBitmapWidth(key.hPressedImage)) << skin.what;
                EXPECT_EQ(cy, GetBitmapHeight(key.hPressedImage)) << skin.what;
            }
        }
        nLoaded += nResult;
        ReleaseSkin();
        EXPECT_EQ(nBefore, CGdiCounter::Live()) << skin.what << ": GDI objects or DCs left behind";
    }
    std::printf("[ corpus   ] %zu broken skins, hand %lu: %d loaded, slowest %lu ms (%s)\n", corpus.size(),
                static_cast<unsigned long>(dwHabit), nLoaded, static_cast<unsigned long>(dwSlowest), slowest.c_str());
}

class CTestWindowForCorpus
{
public:
    CTestWindowForCorpus()
        : m_hwnd(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~CTestWindowForCorpus()
    {
        if (m_hwnd != nullptr)
            DestroyWindow(m_hwnd);
    }
    HWND Get() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

TEST(BrokenSkins, EachLoadsToItsOutcomeAndGivesBackEveryObject)
{
    // One portrait screen runs the corpus (its landscape design is turned there, so both
    // turns are exercised through the two hands); the other sizes add nothing.
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "runs on 240x320";
    ASSERT_TRUE(CGdiCounter::Install());
    const std::vector<BrokenSkin> corpus = MakeBrokenSkinCorpus();
    ASSERT_GE(corpus.size(), 200u);

    CSkinTestFiles files;
    for (size_t i = 0; i < corpus.size(); ++i)
        corpus[i].write(files, CorpusName(i));
    ResetSkinState();
    CTestWindowForCorpus window;
    ASSERT_NE(nullptr, window.Get());

    LoadCorpus(corpus, 0, window.Get());
    LoadCorpus(corpus, 1, window.Get());
    ResetSkinState();
}

TEST(BrokenSkins, TheSkinListShowsEachIndexFileOnce)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "runs on 240x320";
    const std::vector<BrokenSkin> corpus = MakeBrokenSkinCorpus();
    CSkinTestFiles files;
    for (size_t i = 0; i < corpus.size(); ++i)
        corpus[i].write(files, CorpusName(i));

    CRecordList list;
    EnumerateSkins(&list, GetModuleHandleW(nullptr));
    std::map<std::wstring, int> listed;
    for (int i = 0; i < list.Count(); ++i)
    {
        SkinListEntry entry{};
        ASSERT_TRUE(list.Get(i, &entry, sizeof entry));
        ++listed[entry.szFileName];
    }
    for (size_t i = 0; i < corpus.size(); ++i)
    {
        const std::wstring file = CorpusName(i) + L".xml";
        EXPECT_EQ(corpus[i].bUnlisted ? 0 : 1, listed[file]) << corpus[i].what;
    }
}

}  // namespace

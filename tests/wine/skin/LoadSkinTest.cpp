#include "TestSkin.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyTable.h"
#include "settings/Settings.h"
#include "skin/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

enum class Turn { None, Clockwise, CounterClockwise };

// What this screen should get: the layout class and the turn, worked out from the screen
// alone (a square screen counts as portrait; the test skin is drawn for landscape).
struct Expectation
{
    TestSkinDesign design;
    Turn turn;
};

Expectation ExpectedFor(DWORD dwHabit)
{
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    Expectation e{TestSkinDesignFor(std::min(w, h) >= 480 ? 480 : 240), Turn::None};
    if (w <= h)
        e.turn = dwHabit != 0 ? Turn::CounterClockwise : Turn::Clockwise;
    return e;
}

RECT ExpectedRect(const Expectation& e, int l, int t, int w, int h)
{
    const int bw = e.design.nWidth, bh = e.design.nHeight;
    switch (e.turn)
    {
    case Turn::Clockwise: return RECT{bh - t - h, l, bh - t, l + w};
    case Turn::CounterClockwise: return RECT{t, bw - l - w, t + h, bw - l};
    case Turn::None: break;
    }
    return RECT{l, t, l + w, t + h};
}

// Where the top-left marker of an image of nWidth x nHeight (as stored) must be.
size_t MarkerIndex(Turn turn, int nWidth, int nHeight)
{
    switch (turn)
    {
    case Turn::Clockwise: return static_cast<size_t>(nWidth - 1);                 // top-right
    case Turn::CounterClockwise: return static_cast<size_t>(nHeight - 1) * nWidth; // bottom-left
    case Turn::None: break;
    }
    return 0;
}

std::string RectText(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

class LoadSkinOnThisScreen : public testing::TestWithParam<DWORD>
{
protected:
    void SetUp() override
    {
        ResetSkinState();
        WriteTestSkin(m_files, L"ZzSkin");
        g_dwHabit = GetParam();
        SetSkinFile(L"ZzSkin.xml");
        g_nCurrentView = VIEW_NUMBER;
    }
    void TearDown() override { ResetSkinState(); }

    CSkinTestFiles m_files;
    CTestWindow m_window;
};

TEST_P(LoadSkinOnThisScreen, EveryKeyGetsItsTurnedRectangleAndImage)
{
    const Expectation e = ExpectedFor(GetParam());
    ASSERT_EQ(1, LoadSkin(GetModuleHandleW(nullptr), m_window.Get()));

    EXPECT_EQ(e.design.nWidth, g_skin.nBackgroundWidth);
    EXPECT_EQ(e.design.nHeight, g_skin.nBackgroundHeight);
    EXPECT_EQ(4, g_skin.nOrientation);
    EXPECT_EQ(VIEW_CHAR, g_nCurrentView) << "DefaultBackground sets the character view";
    EXPECT_EQ(m_files.SkinsFolder() + L"\\ZzSkin", std::wstring(g_skin.szSkinPath));
    const bool bTurned = e.turn != Turn::None;
    const int nAreaW = bTurned ? e.design.nHeight : e.design.nWidth;
    const int nAreaH = bTurned ? e.design.nWidth : e.design.nHeight;

    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const KeyRecord& key = g_skin.keys[i];
        EXPECT_EQ(GetDefaultKeyView(i), key.nView) << "key " << i;
        int l, t, w, h;
        TestSkinKeyRect(e.design, i, &l, &t, &w, &h);
        const RECT expected = ExpectedRect(e, l, t, w, h);
        ASSERT_EQ(RectText(expected), RectText(key.rcKey)) << "key " << i;
        EXPECT_TRUE(key.rcKey.left >= 0 && key.rcKey.top >= 0 && key.rcKey.right <= nAreaW &&
                    key.rcKey.bottom <= nAreaH) << "key " << i << " outside the keyboard";

        int iw = 0, ih = 0;
        const std::vector<uint32_t> pixels = ReadPixels(key.hPressedImage, &iw, &ih);
        ASSERT_FALSE(pixels.empty()) << "key " << i << " has no image";
        EXPECT_EQ(key.rcKey.right - key.rcKey.left, iw) << "key " << i;
        EXPECT_EQ(key.rcKey.bottom - key.rcKey.top, ih) << "key " << i;
        EXPECT_EQ(kMarker, pixels[MarkerIndex(e.turn, iw, ih)]) << "key " << i << " turned the wrong way";
        EXPECT_EQ(static_cast<long>(pixels.size()) - 1,
                  std::count(pixels.begin(), pixels.end(), TestSkinKeyColour(i))) << "key " << i;
    }

    const HBITMAP backgrounds[3] = {g_skin.hCharBackground, g_skin.hSymbolBackground, g_skin.hNumberBackground};
    const uint32_t colours[3] = {0xC0C0C0, 0x80C0FF, 0xFFC080};
    for (int v = 0; v < 3; ++v)
    {
        int iw = 0, ih = 0;
        const std::vector<uint32_t> pixels = ReadPixels(backgrounds[v], &iw, &ih);
        ASSERT_EQ(static_cast<size_t>(nAreaW) * nAreaH, pixels.size()) << "background " << v;
        EXPECT_EQ(nAreaW, iw);
        EXPECT_EQ(kMarker, pixels[MarkerIndex(e.turn, iw, ih)]) << "background " << v;
        EXPECT_EQ(colours[v], pixels[pixels.size() / 2 + 3]) << "background " << v;
    }

    EXPECT_EQ(RectText(ExpectedRect(e, 0, 0, e.design.nWidth / 4, e.design.nHeight / 6)),
              RectText(g_skin.rcCharView));
    EXPECT_EQ(RectText(ExpectedRect(e, e.design.nWidth / 4, 0, e.design.nWidth * 3 / 4, e.design.nHeight / 6)),
              RectText(g_skin.rcEditView));
}

TEST_P(LoadSkinOnThisScreen, ReleaseSkinFreesEveryBitmapAndTheList)
{
    ASSERT_EQ(1, LoadSkin(GetModuleHandleW(nullptr), m_window.Get()));
    std::vector<HGDIOBJ> handles;
    for (const KeyRecord& key : g_skin.keys)
        handles.push_back(key.hPressedImage);
    handles.push_back(g_skin.hCharBackground);
    handles.push_back(g_skin.hSymbolBackground);
    handles.push_back(g_skin.hNumberBackground);
    for (HGDIOBJ h : handles)
        ASSERT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(h));
    ASSERT_NE(nullptr, g_skin.pResolutionList);
    const RECT rcBefore = g_skin.keys[5].rcKey;

    ReleaseSkin();

    for (size_t i = 0; i < handles.size(); ++i)
        EXPECT_EQ(0u, GetObjectType(handles[i])) << "bitmap " << i << " still alive";
    for (const KeyRecord& key : g_skin.keys)
        EXPECT_EQ(nullptr, key.hPressedImage);
    EXPECT_EQ(nullptr, g_skin.hCharBackground);
    EXPECT_EQ(nullptr, g_skin.hSymbolBackground);
    EXPECT_EQ(nullptr, g_skin.hNumberBackground);
    EXPECT_EQ(nullptr, g_skin.pResolutionList);
    // Rectangles, sizes and the orientation stay.
    EXPECT_EQ(RectText(rcBefore), RectText(g_skin.keys[5].rcKey));
    EXPECT_EQ(4, g_skin.nOrientation);
    ReleaseSkin();  // a second release finds nothing to free
}

INSTANTIATE_TEST_SUITE_P(Hands, LoadSkinOnThisScreen, testing::Values(DWORD{0}, DWORD{1}),
    [](const testing::TestParamInfo<DWORD>& info) { return info.param != 0 ? "LeftHanded" : "RightHanded"; });

// The layout of a screen class other than this screen's, turned as this screen turns it.
struct ShortSideCase
{
    const char* pszName;
    int nShortSide;
    int nResult;
    int nDesignClass;   // which layout must come: 240 or 480 (0: none)
};

class LoadSkinForShortSideOnThisScreen : public testing::TestWithParam<ShortSideCase>
{
protected:
    void SetUp() override
    {
        ResetSkinState();
        WriteTestSkin(m_files, L"ZzSkin");
        g_dwHabit = 0;
        SetSkinFile(L"ZzSkin.xml");
    }
    void TearDown() override { ResetSkinState(); }

    CSkinTestFiles m_files;
    CTestWindow m_window;
};

TEST_P(LoadSkinForShortSideOnThisScreen, TakesThatSidesLayoutTurnedForThisScreen)
{
    const ShortSideCase& c = GetParam();
    ASSERT_EQ(c.nResult, LoadSkinForShortSide(GetModuleHandleW(nullptr), m_window.Get(), c.nShortSide));
    if (c.nResult == 0)
    {
        EXPECT_EQ(nullptr, g_skin.hCharBackground);
        return;
    }
    const TestSkinDesign design = TestSkinDesignFor(c.nDesignClass);
    EXPECT_EQ(design.nWidth, g_skin.nBackgroundWidth);
    EXPECT_EQ(design.nHeight, g_skin.nBackgroundHeight);

    const Turn turn = ExpectedFor(0).turn;
    int iw = 0, ih = 0;
    const std::vector<uint32_t> pixels = ReadPixels(g_skin.hCharBackground, &iw, &ih);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(turn != Turn::None ? design.nHeight : design.nWidth, iw);
    EXPECT_EQ(turn != Turn::None ? design.nWidth : design.nHeight, ih);
    EXPECT_EQ(kMarker, pixels[MarkerIndex(turn, iw, ih)]) << "turned the wrong way";

    int l, t, w, h;
    TestSkinKeyRect(design, 40, &l, &t, &w, &h);
    const Expectation e{design, turn};
    EXPECT_EQ(RectText(ExpectedRect(e, l, t, w, h)), RectText(g_skin.keys[40].rcKey));
}

const ShortSideCase g_aShortSides[] = {
    {"Qvga", 240, 1, 240},
    {"Vga", 480, 1, 480},
    {"BetweenTakesTheSmallerLayout", 320, 1, 240},
    {"BelowEveryLayout", 200, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Sides, LoadSkinForShortSideOnThisScreen, testing::ValuesIn(g_aShortSides),
    [](const testing::TestParamInfo<ShortSideCase>& info) { return info.param.pszName; });

TEST(LoadSkin, EmptySkinFileLoadsSilverAndKeepsTheName)
{
    ResetSkinState();
    CSkinTestFiles files;
    CTestWindow window;
    SetSkinFile(L"");
    const bool bSilverInstalled =
        GetFileAttributesW((files.SkinsFolder() + L"\\Silver.xml").c_str()) != INVALID_FILE_ATTRIBUTES;
    EXPECT_EQ(bSilverInstalled ? 1 : 0, LoadSkin(GetModuleHandleW(nullptr), window.Get()));
    EXPECT_STREQ(L"Silver.xml", g_szSkinFile);
    if (bSilverInstalled)
    {
        EXPECT_EQ(files.SkinsFolder() + L"\\Silver", std::wstring(g_skin.szSkinPath));
    }
    ResetSkinState();
}

TEST(LoadSkin, StoresTheModuleHandle)
{
    ResetSkinState();
    HINSTANCE hSaved = g_hInstance;
    g_hInstance = nullptr;
    SetSkinFile(L"ZzNoSuchSkin.xml");
    EXPECT_EQ(0, LoadSkin(GetModuleHandleW(nullptr), nullptr));
    EXPECT_EQ(GetModuleHandleW(nullptr), g_hInstance);
    g_hInstance = hSaved;
    ResetSkinState();
}

}  // namespace

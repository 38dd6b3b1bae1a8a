// Both painted skins through the module's own loader on the screen of this run, for
// either hand: every key must come out on the keyboard with a pressed image of its
// rectangle's size, and pressing keys over the background must never show magenta.
#include "BitmapFile.h"
#include "WineTestSupport.h"
#include "platform/TransparentImage.h"
#include "settings/Settings.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

struct LoadCase
{
    const wchar_t* pszSkinFile;
    DWORD dwHabit;
};

class PaintedSkinLoad : public testing::TestWithParam<LoadCase>
{
protected:
    void SetUp() override
    {
        wcscpy_s(m_szSavedSkin, g_szSkinFile);
        m_dwSavedHabit = g_dwHabit;
        wcscpy_s(g_szSkinFile, GetParam().pszSkinFile);
        g_dwHabit = GetParam().dwHabit;
        ReleaseSkin();
    }
    void TearDown() override
    {
        ReleaseSkin();
        wcscpy_s(g_szSkinFile, m_szSavedSkin);
        g_dwHabit = m_dwSavedHabit;
    }

    // The keyboard's extent on this screen: the design, turned on portrait and square screens.
    SIZE KeyboardSize() const
    {
        const bool bLandscape = GetSystemMetrics(SM_CXSCREEN) > GetSystemMetrics(SM_CYSCREEN);
        return bLandscape ? SIZE{g_skin.nBackgroundWidth, g_skin.nBackgroundHeight}
                          : SIZE{g_skin.nBackgroundHeight, g_skin.nBackgroundWidth};
    }

    WCHAR m_szSavedSkin[MAX_PATH] = {};
    DWORD m_dwSavedHabit = 1;
};

TEST_P(PaintedSkinLoad, EveryKeyLiesOnTheKeyboardWithAnImageOfItsSize)
{
    ASSERT_EQ(1, LoadSkin(g_hInstance, GetDesktopWindow()));
    const int nClass = std::min(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)) >= 480 ? 2 : 1;
    EXPECT_EQ(320 * nClass, g_skin.nBackgroundWidth);
    EXPECT_EQ(240 * nClass, g_skin.nBackgroundHeight);
    const SIZE area = KeyboardSize();
    for (HBITMAP hBackground : {g_skin.hCharBackground, g_skin.hSymbolBackground, g_skin.hNumberBackground})
    {
        Pixels pixels;
        ASSERT_TRUE(ReadPixels(hBackground, pixels));
        EXPECT_EQ(area.cx, pixels.nWidth);
        EXPECT_EQ(area.cy, pixels.nHeight);
    }
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const KeyRecord& key = g_skin.keys[i];
        EXPECT_LT(key.rcKey.left, key.rcKey.right) << i;
        EXPECT_LT(key.rcKey.top, key.rcKey.bottom) << i;
        EXPECT_GE(key.rcKey.left, 0) << i;
        EXPECT_GE(key.rcKey.top, 0) << i;
        EXPECT_LE(key.rcKey.right, area.cx) << i;
        EXPECT_LE(key.rcKey.bottom, area.cy) << i;
        BITMAP bm{};
        ASSERT_NE(0, GetObjectW(key.hPressedImage, sizeof(bm), &bm)) << "key " << i << " has no pressed image";
        EXPECT_EQ(key.rcKey.right - key.rcKey.left, bm.bmWidth) << i;
        EXPECT_EQ(key.rcKey.bottom - key.rcKey.top, bm.bmHeight) << i;
    }
}

TEST_P(PaintedSkinLoad, PressedKeysOverTheBackgroundShowNoMagenta)
{
    ASSERT_EQ(1, LoadSkin(g_hInstance, GetDesktopWindow()));
    const SIZE area = KeyboardSize();
    const std::pair<int, HBITMAP> views[] = {{VIEW_CHAR, g_skin.hCharBackground},
                                             {VIEW_SYMBOL, g_skin.hSymbolBackground},
                                             {VIEW_NUMBER, g_skin.hNumberBackground}};
    for (const auto& [nView, hBackground] : views)
    {
        HDC hScreen = GetDC(nullptr);
        HDC hCanvas = CreateCompatibleDC(hScreen);
        HDC hSource = CreateCompatibleDC(hScreen);
        HBITMAP hComposed = CreateCompatibleBitmap(hScreen, area.cx, area.cy);
        ReleaseDC(nullptr, hScreen);
        HGDIOBJ hOldCanvas = SelectObject(hCanvas, hComposed);
        HGDIOBJ hOldSource = SelectObject(hSource, hBackground);
        BitBlt(hCanvas, 0, 0, area.cx, area.cy, hSource, 0, 0, SRCCOPY);
        SelectObject(hSource, hOldSource);
        // Every key of the view held down at once, drawn the way the keyboard draws
        // a pressed key: without the image's last column and row.
        for (int i = 0; i < KEY_COUNT; ++i)
        {
            const KeyRecord& key = g_skin.keys[i];
            if (key.nView != nView && key.nView != VIEW_ALL)
                continue;
            const int w = key.rcKey.right - key.rcKey.left, h = key.rcKey.bottom - key.rcKey.top;
            EXPECT_TRUE(TransparentImage(hCanvas, key.rcKey.left, key.rcKey.top, w - 1, h - 1, key.hPressedImage, 0,
                                         0, w - 1, h - 1, kMagenta))
                << i;
        }
        SelectObject(hCanvas, hOldCanvas);
        DeleteDC(hSource);
        DeleteDC(hCanvas);
        Pixels composed;
        ASSERT_TRUE(ReadPixels(hComposed, composed));
        DeleteObject(hComposed);
        EXPECT_EQ(0, std::count(composed.values.begin(), composed.values.end(), kMagenta)) << "view " << nView;
        Pixels background;
        ASSERT_TRUE(ReadPixels(hBackground, background));
        int nUnchangedKeys = 0;
        for (int i = 0; i < KEY_COUNT; ++i)
        {
            const KeyRecord& key = g_skin.keys[i];
            if (key.nView != nView && key.nView != VIEW_ALL)
                continue;
            const int cx = (key.rcKey.left + key.rcKey.right) / 2, cy = key.rcKey.top + 3;
            if (composed.At(cx, cy) == background.At(cx, cy))
                ++nUnchangedKeys;
        }
        EXPECT_EQ(0, nUnchangedKeys) << "view " << nView;
    }
}

INSTANTIATE_TEST_SUITE_P(Skins, PaintedSkinLoad,
                         testing::Values(LoadCase{L"Silver.xml", 1}, LoadCase{L"Silver.xml", 0},
                                         LoadCase{L"Midnight.xml", 1}, LoadCase{L"Midnight.xml", 0}),
                         [](const testing::TestParamInfo<LoadCase>& info) {
                             return std::string(info.param.pszSkinFile[0] == L'S' ? "Silver" : "Midnight") +
                                    (info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded");
                         });

}  // namespace

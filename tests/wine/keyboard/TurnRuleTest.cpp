#include "KeyboardDriver.h"
#include "KeyboardTestSupport.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardFonts.h"
#include "settings/Settings.h"
#include "sip/SipPanel.h"
#include "sip/TestStateGuards.h"
#include "skin/LayoutLoader.h"
#include "skin/SkinRecord.h"
#include "skin/SkinTestFiles.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

// A layout whose orientation is left out (0) or out of range (6) is shown as a portrait
// design: upright on a portrait screen, turned counter-clockwise on a landscape one. The
// keyboard control, the key rectangles, the turned bitmaps and the stylus must all take
// that one turn, or a tap lands beside the key drawn under it.

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kMarker = 0xFF0000;

struct DesignKey
{
    int nIndex;
    const char* pszEntry;
    wchar_t chTyped;
    int l, t, w, h;
};

// The design is as wide as the screen's short side and a third higher; keys near its
// corners and in its middle, so that any wrong turn moves them apart.
struct Design
{
    int nWidth;
    int nHeight;
    DesignKey keys[5];
};

Design MakeDesign()
{
    const int s = std::min(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const int bw = s, bh = s * 4 / 3, kw = s / 6, kh = s / 8;
    return Design{bw, bh,
                  {{KEY_A, "char_A", L'a', 2, bh / 4, kw, kh},
                   {15, "char_P", L'p', bw - kw - 2, bh / 4, kw, kh},
                   {KEY_Z, "char_Z", L'z', 2, bh - kh - 2, kw, kh},
                   {12, "char_M", L'm', bw - kw - 2, bh - kh - 2, kw, kh},
                   {6, "char_G", L'g', (bw - kw) / 2, bh / 2, kw, kh}}};
}

uint32_t KeyColour(int nIndex) { return 0x203000 + static_cast<uint32_t>(nIndex) * 0x000509; }

bool IsLandscapeScreen() { return GetSystemMetrics(SM_CXSCREEN) > GetSystemMetrics(SM_CYSCREEN); }

// Where a design rectangle must land: as drawn on a portrait screen, turned
// counter-clockwise ((x, y) to (y, BW - x)) on a landscape one.
RECT Expected(const Design& d, const DesignKey& k)
{
    if (IsLandscapeScreen())
        return RECT{k.t, d.nWidth - k.l - k.w, k.t + k.h, d.nWidth - k.l};
    return RECT{k.l, k.t, k.l + k.w, k.t + k.h};
}

std::string RectText(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

struct TurnRuleCase
{
    int nOrientation;
    DWORD dwHabit;
};

class TurnRule : public testing::TestWithParam<TurnRuleCase>
{
protected:
    void SetUp() override
    {
        if (GetSystemMetrics(SM_CXSCREEN) == GetSystemMetrics(SM_CYSCREEN))
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        ResetSkinState();
        m_pPanel = std::make_unique<SipPanel>(g_hInstance);
        EnsureTextFont();
        g_dwHabit = GetParam().dwHabit;
        g_nCurrentView = VIEW_CHAR;
        g_nPressedKey = KEY_NONE;
        g_bCapsLock = 0;
        g_bShift = 0;
        g_bStylusDown = 0;
        for (int i = 0; i < KEY_COUNT; ++i)
            g_skin.keys[i].nView = GetDefaultKeyView(i);
        WriteAndLoadLayout();
        CreatePreviewFonts(m_fontSource.Window());
    }
    void TearDown() override
    {
        ReleaseKeyboardFonts();
        ResetSkinState();
    }

    void WriteAndLoadLayout()
    {
        const std::wstring folder = m_files.MakeFolder(L"ZzTurnRule");
        wcscpy_s(g_skin.szSkinPath, folder.c_str());
        // The background shows each key in its colour where the design puts it.
        m_files.Write(L"ZzTurnRule\\bg.bmp", MakeBmpBytes(m_design.nWidth, m_design.nHeight, [this](int x, int y) {
            if (x == 0 && y == 0)
                return kMarker;
            for (const DesignKey& k : m_design.keys)
                if (x >= k.l && x < k.l + k.w && y >= k.t && y < k.t + k.h)
                    return KeyColour(k.nIndex);
            return kGrey;
        }));
        std::string children = LayoutHeader(GetParam().nOrientation, m_design.nWidth, m_design.nHeight) +
                               "<e DefaultPath=\"bg.bmp\">CharBackground</e>\n";
        for (const DesignKey& k : m_design.keys)
        {
            const std::string name = std::string(k.pszEntry) + ".bmp";
            const uint32_t colour = KeyColour(k.nIndex);
            m_files.Write(L"ZzTurnRule\\" + std::wstring(name.begin(), name.end()),
                          MakeBmpBytes(k.w, k.h, [colour](int x, int y) { return x == 0 && y == 0 ? kMarker : colour; }));
            children += KeyEntry(k.pszEntry, k.l, k.t, k.w, k.h, name);
        }
        const std::wstring path = m_files.Write(L"ZzTurnRule\\layout.xml", XmlDocumentText(children));
        ASSERT_EQ(1, LoadLayoutFile(path.c_str(), g_hInstance, GetDesktopWindow()));
    }

    Design m_design = MakeDesign();
    CSkinTestFiles m_files;
    CFontSource m_fontSource;
    std::unique_ptr<SipPanel> m_pPanel;
};

TEST_P(TurnRule, ControlRectanglesBitmapsAndTapsTakeOneTurn)
{
    const bool bTurned = IsLandscapeScreen();
    int nBackgroundWidth = 0, nBackgroundHeight = 0;
    const std::vector<uint32_t> background = ReadPixels(g_skin.hCharBackground, &nBackgroundWidth, &nBackgroundHeight);
    ASSERT_FALSE(background.empty());
    EXPECT_EQ(bTurned ? m_design.nHeight : m_design.nWidth, nBackgroundWidth);
    EXPECT_EQ(bTurned ? m_design.nWidth : m_design.nHeight, nBackgroundHeight);
    // The design's top-left corner: bottom-left once turned counter-clockwise.
    EXPECT_EQ(kMarker, background[bTurned ? (nBackgroundHeight - 1) * nBackgroundWidth : 0]);

    for (const DesignKey& k : m_design.keys)
    {
        SCOPED_TRACE(k.pszEntry);
        const RECT& rc = g_skin.keys[k.nIndex].rcKey;
        ASSERT_EQ(RectText(Expected(m_design, k)), RectText(rc));
        // The background drawn under the rectangle is this key's.
        const int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2;
        EXPECT_EQ(KeyColour(k.nIndex), background[cy * nBackgroundWidth + cx]);
        int w = 0, h = 0;
        const std::vector<uint32_t> image = ReadPixels(g_skin.keys[k.nIndex].hPressedImage, &w, &h);
        ASSERT_FALSE(image.empty());
        EXPECT_EQ(rc.right - rc.left, w);
        EXPECT_EQ(rc.bottom - rc.top, h);
        EXPECT_EQ(kMarker, image[bTurned ? (h - 1) * w : 0]);
    }

    RECT rcControl{}, rcWindow{};
    std::wstring tapped, expected;
    bool bAllTaps = true;
    const bool bOpened = CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        const HWND hKeyboard = GetDlgItem(driver.Dialog(), 203);
        GetClientRect(hKeyboard, &rcControl);
        GetWindowRect(hKeyboard, &rcWindow);
        for (const DesignKey& k : m_design.keys)
        {
            bAllTaps = driver.Tap(k.nIndex) && bAllTaps;
            expected += k.chTyped;
        }
        tapped = driver.Text();
    });
    ASSERT_TRUE(bOpened);
    // The control is the turned background, whole on the screen and centred along its long side.
    EXPECT_EQ(nBackgroundWidth, rcControl.right);
    EXPECT_EQ(nBackgroundHeight, rcControl.bottom);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(bTurned ? (sw - nBackgroundWidth) / 2 : 0, rcWindow.left);
    EXPECT_EQ(bTurned ? 0 : (sh - nBackgroundHeight) / 2, rcWindow.top);
    EXPECT_TRUE(rcWindow.right <= sw && rcWindow.bottom <= sh) << RectText(rcWindow);
    for (const DesignKey& k : m_design.keys)
    {
        const RECT& rc = g_skin.keys[k.nIndex].rcKey;
        EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= rcControl.right && rc.bottom <= rcControl.bottom)
            << k.pszEntry << " at " << RectText(rc) << " outside the control";
    }
    EXPECT_TRUE(bAllTaps) << "a tap at a key's centre pressed another key";
    EXPECT_EQ(expected, tapped);
}

INSTANTIATE_TEST_SUITE_P(OpenOrientations, TurnRule,
                         testing::Values(TurnRuleCase{0, 0}, TurnRuleCase{0, 1}, TurnRuleCase{6, 0},
                                         TurnRuleCase{6, 1}),
                         [](const testing::TestParamInfo<TurnRuleCase>& info) {
                             return "Orientation" + std::to_string(info.param.nOrientation) +
                                    (info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded");
                         });

}  // namespace

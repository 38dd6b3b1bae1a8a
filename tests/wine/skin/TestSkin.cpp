#include "TestSkin.h"

#include "BmpEncoder.h"
#include "SkinDocuments.h"
#include "device/harness/TextUtf.h"
#include "support/GdiHandles.h"

#include "keyboard/KeyModel.h"
#include "settings/Settings.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

PixelRect Transposed(const PixelRect& rc) { return {rc.nTop, rc.nLeft, rc.nBottom, rc.nRight}; }

std::vector<uint8_t> Background(int nWidth, int nHeight, Colour colour)
{
    CCanvas canvas(nWidth, nHeight, colour);
    canvas.Set(0, 0, kMarker);
    return EncodeBmp24(canvas);
}

std::vector<uint8_t> PressedImage(const PixelRect& rc, Colour colour)
{
    CCanvas canvas(rc.Width(), rc.Height(), colour);
    canvas.FillRect({0, 0, kMagentaBlock, kMagentaBlock}, COLOUR_KEY);
    return EncodeBmp24(canvas);
}

std::string ExpectedRect(SkinTurn turn, const KeyboardPlan& plan, const PixelRect& rc)
{
    const SkinRect s = MapDesignRect(turn, rc.nLeft, rc.nTop, rc.Width(), rc.Height(), plan.nWidth, plan.nHeight);
    return RectText(RECT{s.nLeft, s.nTop, s.nRight, s.nBottom});
}

// Where the top-left corner of a design picture is in the loaded one (nWidth x nHeight,
// top-down).
size_t CornerIndex(SkinTurn turn, int nWidth, int nHeight)
{
    switch (turn)
    {
    case SkinTurn::Clockwise: return static_cast<size_t>(nWidth - 1);                 // top-right
    case SkinTurn::CounterClockwise: return static_cast<size_t>(nHeight - 1) * nWidth; // bottom-left
    case SkinTurn::None: break;
    }
    return 0;
}

}  // namespace

Colour PressedColour(int nKey)
{
    return MakeColour(20 + (nKey * 2) % 200, 40 + (nKey * 7) % 60, 90);
}

Colour AsShown(Colour colour, SkinTurn turn)
{
    if (turn == SkinTurn::None)
        return colour;
    const CWindowDc screen(nullptr);
    const CUniqueBitmap pixel(CreateCompatibleBitmap(screen.Get(), 1, 1));
    {
        const CMemoryDc dc(CreateCompatibleDC(screen.Get()));
        const CSelectObject select(dc.Get(), pixel.Get());
        SetPixel(dc.Get(), 0, 0, RGB(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF));
    }
    const std::vector<uint32_t> pixels = ReadPixels(pixel.Get());
    return pixels.empty() ? colour : pixels[0];
}

int ScreenClass()
{
    return std::min(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)) >= 480 ? 480 : 240;
}

std::string HandName(const testing::TestParamInfo<DWORD>& info)
{
    return info.param != 0 ? "LeftHanded" : "RightHanded";
}

KeyboardPlan TestSkinPlan(int nClass, int nDesign, bool bWordView)
{
    KeyboardPlan plan = BuildKeyboardPlan(nClass / 240);
    if (!bWordView)
    {
        plan.rcEditView.nBottom = plan.rcWordView.nBottom;
        plan.rcWordView = PixelRect{};
    }
    if (nDesign != 4)   // any other value is a portrait design
    {
        std::swap(plan.nWidth, plan.nHeight);
        for (PixelRect& rc : plan.keys)
            rc = Transposed(rc);
        plan.rcEditView = Transposed(plan.rcEditView);
        plan.rcCharView = Transposed(plan.rcCharView);
        plan.rcWordView = bWordView ? Transposed(plan.rcWordView) : PixelRect{};
    }
    return plan;
}

CTestSkin::CTestSkin(const TestSkinOptions& options)
{
    const std::wstring folder = std::wstring(kIndexFile).substr(0, wcslen(kIndexFile) - 4) + L"\\";
    m_files.Write(kIndexFile, BuildIndexDocument("test skin", {{1, 320, 240, LayoutFileName(240)},
                                                               {2, 640, 480, LayoutFileName(480)}}));
    for (int nClass : {240, 480})
    {
        const KeyboardPlan plan = TestSkinPlan(nClass, options.nDesign, options.bWordView);
        m_files.Write(folder + Widen(LayoutFileName(nClass)),
                      BuildLayoutDocument("test skin", plan, nClass, options.nDesign));
        const std::pair<int, Colour> backgrounds[] = {
            {VIEW_CHAR, kCharBackground}, {VIEW_SYMBOL, kSymbolBackground}, {VIEW_NUMBER, kNumberBackground}};
        for (const auto& [nView, colour] : backgrounds)
        {
            if (nView != VIEW_NUMBER || options.bNumberBackground)
                m_files.Write(folder + Widen(BackgroundFileName(nClass, nView)),
                              Background(plan.nWidth, plan.nHeight, colour));
        }
        for (int i = 0; i < KEY_COUNT; ++i)
            m_files.Write(folder + Widen(KeyImageFileName(nClass, i)), PressedImage(plan.keys[i], PressedColour(i)));
    }
}

int CSkinSelection::Load(const wchar_t* pszSkinFile, DWORD dwHabit)
{
    ReleaseSkin();
    g_dwHabit = dwHabit;
    SetSkinFile(pszSkinFile);
    g_nCurrentView = VIEW_CHAR;
    g_nPressedKey = KEY_NONE;
    g_bCapsLock = 0;
    g_bShift = 0;
    g_bStylusDown = 0;
    return LoadSkin(GetModuleHandleW(nullptr), GetDesktopWindow());
}

void ExpectTestSkinLoaded(const KeyboardPlan& plan, SkinTurn turn)
{
    EXPECT_EQ(plan.nWidth, g_skin.nBackgroundWidth);
    EXPECT_EQ(plan.nHeight, g_skin.nBackgroundHeight);
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const KeyRecord& key = g_skin.keys[i];
        EXPECT_EQ(GetDefaultKeyView(i), key.nView) << "key " << i;
        ASSERT_EQ(ExpectedRect(turn, plan, plan.keys[i]), RectText(key.rcKey)) << "key " << i;
        int w = 0, h = 0;
        const std::vector<uint32_t> pixels = ReadPixels(key.hPressedImage, &w, &h);
        ASSERT_FALSE(pixels.empty()) << "key " << i << " has no image";
        EXPECT_EQ(key.rcKey.right - key.rcKey.left, w) << "key " << i;
        EXPECT_EQ(key.rcKey.bottom - key.rcKey.top, h) << "key " << i;
        EXPECT_EQ(COLOUR_KEY, pixels[CornerIndex(turn, w, h)]) << "key " << i << " turned the wrong way";
        EXPECT_EQ(static_cast<long>(pixels.size()) - kMagentaBlock * kMagentaBlock,
                  std::count(pixels.begin(), pixels.end(), AsShown(PressedColour(i), turn))) << "key " << i;
    }
    EXPECT_EQ(ExpectedRect(turn, plan, plan.rcCharView), RectText(g_skin.rcCharView));
    EXPECT_EQ(ExpectedRect(turn, plan, plan.rcEditView), RectText(g_skin.rcEditView));
    EXPECT_EQ(plan.rcWordView.Width() > 0 ? ExpectedRect(turn, plan, plan.rcWordView) : RectText(RECT{}),
              RectText(g_skin.rcWordView));
    const std::pair<HBITMAP, Colour> backgrounds[] = {{g_skin.hCharBackground, kCharBackground},
                                                      {g_skin.hSymbolBackground, kSymbolBackground},
                                                      {g_skin.hNumberBackground, kNumberBackground}};
    for (const auto& [hBackground, colour] : backgrounds)
    {
        int w = 0, h = 0;
        const std::vector<uint32_t> pixels = ReadPixels(hBackground, &w, &h);
        ASSERT_EQ(static_cast<size_t>(plan.nWidth) * plan.nHeight, pixels.size());
        EXPECT_EQ(turn == SkinTurn::None ? plan.nWidth : plan.nHeight, w);
        EXPECT_EQ(AsShown(kMarker, turn), pixels[CornerIndex(turn, w, h)]) << "background turned the wrong way";
        EXPECT_EQ(AsShown(colour, turn), pixels[pixels.size() / 2 + 3]);
    }
}

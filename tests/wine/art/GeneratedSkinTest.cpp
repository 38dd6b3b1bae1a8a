// The bitmaps of the skins the build paints, read back from the staged skins folder the
// way the module reads them (DIB sections), on the generator's own plan. Their documents
// are checked natively and by the skin checker over the shipped skins.
#include "KeyboardPlan.h"
#include "SkinDocuments.h"
#include "WineTestSupport.h"
#include "device/harness/TextUtf.h"
#include "skin/KeyTable.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinTestFiles.h"
#include "skin/TestSkin.h"
#include "support/HostProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

struct SkinCase
{
    const wchar_t* pszSkin;
    int nClass;  // the screen's shorter side the layout is for
    LetterArrangement arrangement = LetterArrangement::Qwerty;
};

class SkinFiles : public testing::TestWithParam<SkinCase>
{
protected:
    void SetUp() override
    {
        // The files are the same on every screen; they are checked once.
        if (!IsScreen(240, 320))
            GTEST_SKIP() << "checked on the 240x320 run";
    }

    Pixels Read(const std::string& file) const
    {
        Pixels pixels = ReadBitmapFile(TestProgramFolder() + L"\\skins\\" + GetParam().pszSkin + L"\\" + Widen(file));
        EXPECT_FALSE(pixels.values.empty()) << file;
        return pixels;
    }

    const int m_nClass = GetParam().nClass;
    const KeyboardPlan m_plan = BuildKeyboardPlan(m_nClass / 240, GetParam().arrangement);
};

TEST_P(SkinFiles, BackgroundsHaveTheDesignSizeAndShowEveryKeyOfTheirView)
{
    for (int nView : {VIEW_CHAR, VIEW_SYMBOL, VIEW_NUMBER})
    {
        const Pixels pixels = Read(BackgroundFileName(m_nClass, nView));
        ASSERT_EQ(m_plan.nWidth, pixels.nWidth);
        ASSERT_EQ(m_plan.nHeight, pixels.nHeight);
        EXPECT_EQ(0, std::count(pixels.values.begin(), pixels.values.end(), kMagenta)) << nView;
        for (int i : KeysOfView(nView))
        {
            // A label or picture: strong contrast on the key's face, inside its rim.
            const PixelRect& a = m_plan.keys[i];
            EXPECT_GE(Contrast(pixels, a.nLeft + a.Width() / 5, a.nTop + a.Height() / 8, a.nRight - a.Width() / 5,
                               a.nBottom - a.Height() / 8),
                      100)
                << "key " << i << " shows no label in view " << nView;
        }
    }
}

// Magenta (transparent) only in the rounded corners; pressed keys differ from the keys at rest.
TEST_P(SkinFiles, PressedImagesFillTheirRectangleButTheRoundedCornersAndLookPressed)
{
    const Pixels background = Read(BackgroundFileName(m_nClass, VIEW_CHAR));
    ASSERT_FALSE(background.values.empty());
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const PixelRect& a = m_plan.keys[i];
        const Pixels image = Read(KeyImageFileName(m_nClass, i));
        ASSERT_EQ(a.Width(), image.nWidth) << "key " << i;
        ASSERT_EQ(a.Height(), image.nHeight) << "key " << i;
        const int w = image.nWidth, h = image.nHeight;
        for (POINT corner : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}})
            EXPECT_EQ(kMagenta, image.At(corner.x, corner.y)) << "key " << i;
        for (POINT edge : {POINT{w / 2, 0}, POINT{0, h / 2}, POINT{w / 2, h - 1}, POINT{w - 1, h / 2}})
            EXPECT_NE(kMagenta, image.At(edge.x, edge.y)) << "key " << i;
        const int nCorner = std::min(w, h) / 4;
        int nStray = 0;
        long long nDifference = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                const std::uint32_t c = image.At(x, y), rest = background.At(a.nLeft + x, a.nTop + y);
                if (c == kMagenta)
                    nStray += (x < nCorner || x >= w - nCorner) && (y < nCorner || y >= h - nCorner) ? 0 : 1;
                else
                    nDifference += std::abs(Luminance(c) - Luminance(rest)) + (c != rest ? 20 : 0);
            }
        EXPECT_EQ(0, nStray) << "key " << i;
        const bool bOnCharView = GetDefaultKeyView(i) == VIEW_CHAR || GetDefaultKeyView(i) == VIEW_ALL;
        EXPECT_TRUE(!bOnCharView || nDifference / (w * h) > 15) << "key " << i << " looks the same pressed";
    }
}

INSTANTIATE_TEST_SUITE_P(Generated, SkinFiles,
                         testing::Values(SkinCase{L"Silver", 240}, SkinCase{L"Silver", 480},
                                         SkinCase{L"Midnight", 240}, SkinCase{L"Midnight", 480},
                                         SkinCase{L"German", 240, LetterArrangement::Qwertz},
                                         SkinCase{L"French", 480, LetterArrangement::Azerty}),
                         [](const testing::TestParamInfo<SkinCase>& info) {
                             return Narrow(info.param.pszSkin) + std::to_string(info.param.nClass);
                         });

// Choosing the other skin has to mean something: one is light, the other dark.
TEST(GeneratedSkins, SilverIsLightAndMidnightIsDark)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "checked on the 240x320 run";
    auto meanLuminance = [](const wchar_t* pszSkin) {
        const Pixels pixels =
            ReadBitmapFile(TestProgramFolder() + L"\\skins\\" + pszSkin + L"\\" + Widen(BackgroundFileName(240, VIEW_CHAR)));
        long long nSum = 0;
        for (std::uint32_t v : pixels.values)
            nSum += Luminance(v);
        return pixels.values.empty() ? 0 : static_cast<int>(nSum / static_cast<long long>(pixels.values.size()));
    };
    const int nSilver = meanLuminance(L"Silver");
    EXPECT_GT(nSilver, 170);
    EXPECT_GT(nSilver - meanLuminance(L"Midnight"), 70);
}

// The national skins as the loader reads them: each moved key on the place Silver gives
// the other key named; the key table, what each key types, is the same in all.
TEST(GeneratedSkins, NationalSkinsMoveTheirLettersOntoSilversPlaces)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "checked on the 240x320 run";
    std::map<std::wstring, std::vector<std::string>> rects;
    for (const wchar_t* pszSkin : {L"Silver.xml", L"German.xml", L"French.xml"})
    {
        CSkinSelection selection;
        ASSERT_EQ(1, selection.Load(pszSkin, 1)) << Narrow(pszSkin);
        for (const KeyRecord& key : g_skin.keys)
            rects[pszSkin].push_back(RectText(key.rcKey));
    }
    struct Move { const wchar_t* pszSkin; const wchar_t* pszKey; const wchar_t* pszSilverPlace; };
    for (const Move& m : {Move{L"German.xml", L"char_Z", L"char_Y"}, Move{L"German.xml", L"char_Y", L"char_Z"},
                          Move{L"French.xml", L"char_A", L"char_Q"}, Move{L"French.xml", L"char_Q", L"char_A"},
                          Move{L"French.xml", L"char_W", L"char_Z"}, Move{L"French.xml", L"char_Z", L"char_W"},
                          Move{L"French.xml", L"char_M", L"char_question"}, Move{L"German.xml", L"char_E", L"char_E"}})
        EXPECT_EQ(rects[L"Silver.xml"][FindKeyByEntry(m.pszSilverPlace)], rects[m.pszSkin][FindKeyByEntry(m.pszKey)])
            << Narrow(m.pszSkin) << " " << Narrow(m.pszKey);
}

// The painted skins as the keyboard loads them: German and French name their letters'
// language, Silver leaves Automatic to the device; a list the settings name wins.
TEST(GeneratedSkins, AutomaticTakesTheLoadedSkinsLanguage)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "checked on the 240x320 run";
    const WordLanguage device = LanguageOfWordList(WordList::Automatic, GetUserDefaultUILanguage());
    struct Case { const wchar_t* pszSkin; WordList list; WordLanguage expected; };
    const Case aCases[] = {
        {L"German.xml", WordList::Automatic, WordLanguage::German},
        {L"French.xml", WordList::Automatic, WordLanguage::French},
        {L"Silver.xml", WordList::Automatic, device},
        {L"Midnight.xml", WordList::Automatic, device},
        {L"German.xml", WordList::Italiano, WordLanguage::Italian},
        {L"Silver.xml", WordList::Francais, WordLanguage::French},
    };
    for (const Case& c : aCases)
    {
        CSkinSelection selection;
        ASSERT_EQ(1, selection.Load(c.pszSkin, 1));
        WordSettings settings;
        settings.list = c.list;
        EXPECT_EQ(WordLanguageTag(c.expected), std::string(WordLanguageTag(ChooseWordLanguage(settings))))
            << static_cast<int>(c.list);
    }
}

}  // namespace

// The skins the build paints: read back from the staged skins folder the way the
// module reads them (DOM for the XML, DIB sections for the bitmaps), and checked
// against what a finger-sized, well-formed skin must be.
#include "BitmapFile.h"
#include "WineTestSupport.h"
#include "XmlEntries.h"
#include "keyboard/KeyTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

struct Area
{
    int nLeft = 0, nTop = 0, nWidth = 0, nHeight = 0;
    int Right() const { return nLeft + nWidth; }
    int Bottom() const { return nTop + nHeight; }
    bool Overlaps(const Area& o) const
    {
        return nLeft < o.Right() && o.nLeft < Right() && nTop < o.Bottom() && o.nTop < Bottom();
    }
};

struct SkinCase
{
    const wchar_t* pszSkin;
    int nClass;  // the screen's shorter side the layout is for
};

std::wstring SkinsFolder() { return ProgramFolder() + L"\\skins"; }

int Number(const XmlEntry& entry, const wchar_t* pszName)
{
    auto it = entry.attributes.find(pszName);
    return it == entry.attributes.end() ? -1 : _wtoi(it->second.c_str());
}

Area AreaOf(const XmlEntry& entry)
{
    return {Number(entry, L"Left"), Number(entry, L"Top"), Number(entry, L"Width"), Number(entry, L"Height")};
}

// The layout file an index names for a class, or empty.
std::wstring LayoutFor(const wchar_t* pszSkin, int nClass)
{
    std::vector<XmlEntry> index;
    if (!ReadXmlEntries(SkinsFolder() + L"\\" + pszSkin + L".xml", index))
        return {};
    for (size_t i = 1; i < index.size(); ++i)
        if (index[i].bElement && Number(index[i], L"Height") == nClass)
            return index[i].attributes[L"LayoutFileName"];
    return {};
}

class SkinFiles : public testing::TestWithParam<SkinCase>
{
protected:
    void SetUp() override
    {
        // The files are the same on every screen; they are checked once.
        if (!IsScreen(240, 320))
            GTEST_SKIP() << "checked on the 240x320 run";
        m_folder = SkinsFolder() + L"\\" + GetParam().pszSkin;
        const std::wstring layout = LayoutFor(GetParam().pszSkin, GetParam().nClass);
        ASSERT_FALSE(layout.empty()) << "no entry for " << GetParam().nClass;
        ASSERT_TRUE(ReadXmlEntries(m_folder + L"\\" + layout, m_entries));
        m_nScale = GetParam().nClass / 240;
    }

    const XmlEntry* Find(const std::wstring& text) const
    {
        for (size_t i = 1; i < m_entries.size(); ++i)
            if (m_entries[i].bElement && m_entries[i].text == text)
                return &m_entries[i];
        return nullptr;
    }

    std::wstring m_folder;
    std::vector<XmlEntry> m_entries;
    int m_nScale = 1;
};

TEST_P(SkinFiles, IndexStartsWithACommentAndServesBothClasses)
{
    std::vector<XmlEntry> index;
    ASSERT_TRUE(ReadXmlEntries(SkinsFolder() + L"\\" + GetParam().pszSkin + L".xml", index));
    ASSERT_GE(index.size(), 3u);
    EXPECT_TRUE(index[0].bComment);
    std::set<int> heights;
    for (size_t i = 1; i < index.size(); ++i)
    {
        ASSERT_TRUE(index[i].bElement);
        heights.insert(Number(index[i], L"Height"));
        const std::wstring path = m_folder + L"\\" + index[i].attributes[L"LayoutFileName"];
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str())) << path;
    }
    EXPECT_EQ((std::set<int>{240, 480}), heights);
}

TEST_P(SkinFiles, OrientationAndDesignSizeComeBeforeEveryOtherEntry)
{
    ASSERT_GE(m_entries.size(), 3u);
    EXPECT_FALSE(m_entries[0].bElement) << "the first child is never read: it must not be an entry";
    EXPECT_EQ(L"Orientation", m_entries[1].text);
    EXPECT_EQ(4, Number(m_entries[1], L"OrientationValue"));
    EXPECT_EQ(L"DefaultBackground", m_entries[2].text);
    EXPECT_EQ(320 * m_nScale, Number(m_entries[2], L"BackgroundWidth"));
    EXPECT_EQ(240 * m_nScale, Number(m_entries[2], L"BackgroundHeight"));
}

TEST_P(SkinFiles, EveryKeyIsNamedOnceAndNothingUnknownIsNamed)
{
    std::set<std::wstring> known = {L"Orientation", L"DefaultBackground", L"CharBackground", L"SymbolBackground",
                                    L"NumberBackground", L"char_charview", L"char_editview"};
    for (int i = 0; i < KEY_COUNT; ++i)
        known.insert(FindKeyInfo(i)->pszEntry);
    std::map<std::wstring, int> seen;
    for (size_t i = 1; i < m_entries.size(); ++i)
    {
        ASSERT_TRUE(m_entries[i].bElement);
        EXPECT_EQ(1u, known.count(m_entries[i].text)) << "unknown entry " << m_entries[i].text;
        ++seen[m_entries[i].text];
    }
    EXPECT_EQ(known.size(), seen.size());
    for (const auto& [text, count] : seen)
        EXPECT_EQ(1, count) << text;
}

TEST_P(SkinFiles, KeysAreFingerSizedAndInsideTheDesign)
{
    // Seven millimetres: 26 pixels at the 96 DPI of the 240 class, 52 at the 192 DPI of the 480 class.
    const int nMinimum = 26 * m_nScale;
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const XmlEntry* pEntry = Find(FindKeyInfo(i)->pszEntry);
        ASSERT_NE(nullptr, pEntry) << i;
        const Area a = AreaOf(*pEntry);
        EXPECT_GE(a.nWidth, nMinimum) << FindKeyInfo(i)->pszEntry;
        EXPECT_GE(a.nHeight, nMinimum) << FindKeyInfo(i)->pszEntry;
        EXPECT_GE(a.nLeft, 0);
        EXPECT_GE(a.nTop, 0);
        EXPECT_LE(a.Right(), 320 * m_nScale) << FindKeyInfo(i)->pszEntry;
        EXPECT_LE(a.Bottom(), 240 * m_nScale) << FindKeyInfo(i)->pszEntry;
    }
}

TEST_P(SkinFiles, KeysOfOneViewAndTheTextAreasNeverOverlap)
{
    const XmlEntry* pEdit = Find(L"char_editview");
    const XmlEntry* pPreview = Find(L"char_charview");
    ASSERT_NE(nullptr, pEdit);
    ASSERT_NE(nullptr, pPreview);
    EXPECT_GE(AreaOf(*pEdit).nHeight, 3 * 16 * m_nScale) << "room for three lines of typed text";
    EXPECT_GE(AreaOf(*pPreview).nHeight, 30 * m_nScale);
    EXPECT_FALSE(AreaOf(*pEdit).Overlaps(AreaOf(*pPreview)));
    for (int nView : {VIEW_CHAR, VIEW_SYMBOL, VIEW_NUMBER})
    {
        std::vector<std::pair<std::wstring, Area>> shown = {{L"char_editview", AreaOf(*pEdit)},
                                                            {L"char_charview", AreaOf(*pPreview)}};
        for (int i = 0; i < KEY_COUNT; ++i)
            if (GetDefaultKeyView(i) == nView || GetDefaultKeyView(i) == VIEW_ALL)
                shown.push_back({FindKeyInfo(i)->pszEntry, AreaOf(*Find(FindKeyInfo(i)->pszEntry))});
        for (size_t a = 0; a < shown.size(); ++a)
            for (size_t b = a + 1; b < shown.size(); ++b)
                EXPECT_FALSE(shown[a].second.Overlaps(shown[b].second))
                    << shown[a].first << " and " << shown[b].first << " in view " << nView;
    }
}

TEST_P(SkinFiles, BackgroundsHaveTheDesignSizeAndShowEveryKeyOfTheirView)
{
    const std::pair<const wchar_t*, int> backgrounds[] = {
        {L"CharBackground", VIEW_CHAR}, {L"SymbolBackground", VIEW_SYMBOL}, {L"NumberBackground", VIEW_NUMBER}};
    for (const auto& [pszEntry, nView] : backgrounds)
    {
        const XmlEntry* pEntry = Find(pszEntry);
        ASSERT_NE(nullptr, pEntry) << pszEntry;
        Pixels pixels;
        ASSERT_TRUE(ReadBitmapFile(m_folder + L"\\" + pEntry->attributes.at(L"DefaultPath"), pixels)) << pszEntry;
        EXPECT_EQ(320 * m_nScale, pixels.nWidth);
        EXPECT_EQ(240 * m_nScale, pixels.nHeight);
        EXPECT_EQ(0, std::count(pixels.values.begin(), pixels.values.end(), kMagenta)) << pszEntry;
        for (int i = 0; i < KEY_COUNT; ++i)
        {
            if (GetDefaultKeyView(i) != nView && GetDefaultKeyView(i) != VIEW_ALL)
                continue;
            // A label or picture: strong contrast on the key's face, inside its rim.
            const Area a = AreaOf(*Find(FindKeyInfo(i)->pszEntry));
            int nLow = 255, nHigh = 0;
            for (int y = a.nTop + a.nHeight / 8; y < a.Bottom() - a.nHeight / 8; ++y)
                for (int x = a.nLeft + a.nWidth / 5; x < a.Right() - a.nWidth / 5; ++x)
                {
                    nLow = std::min(nLow, Luminance(pixels.At(x, y)));
                    nHigh = std::max(nHigh, Luminance(pixels.At(x, y)));
                }
            EXPECT_GE(nHigh - nLow, 100) << FindKeyInfo(i)->pszEntry << " shows no label on " << pszEntry;
        }
    }
}

TEST_P(SkinFiles, PressedImagesFillTheirRectangleExceptTheRoundedCorners)
{
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const KeyInfo* pInfo = FindKeyInfo(i);
        const XmlEntry* pEntry = Find(pInfo->pszEntry);
        ASSERT_NE(nullptr, pEntry);
        const Area a = AreaOf(*pEntry);
        Pixels image;
        ASSERT_TRUE(ReadBitmapFile(m_folder + L"\\" + pEntry->attributes.at(L"DefaultPath"), image))
            << pInfo->pszEntry;
        ASSERT_EQ(a.nWidth, image.nWidth) << pInfo->pszEntry;
        ASSERT_EQ(a.nHeight, image.nHeight) << pInfo->pszEntry;
        // The four corner pixels are transparent; magenta appears nowhere but in the
        // corner squares, and the middle of every edge belongs to the key.
        const int w = image.nWidth, h = image.nHeight;
        EXPECT_EQ(kMagenta, image.At(0, 0)) << pInfo->pszEntry;
        EXPECT_EQ(kMagenta, image.At(w - 1, 0)) << pInfo->pszEntry;
        EXPECT_EQ(kMagenta, image.At(0, h - 1)) << pInfo->pszEntry;
        EXPECT_EQ(kMagenta, image.At(w - 1, h - 1)) << pInfo->pszEntry;
        const int nCorner = std::min(w, h) / 4;
        int nStray = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                const bool bInCorner = (x < nCorner || x >= w - nCorner) && (y < nCorner || y >= h - nCorner);
                if (image.At(x, y) == kMagenta && !bInCorner)
                    ++nStray;
            }
        EXPECT_EQ(0, nStray) << pInfo->pszEntry;
        EXPECT_NE(kMagenta, image.At(w / 2, 0));
        EXPECT_NE(kMagenta, image.At(0, h / 2));
        EXPECT_NE(kMagenta, image.At(w / 2, h - 1));
        EXPECT_NE(kMagenta, image.At(w - 1, h / 2));
    }
}

TEST_P(SkinFiles, PressedKeysLookDifferentFromTheKeysAtRest)
{
    Pixels background;
    ASSERT_TRUE(ReadBitmapFile(m_folder + L"\\" + Find(L"CharBackground")->attributes.at(L"DefaultPath"), background));
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        if (GetDefaultKeyView(i) != VIEW_CHAR && GetDefaultKeyView(i) != VIEW_ALL)
            continue;
        const XmlEntry* pEntry = Find(FindKeyInfo(i)->pszEntry);
        const Area a = AreaOf(*pEntry);
        Pixels image;
        ASSERT_TRUE(ReadBitmapFile(m_folder + L"\\" + pEntry->attributes.at(L"DefaultPath"), image));
        long long nDifference = 0;
        for (int y = 0; y < a.nHeight; ++y)
            for (int x = 0; x < a.nWidth; ++x)
                if (image.At(x, y) != kMagenta)
                    nDifference += std::abs(Luminance(image.At(x, y)) - Luminance(background.At(a.nLeft + x, a.nTop + y))) +
                                   (image.At(x, y) != background.At(a.nLeft + x, a.nTop + y) ? 20 : 0);
        EXPECT_GT(nDifference / (a.nWidth * a.nHeight), 15) << FindKeyInfo(i)->pszEntry;
    }
}

INSTANTIATE_TEST_SUITE_P(Generated, SkinFiles,
                         testing::Values(SkinCase{L"Silver", 240}, SkinCase{L"Silver", 480},
                                         SkinCase{L"Midnight", 240}, SkinCase{L"Midnight", 480}),
                         [](const testing::TestParamInfo<SkinCase>& info) {
                             return (info.param.pszSkin[0] == L'S' ? std::string("Silver") : std::string("Midnight")) +
                                    std::to_string(info.param.nClass);
                         });

// Choosing the other skin has to mean something: one is light, the other dark.
TEST(GeneratedSkins, SilverIsLightAndMidnightIsDark)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "checked on the 240x320 run";
    auto meanLuminance = [](const wchar_t* pszSkin) {
        Pixels pixels;
        EXPECT_TRUE(ReadBitmapFile(SkinsFolder() + L"\\" + pszSkin + L"\\240_CharBackground.bmp", pixels));
        long long nSum = 0;
        for (std::uint32_t v : pixels.values)
            nSum += Luminance(v);
        return pixels.values.empty() ? 0 : static_cast<int>(nSum / static_cast<long long>(pixels.values.size()));
    };
    const int nSilver = meanLuminance(L"Silver");
    const int nMidnight = meanLuminance(L"Midnight");
    EXPECT_GT(nSilver, 170);
    EXPECT_GT(nSilver - nMidnight, 70);
}

}  // namespace

// Feeds index-file entries built from arbitrary bytes to the resolution-table entry reader
// and to the choice of a layout: nothing may be read or written outside the entry, the
// layout name must be whole or absent, numbers must read like atoi, a language must be
// one of the five tags exactly, and the chosen entry must be the one the matching rule
// names.
#include "FuzzInput.h"
#include "common/TestCodePage.h"
#include "skin/ResolutionEntryReader.h"
#include "skin/SkinNumbers.h"

#include <cwchar>

namespace {

const std::vector<std::wstring> g_names = {L"ResolutionID", L"Width", L"Height", L"LayoutFileName",
                                           L"height", L"LayoutFileName ", L"Language", L"language"};
constexpr std::ptrdiff_t kLanguageName = 6;

// The language a text names, as an index into the tags; -1 for none.
int ReferenceLanguage(const std::wstring& text)
{
    static const std::wstring tags[] = {L"en", L"de", L"fr", L"es", L"it"};
    const auto found = std::find(std::begin(tags), std::end(tags), text);
    return found == std::end(tags) ? -1 : static_cast<int>(found - std::begin(tags));
}

// Reads one entry of up to 8 attributes and checks it against the attributes given.
ResolutionEntry ReadEntry(CFuzzInput& input, const CTestCodePage& codePage, bool bOutOfMemory)
{
    ResolutionEntry entry{};
    ResolutionEntry expected{};
    int* const apnNumbers[] = {&expected.ResolutionID, &expected.Width, &expected.Height};
    std::wstring expectedName;
    int nExpectedLanguage = -1;
    bool bEnded = false;
    const std::size_t nCount = input.Byte() % 9;
    for (std::size_t i = 0; i < nCount && !input.AtEnd(); ++i)
    {
        const std::wstring name = input.Name(g_names);
        const std::wstring text = input.Text(input.Length());
        if (bEnded)
            continue;  // (read all the same, so that the next entry starts where the seeds say)
        const bool bKept = StoreResolutionAttribute(entry, name.c_str(), text.data(), text.size(), codePage);
        const auto known = std::find(g_names.begin(), g_names.begin() + kLanguageName + 1, name) - g_names.begin();
        // Only a number can end an entry, and only when its text cannot be converted.
        Check(bKept == !(known < 3 && bOutOfMemory && !text.empty()));
        Check(wmemchr(entry.LayoutFileName, L'\0', kLayoutFileNameUnits) != nullptr);
        bEnded = !bKept;
        if (known < 3)
            *apnNumbers[known] = ReferenceNumber(text);
        else if (known == 3)
            expectedName = text.size() < kLayoutFileNameUnits ? UpToZero(text) : std::wstring();
        else if (known == kLanguageName)
            nExpectedLanguage = ReferenceLanguage(text);
    }
    const int nLanguage = entry.Language.bNamed ? static_cast<int>(entry.Language.language) : -1;
    Check(bEnded || (entry.ResolutionID == expected.ResolutionID && entry.Width == expected.Width &&
                     entry.Height == expected.Height && expectedName == entry.LayoutFileName &&
                     nLanguage == nExpectedLanguage));
    return entry;
}

// The matching rule written out plainly: the first exact height, else the earliest of the
// largest positive heights below the short side.
int ExpectedMatch(const std::vector<int>& heights, int nShortSide)
{
    const auto exact = std::find(heights.begin(), heights.end(), nShortSide);
    if (exact != heights.end())
        return static_cast<int>(exact - heights.begin());
    int nBest = -1;
    for (std::size_t i = 0; i < heights.size(); ++i)
    {
        if (heights[i] > 0 && heights[i] < nShortSide && (nBest < 0 || heights[i] > heights[nBest]))
            nBest = static_cast<int>(i);
    }
    return nBest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    CFuzzInput input(pData, cbData);
    const bool bOutOfMemory = (input.Byte() & 0x01) != 0;
    const CTestCodePage codePage(bOutOfMemory);

    std::vector<int> heights;
    const std::size_t nEntries = 1 + input.Byte() % 8;
    for (std::size_t i = 0; i < nEntries; ++i)
        heights.push_back(ReadEntry(input, codePage, bOutOfMemory).Height);

    for (int nShortSide : {240, 480, 320, 0, -1, INT_MAX, INT_MIN})
        Check(MatchResolution(heights.data(), heights.size(), nShortSide) == ExpectedMatch(heights, nShortSide));
    return 0;
}

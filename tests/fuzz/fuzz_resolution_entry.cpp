// Feeds index-file entries built from arbitrary bytes to the resolution-table entry reader
// and to the choice of a layout: nothing may be read or written outside the entry, the
// layout name must be whole or absent, numbers must read like atoi, and the chosen entry
// must be the one the matching rule names.
#include "FuzzInput.h"
#include "common/TestCodePage.h"
#include "skin/ResolutionEntryReader.h"
#include "skin/SkinNumbers.h"

#include <cwchar>

namespace {

const std::vector<std::wstring> g_names = {L"ResolutionID", L"Width", L"Height", L"LayoutFileName",
                                           L"height", L"LayoutFileName "};

void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

// Reads one entry of up to 8 attributes and checks it against the attributes given.
ResolutionEntry ReadEntry(CFuzzInput& input, const CTestCodePage& codePage, bool bOutOfMemory)
{
    std::vector<FuzzAttribute> attributes;
    const std::size_t nCount = input.Byte() % 9;
    for (std::size_t i = 0; i < nCount && !input.AtEnd(); ++i)
    {
        FuzzAttribute attribute;
        attribute.name = input.Name(g_names);
        attribute.text = input.Text(input.Length());
        attributes.push_back(attribute);
    }

    ResolutionEntry entry{};
    int nExpectedId = 0, nExpectedWidth = 0, nExpectedHeight = 0;
    std::wstring expectedName;
    bool bEnded = false;
    for (const FuzzAttribute& a : attributes)
    {
        const bool bKept = StoreResolutionAttribute(entry, a.name.c_str(), a.text.data(), a.text.size(), codePage);
        const bool bNumber = a.name == L"ResolutionID" || a.name == L"Width" || a.name == L"Height";
        // Only a number can end an entry, and only when its text cannot be converted.
        Check(bKept == !(bNumber && bOutOfMemory && !a.text.empty()));
        if (!bKept)
        {
            bEnded = true;
            break;
        }
        if (a.name == L"ResolutionID")
            nExpectedId = ReferenceNumber(a.text);
        else if (a.name == L"Width")
            nExpectedWidth = ReferenceNumber(a.text);
        else if (a.name == L"Height")
            nExpectedHeight = ReferenceNumber(a.text);
        else if (a.name == L"LayoutFileName")
            expectedName = a.text.size() < kLayoutFileNameUnits ? UpToZero(a.text) : std::wstring();
    }
    Check(wmemchr(entry.LayoutFileName, L'\0', kLayoutFileNameUnits) != nullptr);
    if (!bEnded)
    {
        Check(entry.ResolutionID == nExpectedId);
        Check(entry.Width == nExpectedWidth);
        Check(entry.Height == nExpectedHeight);
        Check(expectedName == entry.LayoutFileName);
    }
    return entry;
}

// The matching rule written out plainly: the first exact height, else the earliest of the
// largest positive heights below the short side.
int ExpectedMatch(const std::vector<int>& heights, int nShortSide)
{
    for (std::size_t i = 0; i < heights.size(); ++i)
    {
        if (heights[i] == nShortSide)
            return static_cast<int>(i);
    }
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

    for (int nShortSide : {240, 480, 320, 0, -1, 2147483647, -2147483647 - 1})
        Check(MatchResolution(heights.data(), heights.size(), nShortSide) == ExpectedMatch(heights, nShortSide));
    return 0;
}

// Feeds layout entries built from arbitrary bytes (an entry text and an attribute list
// each) to the layout entry reader, then maps their rectangles the way the loader does for
// every screen orientation and hand. Nothing may be read or written outside the entry, a
// bitmap name must be whole or absent, numbers must read like atoi, the mapping must never
// overflow, and a turned rectangle must cover exactly the pixels that the image turning
// moves there, so a key's image stays on its key.
#include "FuzzInput.h"
#include "common/TestCodePage.h"
#include "skin/KeyTable.h"
#include "skin/LayoutEntryReader.h"
#include "skin/SkinGeometry.h"
#include "support/ScreenRules.h"

#include <cwchar>

namespace {

// The numbers first, in the order of NumberFields (three the reader no longer keeps, so
// that the corpus still names the same attributes); then the bitmap name, two unknown
// names and a key's own alternates.
const std::vector<std::wstring> g_attributeNames = {
    L"DefaultBackgroundValue", L"BackgroundWidth", L"BackgroundHeight", L"ValidateWidth", L"ValidateHeight",
    L"OrientationValue", L"Left", L"Top", L"Width", L"Height", L"DefaultPath", L"left", L"Path", L"Alternates"};
constexpr std::ptrdiff_t kNumbers = 10, kDefaultPath = 10, kAlternates = 13;

// The alternates as the key should get them: of the text up to a zero, the first
// kMaxAlternates units that are not half of a surrogate pair.
std::wstring ExpectedAlternates(const std::wstring& text)
{
    std::wstring out;
    for (wchar_t ch : UpToZero(text))
        if (out.size() < static_cast<std::size_t>(kMaxAlternates) && (ch < 0xD800 || ch > 0xDFFF))
            out += ch;
    return out;
}

std::vector<int*> NumberFields(LayoutValues& v)
{
    return {nullptr, &v.nBackgroundWidth, &v.nBackgroundHeight, nullptr,
            nullptr, &v.nOrientationValue, &v.nLeft, &v.nTop, &v.nWidth, &v.nHeight};
}

std::vector<std::wstring> EntryNames()
{
    std::vector<std::wstring> names = {L"DefaultBackground", L"Orientation", L"CharBackground", L"SymbolBackground",
                                       L"NumberBackground", L"char_editview", L"char_charview", L"char_a",
                                       L"orientation"};
    for (int i = 0; i < KEY_COUNT; ++i)
        names.push_back(FindKeyInfo(i)->pszEntry);
    names.push_back(L"char_wordview");
    return names;
}

// Every mapped rectangle, checked against the plain sums in 64 bits and, for a single
// design pixel, against where the image turning puts that pixel. The design holds the
// orientation and background size of the entries read so far.
void CheckMapping(const LayoutValues& v, const LayoutValues& design)
{
    const int bw = design.nBackgroundWidth, bh = design.nBackgroundHeight;
    bool bFits = true;
    for (long long n : {v.nLeft, v.nTop, v.nWidth, v.nHeight, bw, bh})
        bFits = bFits && std::llabs(n) < (1 << 28);
    for (int nScreen : {ORIENT_LANDSCAPE, ORIENT_PORTRAIT, ORIENT_SQUARE})
    {
        for (bool bLeft : {false, true})
        {
            const SkinTurn turn = ChooseSkinTurn(nScreen, design.nOrientationValue, bLeft);
            const bool bTurned = turn != SkinTurn::None;
            const SkinRect r = MapDesignRect(turn, v.nLeft, v.nTop, v.nWidth, v.nHeight, bw, bh);
            // The size survives the turn, its sides exchanged when turned.
            const long long cx = static_cast<long long>(r.nRight) - r.nLeft;
            const long long cy = static_cast<long long>(r.nBottom) - r.nTop;
            Check(!bFits || (bTurned ? cx == v.nHeight && cy == v.nWidth : cx == v.nWidth && cy == v.nHeight));
            if (bw <= 0 || bh <= 0 || bw > 4096 || bh > 4096)
                continue;
            const int x = static_cast<int>(static_cast<unsigned>(v.nLeft) % static_cast<unsigned>(bw));
            const int y = static_cast<int>(static_cast<unsigned>(v.nTop) % static_cast<unsigned>(bh));
            const SkinRect p = MapDesignRect(turn, x, y, 1, 1, bw, bh);
            // Pixel arrays are bottom-up; the turned one is bh wide with bw rows.
            const std::size_t nIndex = TurnedPixelIndex(turn, x, bh - 1 - y, bw, bh);
            const std::size_t nTargetWidth = bTurned ? bh : bw;
            const int tx = static_cast<int>(nIndex % nTargetWidth);
            const int ty = (bTurned ? bw : bh) - 1 - static_cast<int>(nIndex / nTargetWidth);
            Check(p.nLeft == tx && p.nTop == ty && p.nRight == tx + 1 && p.nBottom == ty + 1);
        }
    }
}

// Reads one entry's attributes and checks them against what they say; false when the
// entry ended early (a text that could not be converted), as the reader then drops it.
bool ReadValues(CFuzzInput& input, const CTestCodePage& codePage, bool bOutOfMemory, LayoutValues& values)
{
    LayoutValues expected{};
    const std::vector<int*> expectedNumbers = NumberFields(expected);
    const std::size_t nAttributes = input.Byte() % 12;
    for (std::size_t i = 0; i < nAttributes && !input.AtEnd(); ++i)
    {
        const std::wstring name = input.Name(g_attributeNames);
        const std::wstring text = input.Text(input.Length());
        const bool bKept = StoreLayoutAttribute(values, name.c_str(), text.data(), text.size(), codePage);
        const auto known = std::find(g_attributeNames.begin(), g_attributeNames.begin() + kDefaultPath + 1, name) -
                           g_attributeNames.begin();
        const bool bConverted = known == kDefaultPath || (known < kNumbers && expectedNumbers[known] != nullptr);
        Check(bKept == !(bConverted && bOutOfMemory && !text.empty()));
        Check(wmemchr(values.szBitmapName, L'\0', kBitmapNameUnits) != nullptr);
        Check(wmemchr(values.szAlternates, L'\0', kMaxAlternates + 1) != nullptr);
        if (!bKept)
            return false;
        if (known < kNumbers && expectedNumbers[known] != nullptr)
            *expectedNumbers[known] = ReferenceNumber(text);
        else if (name == g_attributeNames[kAlternates])
            std::wcscpy(expected.szAlternates, ExpectedAlternates(text).c_str());
        else if (known == kDefaultPath)
        {
            expected.bBitmapNamed = true;
            // A zero unit ends the name before its length is judged (no document holds one).
            const std::wstring trip = UpToZero(text).size() < kBitmapNameUnits ? Latin1Trip(text) : std::wstring();
            std::wmemcpy(expected.szBitmapName, trip.c_str(), trip.size() + 1);
        }
    }
    const std::vector<int*> numbers = NumberFields(values);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        Check(numbers[i] == nullptr || *numbers[i] == *expectedNumbers[i]);
    Check(values.bBitmapNamed == expected.bBitmapNamed);
    Check(std::wcscmp(values.szBitmapName, expected.szBitmapName) == 0);
    Check(std::wcscmp(values.szAlternates, expected.szAlternates) == 0);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    static const std::vector<std::wstring> s_entryNames = EntryNames();
    CFuzzInput input(pData, cbData);
    const bool bOutOfMemory = (input.Byte() & 0x01) != 0;
    const CTestCodePage codePage(bOutOfMemory);
    LayoutValues design{};

    const std::size_t nEntries = 1 + input.Byte() % 16;
    for (std::size_t e = 0; e < nEntries && !input.AtEnd(); ++e)
    {
        const std::wstring entryText = UpToZero(input.Name(s_entryNames));
        LayoutValues values{};
        if (!ReadValues(input, codePage, bOutOfMemory, values))
            continue;
        const LayoutEntryTarget target = ClassifyLayoutEntry(entryText.c_str());
        const bool bKey = target.kind == LayoutEntryKind::Key;
        Check(bKey ? target.nKey >= 0 && target.nKey < KEY_COUNT && entryText == FindKeyInfo(target.nKey)->pszEntry
                   : target.nKey == KEY_NONE);
        if (target.kind == LayoutEntryKind::Orientation)
            design.nOrientationValue = values.nOrientationValue;
        else if (target.kind == LayoutEntryKind::DefaultBackground)
        {
            design.nBackgroundWidth = values.nBackgroundWidth;
            design.nBackgroundHeight = values.nBackgroundHeight;
        }
        else if (bKey || target.kind == LayoutEntryKind::EditView || target.kind == LayoutEntryKind::CharView ||
                 target.kind == LayoutEntryKind::WordView)
            CheckMapping(values, design);
    }
    return 0;
}

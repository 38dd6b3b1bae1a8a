// Feeds layout entries built from arbitrary bytes (an entry text and an attribute list
// each) to the layout entry reader, then maps their rectangles the way the loader does for
// every screen orientation and hand. Nothing may be read or written outside the entry, a
// bitmap name must be whole or absent, numbers must read like atoi, the mapping must never
// overflow, and a turned rectangle must cover exactly the pixels that the image turning
// moves there, so a key's image stays on its key.
#include "FuzzInput.h"
#include "common/TestCodePage.h"
#include "keyboard/KeyTable.h"
#include "skin/LayoutEntryReader.h"
#include "skin/SkinGeometry.h"
#include "support/ScreenRules.h"

#include <cwchar>

namespace {

void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

const std::vector<std::wstring> g_attributeNames = {
    L"DefaultBackgroundValue", L"BackgroundWidth", L"BackgroundHeight", L"ValidateWidth", L"ValidateHeight",
    L"OrientationValue", L"Left", L"Top", L"Width", L"Height", L"DefaultPath", L"left", L"Path"};

std::vector<std::wstring> EntryNames()
{
    std::vector<std::wstring> names = {L"DefaultBackground", L"Orientation", L"CharBackground", L"SymbolBackground",
                                       L"NumberBackground", L"char_editview", L"char_charview", L"char_a",
                                       L"orientation"};
    for (int i = 0; i < KEY_COUNT; ++i)
        names.push_back(FindKeyInfo(i)->pszEntry);
    return names;
}

// What the skin record holds between entries, as far as the mapping needs it.
struct DesignState
{
    int nOrientation = 0;
    int nBackgroundWidth = 0;
    int nBackgroundHeight = 0;
};

int* FieldOf(LayoutValues& v, const std::wstring& name)
{
    int* fields[] = {&v.nDefaultBackgroundValue, &v.nBackgroundWidth, &v.nBackgroundHeight, &v.nValidateWidth,
                     &v.nValidateHeight, &v.nOrientationValue, &v.nLeft, &v.nTop, &v.nWidth, &v.nHeight};
    for (std::size_t i = 0; i < 10; ++i)
    {
        if (name == g_attributeNames[i])
            return fields[i];
    }
    return nullptr;
}

// Every mapped rectangle, checked against the plain sums in 64 bits and, for a single
// design pixel, against where the image turning puts that pixel.
void CheckMapping(const LayoutValues& v, const DesignState& state)
{
    const int screens[] = {ORIENT_LANDSCAPE, ORIENT_PORTRAIT, ORIENT_SQUARE};
    for (int nScreen : screens)
    {
        for (bool bLeft : {false, true})
        {
            const SkinTurn turn = ChooseSkinTurn(nScreen, state.nOrientation, bLeft);
            const SkinRect r = MapDesignRect(turn, v.nLeft, v.nTop, v.nWidth, v.nHeight, state.nBackgroundWidth,
                                             state.nBackgroundHeight);
            const long long w = v.nWidth, h = v.nHeight;
            const bool bFits = std::llabs(v.nLeft) < (1 << 28) && std::llabs(v.nTop) < (1 << 28) &&
                               std::llabs(w) < (1 << 28) && std::llabs(h) < (1 << 28) &&
                               std::llabs(state.nBackgroundWidth) < (1 << 28) &&
                               std::llabs(state.nBackgroundHeight) < (1 << 28);
            if (bFits)
            {
                // The size survives the turn, its sides exchanged when turned.
                const long long cx = static_cast<long long>(r.nRight) - r.nLeft;
                const long long cy = static_cast<long long>(r.nBottom) - r.nTop;
                Check(turn == SkinTurn::None ? (cx == w && cy == h) : (cx == h && cy == w));
            }
            const int bw = state.nBackgroundWidth, bh = state.nBackgroundHeight;
            if (bw > 0 && bh > 0 && bw <= 4096 && bh <= 4096)
            {
                const int x = static_cast<int>(static_cast<unsigned>(v.nLeft) % static_cast<unsigned>(bw));
                const int y = static_cast<int>(static_cast<unsigned>(v.nTop) % static_cast<unsigned>(bh));
                const SkinRect p = MapDesignRect(turn, x, y, 1, 1, bw, bh);
                // Pixel arrays are bottom-up; the turned one is bh wide with bw rows.
                const bool bTurned = turn != SkinTurn::None;
                const std::size_t nIndex = TurnedPixelIndex(turn, x, bh - 1 - y, bw, bh);
                const int nTargetWidth = bTurned ? bh : bw;
                const int nTargetRows = bTurned ? bw : bh;
                const int tx = static_cast<int>(nIndex % static_cast<std::size_t>(nTargetWidth));
                const int ty = nTargetRows - 1 - static_cast<int>(nIndex / static_cast<std::size_t>(nTargetWidth));
                Check(p.nLeft == tx && p.nTop == ty && p.nRight == tx + 1 && p.nBottom == ty + 1);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    static const std::vector<std::wstring> s_entryNames = EntryNames();
    CFuzzInput input(pData, cbData);
    const bool bOutOfMemory = (input.Byte() & 0x01) != 0;
    const CTestCodePage codePage(bOutOfMemory);
    DesignState state;

    const std::size_t nEntries = 1 + input.Byte() % 16;
    for (std::size_t e = 0; e < nEntries && !input.AtEnd(); ++e)
    {
        const std::wstring entryText = input.Name(s_entryNames);
        LayoutValues values{};
        LayoutValues expected{};
        bool bEnded = false;
        const std::size_t nAttributes = input.Byte() % 12;
        for (std::size_t i = 0; i < nAttributes && !input.AtEnd(); ++i)
        {
            const std::wstring name = input.Name(g_attributeNames);
            const std::wstring text = input.Text(input.Length());
            const bool bKept = StoreLayoutAttribute(values, name.c_str(), text.data(), text.size(), codePage);
            int* pExpected = FieldOf(expected, name);
            const bool bConverts = pExpected != nullptr || name == L"DefaultPath";
            Check(bKept == !(bConverts && bOutOfMemory && !text.empty()));
            if (!bKept)
            {
                bEnded = true;
                break;
            }
            if (pExpected != nullptr)
                *pExpected = ReferenceNumber(text);
            else if (name == L"DefaultPath")
            {
                expected.bBitmapNamed = true;
                // A zero unit ends the name before its length is judged (no document holds one).
                const std::wstring trip =
                    UpToZero(text).size() < kBitmapNameUnits ? ReferenceTrip(text) : std::wstring();
                std::wmemcpy(expected.szBitmapName, trip.c_str(), trip.size() + 1);
            }
        }
        Check(wmemchr(values.szBitmapName, L'\0', kBitmapNameUnits) != nullptr);
        if (bEnded)
            continue;
        Check(values.nDefaultBackgroundValue == expected.nDefaultBackgroundValue);
        Check(values.nBackgroundWidth == expected.nBackgroundWidth);
        Check(values.nBackgroundHeight == expected.nBackgroundHeight);
        Check(values.nValidateWidth == expected.nValidateWidth);
        Check(values.nValidateHeight == expected.nValidateHeight);
        Check(values.nOrientationValue == expected.nOrientationValue);
        Check(values.nLeft == expected.nLeft && values.nTop == expected.nTop);
        Check(values.nWidth == expected.nWidth && values.nHeight == expected.nHeight);
        Check(values.bBitmapNamed == expected.bBitmapNamed);
        Check(std::wcscmp(values.szBitmapName, expected.szBitmapName) == 0);

        const LayoutEntryTarget target = ClassifyLayoutEntry(UpToZero(entryText).c_str());
        if (target.kind == LayoutEntryKind::Key)
        {
            Check(target.nKey >= 0 && target.nKey < KEY_COUNT);
            Check(UpToZero(entryText) == FindKeyInfo(target.nKey)->pszEntry);
        }
        else
            Check(target.nKey == KEY_NONE);

        switch (target.kind)
        {
        case LayoutEntryKind::Orientation:
            state.nOrientation = values.nOrientationValue;
            break;
        case LayoutEntryKind::DefaultBackground:
            state.nBackgroundWidth = values.nBackgroundWidth;
            state.nBackgroundHeight = values.nBackgroundHeight;
            break;
        case LayoutEntryKind::EditView:
        case LayoutEntryKind::CharView:
        case LayoutEntryKind::Key:
            CheckMapping(values, state);
            break;
        default:
            break;
        }
    }
    return 0;
}

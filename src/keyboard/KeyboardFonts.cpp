#include "keyboard/KeyboardFonts.h"

#include "keyboard/AlternatesStrip.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/RotatedTextGeometry.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"

#include <algorithm>
#include <climits>

CRotatedFont g_fontPreview0;
CRotatedFont g_fontPreview900;
CRotatedFont g_fontPreview2700;
CRotatedFont g_fontEdit0;
CRotatedFont g_fontEdit900;
CRotatedFont g_fontEdit2700;
CRotatedFont g_fontCell0;
CRotatedFont g_fontCell900;
CRotatedFont g_fontCell2700;

namespace {

constexpr int kCellLabelPercent = 60;
constexpr int kDefaultDpi = 96;

// lfHeight of a cell label: a share of the smallest cell's extent across the
// text. A cell is at least a letter key and the 7 mm minimum; 0 (the window
// font's own height) when no letter key is placed.
int CellFontHeight(int nEscapement)
{
    int nAcross = INT_MAX;
    for (int i = KEY_A; i <= KEY_Z; ++i)
    {
        KeyRecord key{};
        GetKeyRecord(i, &key);
        const int n = nEscapement == 0 ? key.rcKey.bottom - key.rcKey.top : key.rcKey.right - key.rcKey.left;
        if (n > 0)
            nAcross = std::min(nAcross, n);
    }
    if (nAcross == INT_MAX)
        return 0;
    nAcross = std::max(nAcross, MinimumCellPixels(g_nLogPixelsY != 0 ? g_nLogPixelsY : kDefaultDpi));
    return -(nAcross * kCellLabelPercent) / 100;
}

}  // namespace

void CreatePreviewFonts(HWND hwndSipBar)
{
    SetLoadedOrientation(GetScreenOrientation());
    RECT rcArea{};
    GetCharViewRect(&rcArea);
    const ViewRect area{rcArea.left, rcArea.top, rcArea.right, rcArea.bottom};
    struct { CRotatedFont* pFont; int nEscapement; } const fonts[] = {
        {&g_fontPreview0, 0}, {&g_fontPreview900, 900}, {&g_fontPreview2700, 2700}};
    for (const auto& entry : fonts)
    {
        if (!entry.pFont->IsCreated())
            entry.pFont->Create(hwndSipBar, PreviewFontHeight(area, entry.nEscapement), entry.nEscapement, TRUE,
                                FALSE, FALSE, FALSE);
    }
    struct { CRotatedFont* pFont; int nEscapement; } const cellFonts[] = {
        {&g_fontCell0, 0}, {&g_fontCell900, 900}, {&g_fontCell2700, 2700}};
    for (const auto& entry : cellFonts)
    {
        if (!entry.pFont->IsCreated())
            entry.pFont->Create(hwndSipBar, CellFontHeight(entry.nEscapement), entry.nEscapement, TRUE, FALSE, FALSE,
                                FALSE);
    }
}

void ReleaseKeyboardFonts()
{
    g_fontPreview0.Release();
    g_fontPreview900.Release();
    g_fontPreview2700.Release();
    g_fontEdit0.Release();
    g_fontEdit900.Release();
    g_fontEdit2700.Release();
    g_fontCell0.Release();
    g_fontCell900.Release();
    g_fontCell2700.Release();
}

CRotatedFont& PreviewFontFor(TextTurn turn)
{
    switch (turn)
    {
    case TextTurn::CounterClockwise: return g_fontPreview900;
    case TextTurn::Clockwise: return g_fontPreview2700;
    case TextTurn::Upright: break;
    }
    return g_fontPreview0;
}

CRotatedFont& EditFontFor(TextTurn turn)
{
    switch (turn)
    {
    case TextTurn::CounterClockwise: return g_fontEdit900;
    case TextTurn::Clockwise: return g_fontEdit2700;
    case TextTurn::Upright: break;
    }
    return g_fontEdit0;
}

CRotatedFont& CellFontFor(TextTurn turn)
{
    switch (turn)
    {
    case TextTurn::CounterClockwise: return g_fontCell900;
    case TextTurn::Clockwise: return g_fontCell2700;
    case TextTurn::Upright: break;
    }
    return g_fontCell0;
}

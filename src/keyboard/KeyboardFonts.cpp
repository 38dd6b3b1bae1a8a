#include "keyboard/KeyboardFonts.h"

#include "keyboard/KeyboardSkin.h"
#include "keyboard/RotatedTextGeometry.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"

CRotatedFont g_fontPreview0;
CRotatedFont g_fontPreview900;
CRotatedFont g_fontPreview2700;
CRotatedFont g_fontEdit0;
CRotatedFont g_fontEdit900;
CRotatedFont g_fontEdit2700;

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
}

void ReleaseKeyboardFonts()
{
    g_fontPreview0.Release();
    g_fontPreview900.Release();
    g_fontPreview2700.Release();
    g_fontEdit0.Release();
    g_fontEdit900.Release();
    g_fontEdit2700.Release();
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

#include "support/FontHelper.h"

#include <cstdlib>

WCHAR g_szFaceName[kFaceNameUnits] = {};

namespace {

CFontHelper* g_pFontHelper = nullptr;

// Runs from the exit list: at process exit for a program, at unload for a DLL.
void DestroyFontHelper()
{
    delete g_pFontHelper;
    g_pFontHelper = nullptr;
}

bool IsSlot(int nSlot)
{
    return nSlot >= 0 && nSlot < CFontHelper::kSlots;
}

}  // namespace

CFontHelper& CFontHelper::Instance()
{
    if (g_pFontHelper == nullptr)
    {
        g_pFontHelper = new CFontHelper();
        std::atexit(DestroyFontHelper);
    }
    return *g_pFontHelper;
}

CFontHelper::CFontHelper() : m_hFonts{}
{
    OutputDebugStringW(L"CFontHelper()\n");
}

CFontHelper::~CFontHelper()
{
    for (HFONT& hFont : m_hFonts)
    {
        if (hFont != nullptr)
        {
            DeleteObject(hFont);
            hFont = nullptr;
        }
    }
    OutputDebugStringW(L"~CFontHelper()\n");
}

HFONT CFontHelper::CreateFontInSlot(int nSlot, LONG nHeight, LONG nWeight, LPCWSTR pszFaceName,
                                    BYTE bItalic, BYTE bUnderline, BYTE bStrikeOut)
{
    if (!IsSlot(nSlot))
        return nullptr;
    LOGFONTW lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfStrikeOut = bStrikeOut;
    // At most LF_FACESIZE - 1 units and a terminator.
    if (pszFaceName != nullptr)
        for (int i = 0; i < LF_FACESIZE - 1 && pszFaceName[i] != L'\0'; ++i)
            lf.lfFaceName[i] = pszFaceName[i];
    m_hFonts[nSlot] = CreateFontIndirectW(&lf);
    return m_hFonts[nSlot];
}

HFONT CFontHelper::GetFont(int nSlot, LONG /*nHeight*/, LONG /*nWeight*/, LPCWSTR /*pszFaceName*/) const
{
    return IsSlot(nSlot) ? m_hFonts[nSlot] : nullptr;
}

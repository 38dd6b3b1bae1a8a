#include "support/FontHelper.h"

WCHAR g_szFaceName[kFaceNameUnits] = {};

namespace {

// In the module's own storage rather than on the heap: the first activation cannot
// fail for want of memory, and the destructor runs when the module unloads.
CFontHelper g_fontHelper;

bool IsSlot(int nSlot)
{
    return nSlot >= 0 && nSlot < CFontHelper::kSlots;
}

}  // namespace

CFontHelper& CFontHelper::Instance()
{
    return g_fontHelper;
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

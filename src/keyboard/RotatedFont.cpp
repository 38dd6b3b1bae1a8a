#include "keyboard/RotatedFont.h"

#include "keyboard/RotatedTextGeometry.h"
#include "support/GdiHandles.h"

namespace {

// Measuring leaves out DT_VCENTER: with it this platform's DrawTextW reports
// half the line height for a single line, which would put turned text off
// its point by half a line.
constexpr UINT kMeasureFlags = DT_CALCRECT | DT_SINGLELINE | DT_CENTER;
constexpr UINT kDrawFlags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

RECT ToRect(const ViewRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Sets a background mode for the life of the object.
class CBkMode
{
public:
    CBkMode(HDC hdc, int nMode) : m_hdc(hdc), m_nOld(SetBkMode(hdc, nMode)) {}
    ~CBkMode()
    {
        if (m_nOld != 0)
            SetBkMode(m_hdc, m_nOld);
    }
    CBkMode(const CBkMode&) = delete;
    CBkMode& operator=(const CBkMode&) = delete;

private:
    HDC m_hdc;
    int m_nOld;
};

}  // namespace

CRotatedFont::~CRotatedFont()
{
    Release();
}

bool CRotatedFont::Create(HWND hwnd, int nHeight, int nEscapement, BOOL bBold, BYTE bItalic, BYTE bUnderline,
                          BYTE bStrikeOut)
{
    if (hwnd == nullptr || !IsSupportedEscapement(nEscapement))
        return false;
    const HFONT hWindowFont = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    if (hWindowFont == nullptr)
        return false;
    LOGFONTW lf{};
    if (GetObjectW(hWindowFont, sizeof(lf), &lf) == 0)
        return false;
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nEscapement;
    if (nHeight != 0)
        lf.lfHeight = nHeight;
    lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfStrikeOut = bStrikeOut;
    const HFONT hFont = CreateFontIndirectW(&lf);
    if (hFont == nullptr)
        return false;
    m_hFont = hFont;
    m_nHeight = lf.lfHeight;
    m_nEscapement = nEscapement;
    return true;
}

void CRotatedFont::Release()
{
    if (m_hFont != nullptr)
        DeleteObject(m_hFont);
    m_hFont = nullptr;
    m_nHeight = 0;
    m_nEscapement = 0;
    m_nBkMode = TRANSPARENT;
}

SIZE CRotatedFont::Measure(HDC hdc, const WCHAR* pszText, int nLength) const
{
    RECT rc{0, 0, 0, 0};
    DrawTextW(hdc, pszText, nLength, &rc, kMeasureFlags);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void CRotatedFont::DrawAt(HDC hdc, int x, int y, const WCHAR* pszText, int nLength) const
{
    CSelectObject font(hdc, m_hFont);
    const SIZE size = Measure(hdc, pszText, nLength);
    RECT rc = ToRect(TextRectAt(m_nEscapement, x, y, size.cx, size.cy));
    CBkMode mode(hdc, m_nBkMode);
    DrawTextW(hdc, pszText, nLength, &rc, kDrawFlags);
}

void CRotatedFont::DrawInRect(HDC hdc, const RECT& rcArea, const WCHAR* pszText, int nLength) const
{
    CSelectObject font(hdc, m_hFont);
    RECT rc = rcArea;
    if (m_nEscapement == 900 || m_nEscapement == 2700)
    {
        const SIZE size = Measure(hdc, pszText, nLength);
        rc = ToRect(TextRectIn(m_nEscapement, {rcArea.left, rcArea.top, rcArea.right, rcArea.bottom}, size.cx,
                               size.cy));
    }
    CBkMode mode(hdc, m_nBkMode);
    DrawTextW(hdc, pszText, nLength, &rc, kDrawFlags);
}

#include "keyboard/EditView.h"

#include "keyboard/Ampersands.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

#include <cstring>
#include <memory>
#include <new>

int g_bCaretVisible = 0;

namespace {

// EM_GETLINE reads up to 260 characters; the two extra zeros terminate.
constexpr int kLineUnits = 262;
constexpr WORD kLineCapacity = 260;
constexpr int kEditFontHeight = 16;

void CreateEditFonts(HWND hEdit)
{
    struct { CRotatedFont* pFont; int nEscapement; } const fonts[] = {
        {&g_fontEdit0, 0}, {&g_fontEdit900, 900}, {&g_fontEdit2700, 2700}};
    for (const auto& entry : fonts)
    {
        if (!entry.pFont->IsCreated())
            entry.pFont->Create(hEdit, ScaleByDpi(kEditFontHeight), entry.nEscapement, FALSE, FALSE, FALSE, FALSE);
    }
}

ViewRect ToViewRect(const RECT& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

POINT MapCaretPointFor(const POINT& pt, const RECT& rcArea, SkinTurn turn)
{
    const ViewPoint mapped = MapCaretPoint(ViewPoint{pt.x, pt.y}, ToViewRect(rcArea), turn, GetDesignOrientation());
    return POINT{mapped.x, mapped.y};
}

bool IsArrowKey(WPARAM vk) { return vk == VK_LEFT || vk == VK_UP || vk == VK_RIGHT || vk == VK_DOWN; }

}  // namespace

int GetEditLineHeight(HWND hEdit)
{
    // A fresh DC holds the system font; the control lays out its lines and
    // caret with its own font, and the drawn lines must fall on those.
    const auto hFont = reinterpret_cast<HFONT>(SendMessageW(hEdit, WM_GETFONT, 0, 0));
    // A font's height does not change, and taking a DC of the control to measure
    // it cost more than drawing the text: it is measured once per font.
    static struct { HFONT hFont; LOGFONTW lf; int nHeight; } s_measured{};
    LOGFONTW lf{};
    if (hFont != nullptr && GetObjectW(hFont, sizeof lf, &lf) == 0)
        lf = LOGFONTW{};
    if (s_measured.nHeight > 0 && s_measured.hFont == hFont && std::memcmp(&s_measured.lf, &lf, sizeof lf) == 0)
        return s_measured.nHeight;
    CWindowDc dc(hEdit);
    if (!dc)
        return 0;
    CSelectObject selectFont(dc.Get(), hFont);
    TEXTMETRICW tm{};
    if (!GetTextMetricsW(dc.Get(), &tm))
        return 0;
    s_measured = {hFont, lf, tm.tmHeight};
    return tm.tmHeight;
}

int GetEditVisibleLines(HWND hEdit)
{
    RECT rc{};
    GetClientRect(hEdit, &rc);
    const int nLineHeight = GetEditLineHeight(hEdit);
    const int nLines = nLineHeight > 0 ? (rc.bottom - rc.top) / nLineHeight : 0;
    return nLines > 0 ? nLines : 1;
}

void ForEachVisibleLine(HWND hEdit, const VisibleLineVisitor& visit)
{
    const int nLineHeight = GetEditLineHeight(hEdit);
    const int nVisible = GetEditVisibleLines(hEdit);
    const int nFirst = static_cast<int>(SendMessageW(hEdit, EM_GETFIRSTVISIBLELINE, 0, 0));
    const int nCount = static_cast<int>(SendMessageW(hEdit, EM_GETLINECOUNT, 0, 0));
    int nOffset = 0;
    for (int nLine = nFirst; nLine < nCount && nLine < nFirst + nVisible; ++nLine, nOffset += nLineHeight)
    {
        std::unique_ptr<WCHAR[]> line(new (std::nothrow) WCHAR[kLineUnits]());
        if (!line)
            continue;
        line[0] = kLineCapacity;
        const int nRead = static_cast<int>(
            SendMessageW(hEdit, EM_GETLINE, nLine, reinterpret_cast<LPARAM>(line.get())));
        if (nRead <= 0)
            continue;
        line[nRead] = L'\0';
        visit(nLine - nFirst, line.get(), nRead, nOffset);
    }
}

int GetEditLeftMargin(HWND hEdit)
{
    return LOWORD(SendMessageW(hEdit, EM_GETMARGINS, 0, 0));
}

void DrawEditViewText(HWND hEdit, HDC hdc, const RECT& rcArea, TextTurn turn, const std::function<bool(int)>& enter)
{
    if (hEdit == nullptr)
        return;
    CreateEditFonts(hEdit);
    const CRotatedFont& font = EditFontFor(turn);
    const int nMargin = GetEditLeftMargin(hEdit);
    ForEachVisibleLine(hEdit, [&](int nLine, const WCHAR* pszLine, int nRead, int nOffset) {
        if (!enter(nLine))
            return;
        std::unique_ptr<WCHAR[]> doubled(new (std::nothrow) WCHAR[DoubledLengthFor(nRead)]);
        if (!doubled)
            return;
        DoubleAmpersands(pszLine, doubled.get());
        const ViewPoint origin = EditLineOrigin(turn, ToViewRect(rcArea), nMargin, nOffset);
        font.DrawAt(hdc, origin.x, origin.y, doubled.get(), -1);
    });
}

void MapCaretPoint(const POINT& pt, const RECT& rcArea, POINT* pOut)
{
    if (pOut != nullptr)
        *pOut = MapCaretPointFor(pt, rcArea, CurrentSkinTurn());
}

bool GetEditCaretLine(HWND hEdit, const RECT& rcArea, SkinTurn turn, POINT* pFrom, POINT* pTo)
{
    POINT pt{};
    if (!g_bCaretVisible || hEdit == nullptr || !GetCaretPos(&pt))
        return false;
    *pFrom = MapCaretPointFor(pt, rcArea, turn);
    pt.y += GetEditLineHeight(hEdit) - 1;
    *pTo = MapCaretPointFor(pt, rcArea, turn);
    return true;
}

void DrawEditCaret(HWND hEdit, HDC hdc, const RECT& rcArea, SkinTurn turn)
{
    POINT from{};
    POINT to{};
    if (!GetEditCaretLine(hEdit, rcArea, turn, &from, &to))
        return;
    CUniquePen pen(CreatePen(PS_SOLID, kCaretPenWidth, RGB(0, 0, 0)));
    CSelectObject select(hdc, pen.Get());
    MoveToEx(hdc, from.x, from.y, nullptr);
    LineTo(hdc, to.x, to.y);
}

LRESULT CALLBACK ArrowKeyHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pData = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (nCode == HC_ACTION && wParam == WM_KEYDOWN && pData != nullptr && IsArrowKey(pData->vkCode))
    {
        SendMessageW(g_hEditCtrlWnd, WM_KEYDOWN, pData->vkCode, 0);
        return 1;   // the key is taken out of the input stream
    }
    // Other hooks of the desktop see every key we do not take.
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

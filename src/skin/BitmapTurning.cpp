#include "skin/BitmapTurning.h"

#include "settings/Settings.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinRecord.h"
#include "skin/SkinScreen.h"
#include "support/DibSection.h"
#include "support/GdiHandles.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

// A bottom-up 32-bit DIB section and its pixels, as the device's GDI hands them out:
// rows of 0x00RRGGBB words, the picture's bottom row first.
class CDib32
{
public:
    bool Create(int nWidth, int nHeight)
    {
        void* pBits = nullptr;
        m_bitmap.Reset(CreateDib32(nullptr, nWidth, nHeight, false, &pBits));
        m_pBits = static_cast<uint32_t*>(pBits);
        m_nWidth = m_bitmap ? nWidth : 0;
        m_nHeight = m_bitmap ? nHeight : 0;
        return static_cast<bool>(m_bitmap);
    }
    HBITMAP Get() const { return m_bitmap.Get(); }
    uint32_t* Bits() const { return m_pBits; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

private:
    CUniqueBitmap m_bitmap;
    uint32_t* m_pBits = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};

// What a turning session keeps between turns: its memory DCs, the window's DC, and
// the DIB sections of each use, taken again by the next turn that fits in them.
struct TurningSession
{
    bool bOpen = false;
    HDC hSourceDc = nullptr;
    HDC hCopyDc = nullptr;
    HWND hWindow = nullptr;
    HDC hWindowDc = nullptr;
    HDC hFormatDc = nullptr;          // holds a one-pixel bitmap of the window's format
    HBITMAP hFormatBitmap = nullptr;
    HGDIOBJ hFormatDefault = nullptr; // what hFormatDc held before it
    CDib32 sourceCopy;
    CDib32 bottomRow;
    CDib32 turned;
};

TurningSession g_session;

TurningSession* OpenSession() { return g_session.bOpen ? &g_session : nullptr; }

// A session DC when one is open, else a DC of the call's own.
HDC TurningDc(HDC TurningSession::*pDc, CMemoryDc& ownDc)
{
    if (TurningSession* pSession = OpenSession(); pSession != nullptr && pSession->*pDc != nullptr)
        return pSession->*pDc;
    ownDc.Reset(CreateCompatibleDC(nullptr));
    return ownDc.Get();
}

// A DIB section of nWidth x nHeight: the session's one for this use when it has that
// size (or can be made so), else ownDib.
CDib32* ScratchDib(CDib32 TurningSession::*pDib, CDib32& ownDib, int nWidth, int nHeight)
{
    TurningSession* pSession = OpenSession();
    CDib32& dib = pSession != nullptr ? pSession->*pDib : ownDib;
    if (dib.Get() != nullptr && dib.Width() == nWidth && dib.Height() == nHeight)
        return &dib;
    return dib.Create(nWidth, nHeight) ? &dib : nullptr;
}

// Where a picture of nWidth x nHeight lies in a DIB section at least that large: its
// bottom-left corner, so that its rows are the section's first ones in memory.
struct DibArea
{
    const CDib32* pDib = nullptr;
    int nWidth = 0;
    int nHeight = 0;
    int nTop() const { return pDib->Height() - nHeight; }   // in picture coordinates
    uint32_t* Bits() const { return pDib->Bits(); }
    std::size_t Stride() const { return static_cast<std::size_t>(pDib->Width()); }
};

// An area of nWidth x nHeight in the session's section for this use, made larger when
// the picture does not fit (the largest of a layout's turns then fits every later one),
// or in ownDib of the picture's own size. pDib is null when no section could be made.
DibArea ScratchArea(CDib32 TurningSession::*pDib, CDib32& ownDib, int nWidth, int nHeight)
{
    TurningSession* pSession = OpenSession();
    CDib32& dib = pSession != nullptr ? pSession->*pDib : ownDib;
    DibArea area{&dib, nWidth, nHeight};
    if (dib.Get() != nullptr && dib.Width() >= nWidth && dib.Height() >= nHeight)
        return area;
    const int nNewWidth = pSession != nullptr ? std::max(nWidth, dib.Width()) : nWidth;
    const int nNewHeight = pSession != nullptr ? std::max(nHeight, dib.Height()) : nHeight;
    if (!dib.Create(nNewWidth, nNewHeight))
        area.pDib = nullptr;
    return area;
}

// Copies nWidth x nHeight of hSource, from (0, nSourceY), to (0, nTargetY) of hTarget,
// both selected nowhere: a plain blit, which converts the pixels to hTarget's format.
bool BlitInto(HBITMAP hSource, int nSourceY, HBITMAP hTarget, int nTargetY, int nWidth, int nHeight)
{
    CMemoryDc ownSourceDc;
    CMemoryDc ownCopyDc;
    const HDC hSourceDc = TurningDc(&TurningSession::hSourceDc, ownSourceDc);
    const HDC hCopyDc = TurningDc(&TurningSession::hCopyDc, ownCopyDc);
    if (hSourceDc == nullptr || hCopyDc == nullptr)
        return false;
    CSelectObject selectSource(hSourceDc, hSource);
    CSelectObject selectCopy(hCopyDc, hTarget);
    return selectSource.Succeeded() && selectCopy.Succeeded() &&
           BitBlt(hCopyDc, 0, nTargetY, nWidth, nHeight, hSourceDc, 0, nSourceY, SRCCOPY);
}

// The source's pixels as 32-bit bottom-up rows without padding, and what holds them.
struct SourcePixels
{
    const void* pBits = nullptr;
    int nBitCount = 0;
    int nWidth = 0;
    int nHeight = 0;
    CDib32 ownCopy;
};

// A loaded skin bitmap is a DIB section of the file's own format; at 24 or 32 bits
// its rows are read straight from its memory, without a 32-bit copy made by a blit
// first. GDI may report a top-down section's height as positive, so the row order
// is told from the picture's bottom row, blitted into a one-row section.
bool ReadDibSectionInPlace(HBITMAP hSource, SourcePixels* pPixels)
{
    DIBSECTION ds{};
    if (GetObjectW(hSource, sizeof ds, &ds) != sizeof ds || ds.dsBm.bmBits == nullptr ||
        ds.dsBmih.biCompression != BI_RGB || ds.dsBm.bmWidth <= 0 || ds.dsBm.bmHeight <= 0 ||
        (ds.dsBm.bmBitsPixel != 24 && ds.dsBm.bmBitsPixel != 32))
        return false;
    const int w = ds.dsBm.bmWidth;
    const int h = ds.dsBm.bmHeight;
    CDib32 ownRow;
    const DibArea row = ScratchArea(&TurningSession::bottomRow, ownRow, w, 1);
    if (row.pDib == nullptr || !BlitInto(hSource, h - 1, row.pDib->Get(), row.nTop(), w, 1) ||
        FindRowOrder(row.Bits(), ds.dsBm.bmBits, ds.dsBm.bmBitsPixel, w, h) != RowOrder::BottomUp)
        return false;
    pPixels->pBits = ds.dsBm.bmBits;
    pPixels->nBitCount = ds.dsBm.bmBitsPixel;
    pPixels->nWidth = w;
    pPixels->nHeight = h;
    return true;
}

// Any other bitmap is blitted into a 32-bit section first.
bool ReadSource(HBITMAP hSource, SourcePixels* pPixels)
{
    if (ReadDibSectionInPlace(hSource, pPixels))
        return true;
    BITMAP bm{};
    if (GetObjectW(hSource, sizeof bm, &bm) != sizeof bm || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return false;
    const CDib32* pCopy = ScratchDib(&TurningSession::sourceCopy, pPixels->ownCopy, bm.bmWidth, bm.bmHeight);
    if (pCopy == nullptr || !BlitInto(hSource, 0, pCopy->Get(), 0, bm.bmWidth, bm.bmHeight))
        return false;
    pPixels->pBits = pCopy->Bits();
    pPixels->nBitCount = 32;
    pPixels->nWidth = bm.bmWidth;
    pPixels->nHeight = bm.bmHeight;
    return true;
}

// The window's DC: the session's, taken for the first window it turns for, or one of
// the call's own.
HDC WindowDc(HWND hwnd, std::optional<CWindowDc>& ownDc)
{
    TurningSession* pSession = OpenSession();
    if (pSession != nullptr && (pSession->hWindow == nullptr || pSession->hWindow == hwnd))
    {
        if (pSession->hWindowDc == nullptr)
        {
            pSession->hWindowDc = GetDC(hwnd);
            pSession->hWindow = pSession->hWindowDc != nullptr ? hwnd : nullptr;
        }
        if (pSession->hWindowDc != nullptr)
            return pSession->hWindowDc;
    }
    ownDc.emplace(hwnd);
    return ownDc->Get();
}

// A DC whose compatible bitmaps have the window's format. Asking the window's DC for
// each costs a trip to the display driver (about 0.2 ms a bitmap under Wine, two fifths
// of a VGA skin's load); a session asks once, for a one-pixel bitmap that a memory DC
// then holds, and makes the rest from that DC.
HDC FormatDc(HDC hWindowDc)
{
    TurningSession* pSession = OpenSession();
    if (pSession == nullptr || pSession->hWindowDc != hWindowDc)
        return hWindowDc;
    if (pSession->hFormatDc == nullptr)
    {
        CMemoryDc dc(CreateCompatibleDC(hWindowDc));
        CUniqueBitmap bitmap(CreateCompatibleBitmap(hWindowDc, 1, 1));
        const HGDIOBJ hDefault = dc && bitmap ? SelectObject(dc.Get(), bitmap.Get()) : nullptr;
        if (hDefault == nullptr || hDefault == HGDI_ERROR)
            return hWindowDc;
        pSession->hFormatDefault = hDefault;
        pSession->hFormatBitmap = bitmap.Release();
        pSession->hFormatDc = dc.Release();
    }
    return pSession->hFormatDc;
}

// The turned picture copied into a bitmap of the window's own format, or null.
// Drawing copies it without converting a pixel, and on a 16-bit screen it holds
// half the bytes of a 32-bit image. The skin's colours pass through the display's
// format here, once, as every blit onto the screen passed them before.
HBITMAP ToWindowBitmap(const DibArea& turned, HWND hwnd)
{
    std::optional<CWindowDc> ownWindowDc;
    const HDC hWindowDc = WindowDc(hwnd, ownWindowDc);
    if (hWindowDc == nullptr)
        return nullptr;
    CUniqueBitmap bitmap(CreateCompatibleBitmap(FormatDc(hWindowDc), turned.nWidth, turned.nHeight));
    if (!bitmap || !BlitInto(turned.pDib->Get(), turned.nTop(), bitmap.Get(), 0, turned.nWidth, turned.nHeight))
        return nullptr;
    return bitmap.Release();
}

HBITMAP RotateBitmap(HBITMAP hSource, HWND hwnd, SkinTurn turn)
{
    if (hSource == nullptr || hwnd == nullptr)
        return nullptr;
    SourcePixels source;
    if (!ReadSource(hSource, &source))
        return nullptr;
    CDib32 ownTurned;
    const DibArea turned = ScratchArea(&TurningSession::turned, ownTurned, source.nHeight, source.nWidth);
    if (turned.pDib == nullptr)
        return nullptr;
    if (source.nBitCount == 24)
        TurnPixels24(turn, static_cast<const uint8_t*>(source.pBits), source.nWidth, source.nHeight, turned.Bits(),
                     turned.Stride());
    else
        TurnPixels(turn, static_cast<const uint32_t*>(source.pBits), source.nWidth, source.nHeight, turned.Bits(),
                   turned.Stride());
    return ToWindowBitmap(turned, hwnd);
}

}  // namespace

CBitmapTurningSession::CBitmapTurningSession()
{
    if (g_session.bOpen)
        return;  // an outer session owns the DCs
    m_bOwner = true;
    g_session.bOpen = true;
    g_session.hSourceDc = CreateCompatibleDC(nullptr);
    g_session.hCopyDc = CreateCompatibleDC(nullptr);
}

CBitmapTurningSession::~CBitmapTurningSession()
{
    if (!m_bOwner)
        return;
    // Every turn has selected its bitmaps back out, so the DCs hold their own defaults.
    if (g_session.hSourceDc != nullptr)
        DeleteDC(g_session.hSourceDc);
    if (g_session.hCopyDc != nullptr)
        DeleteDC(g_session.hCopyDc);
    if (g_session.hFormatDc != nullptr)
    {
        SelectObject(g_session.hFormatDc, g_session.hFormatDefault);
        DeleteDC(g_session.hFormatDc);
        DeleteObject(g_session.hFormatBitmap);
    }
    if (g_session.hWindowDc != nullptr)
        ReleaseDC(g_session.hWindow, g_session.hWindowDc);
    g_session = TurningSession();
}

HBITMAP RotateBitmapClockwise(HBITMAP hSource, HWND hwnd)
{
    return RotateBitmap(hSource, hwnd, SkinTurn::Clockwise);
}

HBITMAP RotateBitmapCounterClockwise(HBITMAP hSource, HWND hwnd)
{
    return RotateBitmap(hSource, hwnd, SkinTurn::CounterClockwise);
}

void PrepareSkinBitmap(HBITMAP hLoaded, HBITMAP* phTarget, HWND hwnd)
{
    if (phTarget == nullptr)
    {
        if (hLoaded != nullptr)
            DeleteObject(hLoaded);
        return;
    }
    const SkinTurn turn = ChooseSkinTurn(GetSkinScreenOrientation(), g_skin.nOrientation, g_dwHabit != 0);
    if (turn == SkinTurn::None || hLoaded == nullptr)
    {
        *phTarget = hLoaded;
        return;
    }
    *phTarget = turn == SkinTurn::Clockwise ? RotateBitmapClockwise(hLoaded, hwnd)
                                            : RotateBitmapCounterClockwise(hLoaded, hwnd);
    DeleteObject(hLoaded);
}

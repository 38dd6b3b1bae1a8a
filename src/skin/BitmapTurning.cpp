#include "skin/BitmapTurning.h"

#include "settings/Settings.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinRecord.h"
#include "skin/SkinScreen.h"
#include "support/DibSection.h"
#include "support/GdiHandles.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace {

// A bottom-up 32-bit DIB section of nWidth x nHeight and its pixel array.
HBITMAP Create32BitDib(int nWidth, int nHeight, uint32_t** ppBits)
{
    void* pBits = nullptr;
    HBITMAP hDib = CreateDib32(nullptr, nWidth, nHeight, false, &pBits);
    *ppBits = static_cast<uint32_t*>(pBits);
    return hDib;
}

// The two memory DCs of a turning session; null outside one.
HDC g_hSessionSourceDc = nullptr;
HDC g_hSessionCopyDc = nullptr;

// A session DC when one is open, else a DC of the call's own.
HDC TurningDc(HDC hSessionDc, CMemoryDc& ownDc)
{
    if (hSessionDc != nullptr)
        return hSessionDc;
    ownDc.Reset(CreateCompatibleDC(nullptr));
    return ownDc.Get();
}

// The picture's bottom row as GDI draws it, in 32-bit pixels; null on failure.
// A blit places rows by picture coordinates whichever way the memory runs.
std::unique_ptr<uint32_t[]> ReadBottomRow(HBITMAP hSource, int nWidth, int nHeight)
{
    CMemoryDc ownSourceDc;
    CMemoryDc ownRowDc;
    const HDC hSourceDc = TurningDc(g_hSessionSourceDc, ownSourceDc);
    const HDC hRowDc = TurningDc(g_hSessionCopyDc, ownRowDc);
    uint32_t* pRowBits = nullptr;
    CUniqueBitmap rowDib(Create32BitDib(nWidth, 1, &pRowBits));
    std::unique_ptr<uint32_t[]> row(new (std::nothrow) uint32_t[static_cast<std::size_t>(nWidth)]);
    if (hSourceDc == nullptr || hRowDc == nullptr || !rowDib || !row)
        return nullptr;
    CSelectObject selectSource(hSourceDc, hSource);
    CSelectObject selectRow(hRowDc, rowDib.Get());
    if (!selectSource.Succeeded() || !selectRow.Succeeded() ||
        !BitBlt(hRowDc, 0, 0, nWidth, 1, hSourceDc, 0, nHeight - 1, SRCCOPY))
        return nullptr;
    GdiFlush();
    std::memcpy(row.get(), pRowBits, static_cast<std::size_t>(nWidth) * sizeof(uint32_t));
    return row;
}

// A loaded skin bitmap is a DIB section of the file's own format; at 24 or 32
// bits its rows are turned straight from its memory, without a 32-bit copy made
// by a blit first. GDI reports a top-down section's height as positive too, so
// the row order is told from the picture's bottom row. Null for any other bitmap,
// or when the order cannot be told.
CUniqueBitmap TurnDibSectionBits(HBITMAP hSource, SkinTurn turn)
{
    DIBSECTION ds{};
    if (GetObjectW(hSource, sizeof ds, &ds) != sizeof ds || ds.dsBm.bmBits == nullptr ||
        ds.dsBmih.biCompression != BI_RGB || ds.dsBm.bmWidth <= 0 || ds.dsBm.bmHeight <= 0 ||
        (ds.dsBm.bmBitsPixel != 24 && ds.dsBm.bmBitsPixel != 32))
        return CUniqueBitmap();
    const int w = ds.dsBm.bmWidth;
    const int h = ds.dsBm.bmHeight;
    GdiFlush();  // drawing into the source must have landed before its memory is read
    const std::unique_ptr<uint32_t[]> bottomRow = ReadBottomRow(hSource, w, h);
    if (!bottomRow || FindRowOrder(bottomRow.get(), ds.dsBm.bmBits, ds.dsBm.bmBitsPixel, w, h) != RowOrder::BottomUp)
        return CUniqueBitmap();
    uint32_t* pTargetBits = nullptr;
    CUniqueBitmap targetDib(Create32BitDib(h, w, &pTargetBits));
    if (!targetDib)
        return CUniqueBitmap();
    if (ds.dsBm.bmBitsPixel == 24)
        TurnPixels24(turn, static_cast<const uint8_t*>(ds.dsBm.bmBits), w, h, pTargetBits);
    else
        TurnPixels(turn, static_cast<const uint32_t*>(ds.dsBm.bmBits), w, h, pTargetBits);
    return targetDib;
}

// The turned pixels in a 32-bit DIB section of H x W, or null.
CUniqueBitmap TurnIntoDib(HBITMAP hSource, SkinTurn turn)
{
    if (CUniqueBitmap turned = TurnDibSectionBits(hSource, turn))
        return turned;
    CMemoryDc ownSourceDc;
    CMemoryDc ownCopyDc;
    const HDC hSourceDc = TurningDc(g_hSessionSourceDc, ownSourceDc);
    if (hSourceDc == nullptr)
        return CUniqueBitmap();
    CSelectObject selectSource(hSourceDc, hSource);
    if (!selectSource.Succeeded())
        return CUniqueBitmap();
    const HDC hCopyDc = TurningDc(g_hSessionCopyDc, ownCopyDc);
    if (hCopyDc == nullptr)
        return CUniqueBitmap();

    BITMAP bm{};
    if (GetObjectW(hSource, sizeof bm, &bm) != sizeof bm || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return CUniqueBitmap();
    const int w = bm.bmWidth;
    const int h = bm.bmHeight;

    uint32_t* pSourceBits = nullptr;
    uint32_t* pTargetBits = nullptr;
    CUniqueBitmap sourceDib(Create32BitDib(w, h, &pSourceBits));
    CUniqueBitmap targetDib(Create32BitDib(h, w, &pTargetBits));
    if (!sourceDib || !targetDib)
        return CUniqueBitmap();
    {
        CSelectObject selectCopy(hCopyDc, sourceDib.Get());
        if (!selectCopy.Succeeded() || !BitBlt(hCopyDc, 0, 0, w, h, hSourceDc, 0, 0, SRCCOPY))
            return CUniqueBitmap();
        GdiFlush();  // the blit must have landed before the array is read
    }
    TurnPixels(turn, pSourceBits, w, h, pTargetBits);
    return targetDib;
}

HBITMAP RotateBitmap(HBITMAP hSource, HWND hwnd, SkinTurn turn)
{
    // The turned image stays the 32-bit DIB section: its colours, the transparent one
    // included, are exact on any display, and copying it once more into a bitmap of the
    // window's format costs more than the whole turn (most of a skin load). The window
    // is still required, as it is for a bitmap made for the window.
    if (hSource == nullptr || hwnd == nullptr)
        return nullptr;
    return TurnIntoDib(hSource, turn).Release();
}

}  // namespace

CBitmapTurningSession::CBitmapTurningSession()
{
    if (g_hSessionSourceDc != nullptr)
        return;  // an outer session owns the DCs
    m_bOwner = true;
    g_hSessionSourceDc = CreateCompatibleDC(nullptr);
    g_hSessionCopyDc = CreateCompatibleDC(nullptr);
}

CBitmapTurningSession::~CBitmapTurningSession()
{
    if (!m_bOwner)
        return;
    // Every turn has selected its bitmaps back out, so the DCs hold their own defaults.
    if (g_hSessionSourceDc != nullptr)
        DeleteDC(std::exchange(g_hSessionSourceDc, nullptr));
    if (g_hSessionCopyDc != nullptr)
        DeleteDC(std::exchange(g_hSessionCopyDc, nullptr));
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

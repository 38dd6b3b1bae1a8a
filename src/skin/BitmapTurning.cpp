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
#include <optional>
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

// The picture's bottom row as GDI reads it, in 32-bit pixels; null on failure.
// GDI places rows by picture coordinates whichever way the memory runs.
std::unique_ptr<uint32_t[]> ReadBottomRow(HBITMAP hSource, int nWidth, int nHeight)
{
    CMemoryDc ownDc;
    const HDC hdc = TurningDc(g_hSessionCopyDc, ownDc);
    std::unique_ptr<uint32_t[]> row(new (std::nothrow) uint32_t[static_cast<std::size_t>(nWidth)]);
    if (hdc == nullptr || !row)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;   // bottom-up: scan line 0 is the bottom row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (GetDIBits(hdc, hSource, 0, 1, row.get(), &info, DIB_RGB_COLORS) != 1)
        return nullptr;
    return row;
}

// Turned pixels, bottom-up rows of 32 bits, in plain memory: they are moved once
// more, into the window's format, so a DIB section would only cost its mapping.
struct TurnedPixels
{
    std::unique_ptr<uint32_t[]> pBits;
    int nWidth = 0;
    int nHeight = 0;
};

TurnedPixels AllocateTurned(int nSourceWidth, int nSourceHeight)
{
    TurnedPixels turned;
    turned.pBits.reset(new (std::nothrow) uint32_t[static_cast<std::size_t>(nSourceWidth) * nSourceHeight]);
    turned.nWidth = nSourceHeight;
    turned.nHeight = nSourceWidth;
    return turned;
}

// A loaded skin bitmap is a DIB section of the file's own format; at 24 or 32
// bits its rows are turned straight from its memory, without a 32-bit copy made
// by a blit first. GDI reports a top-down section's height as positive too, so
// the row order is told from the picture's bottom row. Empty for any other bitmap,
// or when the order cannot be told.
TurnedPixels TurnDibSectionBits(HBITMAP hSource, SkinTurn turn)
{
    DIBSECTION ds{};
    if (GetObjectW(hSource, sizeof ds, &ds) != sizeof ds || ds.dsBm.bmBits == nullptr ||
        ds.dsBmih.biCompression != BI_RGB || ds.dsBm.bmWidth <= 0 || ds.dsBm.bmHeight <= 0 ||
        (ds.dsBm.bmBitsPixel != 24 && ds.dsBm.bmBitsPixel != 32))
        return TurnedPixels();
    const int w = ds.dsBm.bmWidth;
    const int h = ds.dsBm.bmHeight;
    GdiFlush();  // drawing into the source must have landed before its memory is read
    const std::unique_ptr<uint32_t[]> bottomRow = ReadBottomRow(hSource, w, h);
    if (!bottomRow || FindRowOrder(bottomRow.get(), ds.dsBm.bmBits, ds.dsBm.bmBitsPixel, w, h) != RowOrder::BottomUp)
        return TurnedPixels();
    TurnedPixels turned = AllocateTurned(w, h);
    if (!turned.pBits)
        return TurnedPixels();
    if (ds.dsBm.bmBitsPixel == 24)
        TurnPixels24(turn, static_cast<const uint8_t*>(ds.dsBm.bmBits), w, h, turned.pBits.get());
    else
        TurnPixels(turn, static_cast<const uint32_t*>(ds.dsBm.bmBits), w, h, turned.pBits.get());
    return turned;
}

// The turned pixels of H x W, or empty.
TurnedPixels TurnIntoPixels(HBITMAP hSource, SkinTurn turn)
{
    if (TurnedPixels turned = TurnDibSectionBits(hSource, turn); turned.pBits)
        return turned;
    CMemoryDc ownSourceDc;
    CMemoryDc ownCopyDc;
    const HDC hSourceDc = TurningDc(g_hSessionSourceDc, ownSourceDc);
    if (hSourceDc == nullptr)
        return TurnedPixels();
    CSelectObject selectSource(hSourceDc, hSource);
    if (!selectSource.Succeeded())
        return TurnedPixels();
    const HDC hCopyDc = TurningDc(g_hSessionCopyDc, ownCopyDc);
    if (hCopyDc == nullptr)
        return TurnedPixels();

    BITMAP bm{};
    if (GetObjectW(hSource, sizeof bm, &bm) != sizeof bm || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return TurnedPixels();
    const int w = bm.bmWidth;
    const int h = bm.bmHeight;

    uint32_t* pSourceBits = nullptr;
    CUniqueBitmap sourceDib(Create32BitDib(w, h, &pSourceBits));
    TurnedPixels turned = AllocateTurned(w, h);
    if (!sourceDib || !turned.pBits)
        return TurnedPixels();
    {
        CSelectObject selectCopy(hCopyDc, sourceDib.Get());
        if (!selectCopy.Succeeded() || !BitBlt(hCopyDc, 0, 0, w, h, hSourceDc, 0, 0, SRCCOPY))
            return TurnedPixels();
        GdiFlush();  // the blit must have landed before the array is read
    }
    TurnPixels(turn, pSourceBits, w, h, turned.pBits.get());
    return turned;
}

// The window's DC that a session keeps for the first window it turns for.
HWND g_hSessionWindow = nullptr;
HDC g_hSessionWindowDc = nullptr;

// Fills a bitmap of the window's format with the turned pixels; GDI converts them
// to the bitmap's format (on a 16-bit screen, each channel's top bits).
bool SetTurnedBits(HDC hdc, HBITMAP hBitmap, const TurnedPixels& turned)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = turned.nWidth;
    info.bmiHeader.biHeight = turned.nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return SetDIBits(hdc, hBitmap, 0, static_cast<UINT>(turned.nHeight), turned.pBits.get(), &info,
                     DIB_RGB_COLORS) == turned.nHeight;
}

// The turned pixels in a bitmap of the window's own format, or null. Drawing
// copies it without converting a pixel, and on a 16-bit screen it holds half
// the bytes of a 32-bit image. The skin's colours pass through the display's
// format here, once, as every blit onto the screen passed them before.
HBITMAP ToWindowBitmap(const TurnedPixels& turned, HWND hwnd)
{
    const bool bSessionDc = g_hSessionSourceDc != nullptr && (g_hSessionWindow == nullptr || g_hSessionWindow == hwnd);
    if (bSessionDc && g_hSessionWindowDc == nullptr)
    {
        g_hSessionWindowDc = GetDC(hwnd);
        g_hSessionWindow = g_hSessionWindowDc != nullptr ? hwnd : nullptr;
    }
    std::optional<CWindowDc> ownDc;
    if (!bSessionDc || g_hSessionWindowDc == nullptr)
        ownDc.emplace(hwnd);
    const HDC hdc = ownDc ? ownDc->Get() : g_hSessionWindowDc;
    if (hdc == nullptr)
        return nullptr;
    CUniqueBitmap bitmap(CreateCompatibleBitmap(hdc, turned.nWidth, turned.nHeight));
    if (!bitmap || !SetTurnedBits(hdc, bitmap.Get(), turned))
        return nullptr;
    return bitmap.Release();
}

HBITMAP RotateBitmap(HBITMAP hSource, HWND hwnd, SkinTurn turn)
{
    if (hSource == nullptr || hwnd == nullptr)
        return nullptr;
    const TurnedPixels turned = TurnIntoPixels(hSource, turn);
    return turned.pBits ? ToWindowBitmap(turned, hwnd) : nullptr;
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
    if (g_hSessionWindowDc != nullptr)
        ReleaseDC(std::exchange(g_hSessionWindow, nullptr), std::exchange(g_hSessionWindowDc, nullptr));
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

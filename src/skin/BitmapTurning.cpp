#include "skin/BitmapTurning.h"

#include "settings/Settings.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

#include <cstdint>

namespace {

// A bottom-up 32-bit DIB section of nWidth x nHeight and its pixel array.
HBITMAP Create32BitDib(int nWidth, int nHeight, uint32_t** ppBits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hDib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hDib == nullptr || pBits == nullptr)
    {
        if (hDib != nullptr)
            DeleteObject(hDib);
        return nullptr;
    }
    *ppBits = static_cast<uint32_t*>(pBits);
    return hDib;
}

// The turned pixels in a 32-bit DIB section of H x W, or null.
CUniqueBitmap TurnIntoDib(HBITMAP hSource, SkinTurn turn)
{
    CMemoryDc sourceDc(CreateCompatibleDC(nullptr));
    if (!sourceDc)
        return CUniqueBitmap();
    CSelectObject selectSource(sourceDc.Get(), hSource);
    if (!selectSource.Succeeded())
        return CUniqueBitmap();
    CMemoryDc copyDc(CreateCompatibleDC(nullptr));
    CMemoryDc targetDc(CreateCompatibleDC(nullptr));
    if (!copyDc || !targetDc)
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
        CSelectObject selectCopy(copyDc.Get(), sourceDib.Get());
        if (!selectCopy.Succeeded() || !BitBlt(copyDc.Get(), 0, 0, w, h, sourceDc.Get(), 0, 0, SRCCOPY))
            return CUniqueBitmap();
        GdiFlush();  // the blit must have landed before the array is read
    }
    TurnPixels(turn, pSourceBits, w, h, pTargetBits);
    return targetDib;
}

HBITMAP RotateBitmap(HBITMAP hSource, HWND hwnd, SkinTurn turn)
{
    if (hSource == nullptr)
        return nullptr;
    CUniqueBitmap targetDib = TurnIntoDib(hSource, turn);
    if (!targetDib || hwnd == nullptr)
        return nullptr;

    BITMAP bm{};
    if (GetObjectW(targetDib.Get(), sizeof bm, &bm) != sizeof bm)
        return nullptr;
    CWindowDc windowDc(hwnd);
    if (!windowDc)
        return nullptr;
    CUniqueBitmap result(CreateCompatibleBitmap(windowDc.Get(), bm.bmWidth, bm.bmHeight));
    CMemoryDc fromDc(CreateCompatibleDC(windowDc.Get()));
    CMemoryDc toDc(CreateCompatibleDC(windowDc.Get()));
    if (!result || !fromDc || !toDc)
        return nullptr;
    {
        CSelectObject selectFrom(fromDc.Get(), targetDib.Get());
        CSelectObject selectTo(toDc.Get(), result.Get());
        if (!selectFrom.Succeeded() || !selectTo.Succeeded() ||
            !BitBlt(toDc.Get(), 0, 0, bm.bmWidth, bm.bmHeight, fromDc.Get(), 0, 0, SRCCOPY))
            return nullptr;
    }
    return result.Release();
}

}  // namespace

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
    const SkinTurn turn = ChooseSkinTurn(GetScreenOrientation(), g_skin.nOrientation, g_dwHabit != 0);
    if (turn == SkinTurn::None || hLoaded == nullptr)
    {
        *phTarget = hLoaded;
        return;
    }
    *phTarget = turn == SkinTurn::Clockwise ? RotateBitmapClockwise(hLoaded, hwnd)
                                            : RotateBitmapCounterClockwise(hLoaded, hwnd);
    DeleteObject(hLoaded);
}

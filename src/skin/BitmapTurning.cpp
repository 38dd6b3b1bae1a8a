#include "skin/BitmapTurning.h"

#include "settings/Settings.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinRecord.h"
#include "skin/SkinScreen.h"
#include "support/GdiHandles.h"

#include <cstdint>
#include <utility>

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

// The turned pixels in a 32-bit DIB section of H x W, or null.
CUniqueBitmap TurnIntoDib(HBITMAP hSource, SkinTurn turn)
{
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

#include "device/harness/ScreenCapture.h"

#include "support/DibSection.h"
#include "support/GdiHandles.h"

RgbImage CaptureScreen(const RECT& rc)
{
    RgbImage image;
    image.nWidth = rc.right - rc.left;
    image.nHeight = rc.bottom - rc.top;
    if (image.nWidth <= 0 || image.nHeight <= 0)
    {
        image.nWidth = image.nHeight = 0;
        return image;
    }
    CWindowDc screen(nullptr);
    CMemoryDc memory(CreateCompatibleDC(screen.Get()));
    void* pvBits = nullptr;
    CUniqueBitmap bitmap(CreateDib32(screen.Get(), image.nWidth, image.nHeight, true, &pvBits));
    image.pixels.assign(static_cast<size_t>(image.nWidth) * image.nHeight * 3, 0);
    if (!memory || !bitmap)
        return image;
    {
        CSelectObject select(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, image.nWidth, image.nHeight, screen.Get(), rc.left, rc.top, SRCCOPY);
    }
    return RgbImageFromWords(static_cast<const uint32_t*>(pvBits), image.nWidth, image.nHeight);
}

#include "ScreenCapture.h"

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
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = image.nWidth;
    bmi.bmiHeader.biHeight = -image.nHeight;  // top row first
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pvBits = nullptr;
    CUniqueBitmap bitmap(CreateDIBSection(screen.Get(), &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0));
    image.pixels.assign(static_cast<size_t>(image.nWidth) * image.nHeight * 3, 0);
    if (!memory || !bitmap || pvBits == nullptr)
        return image;
    {
        CSelectObject select(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, image.nWidth, image.nHeight, screen.Get(), rc.left, rc.top, SRCCOPY);
    }
    const auto* pSource = static_cast<const BYTE*>(pvBits);
    for (size_t i = 0; i < static_cast<size_t>(image.nWidth) * image.nHeight; ++i)
    {
        image.pixels[i * 3] = pSource[i * 4 + 2];
        image.pixels[i * 3 + 1] = pSource[i * 4 + 1];
        image.pixels[i * 3 + 2] = pSource[i * 4];
    }
    return image;
}

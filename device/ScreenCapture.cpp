#include "ScreenCapture.h"

#include "support/GdiHandles.h"

#include <cwctype>

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

bool SaveImage(const RgbImage& image, const std::wstring& sPath)
{
    std::wstring lower = sPath;
    for (wchar_t& ch : lower)
        ch = static_cast<wchar_t>(std::towlower(ch));
    const bool bBmp = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, L".bmp") == 0;
    const std::vector<uint8_t> bytes = bBmp ? EncodeBmp(image) : EncodePng(image);
    HANDLE hFile = CreateFileW(sPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD cbWritten = 0;
    const BOOL bWritten = WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &cbWritten, nullptr);
    CloseHandle(hFile);
    return bWritten && cbWritten == bytes.size();
}

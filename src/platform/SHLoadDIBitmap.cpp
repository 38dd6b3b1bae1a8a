#include "platform/AygShell.h"

#include "platform/BmpFile.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

namespace {

// Closes a file handle from CreateFileW.
class CFileHandle
{
public:
    explicit CFileHandle(HANDLE h) : m_h(h) {}
    ~CFileHandle()
    {
        if (m_h != INVALID_HANDLE_VALUE)
            CloseHandle(m_h);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    HANDLE Get() const { return m_h; }
    bool IsValid() const { return m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h;
};

// The whole file, or null when it cannot be read or is larger than any skin bitmap.
std::unique_ptr<uint8_t[]> ReadWholeFile(LPCWSTR pszPath, size_t* pnSize)
{
    CFileHandle file(CreateFileW(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return nullptr;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxBmpFileSize)
        return nullptr;
    const DWORD nSize = static_cast<DWORD>(size.QuadPart);
    std::unique_ptr<uint8_t[]> pData(new (std::nothrow) uint8_t[nSize]);
    if (!pData)
        return nullptr;
    DWORD nRead = 0;
    if (!ReadFile(file.Get(), pData.get(), nSize, &nRead, nullptr) || nRead != nSize)
        return nullptr;
    *pnSize = nSize;
    return pData;
}

}  // namespace

HBITMAP SHLoadDIBitmap(LPCWSTR pszPath)
{
    if (pszPath == nullptr || pszPath[0] == L'\0')
        return nullptr;
    size_t nSize = 0;
    const std::unique_ptr<uint8_t[]> pData = ReadWholeFile(pszPath, &nSize);
    if (!pData)
        return nullptr;
    BmpLayout layout{};
    if (!ParseBmpFile(pData.get(), nSize, &layout))
        return nullptr;

    // The header GDI needs, followed by the masks or the colour table.
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = layout.nWidth;
    info.header.biHeight = layout.nHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = layout.nBitCount;
    info.header.biCompression = layout.nCompression;
    if (layout.nCompression == kBmpBitfields)
        std::memcpy(info.colors, layout.masks, sizeof layout.masks);
    else if (layout.nColors != 0)
    {
        info.header.biClrUsed = layout.nColors;
        std::memcpy(info.colors, pData.get() + layout.nPaletteOffset, layout.nColors * sizeof(RGBQUAD));
    }

    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                       &pBits, nullptr, 0);
    if (hBitmap == nullptr)
        return nullptr;
    if (pBits == nullptr)
    {
        DeleteObject(hBitmap);
        return nullptr;
    }
    // The section has the file's row layout, so the rows copy as they are.
    std::memcpy(pBits, pData.get() + layout.nPixelOffset, layout.nImageSize);
    return hBitmap;
}

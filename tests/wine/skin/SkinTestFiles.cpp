#include "SkinTestFiles.h"

#include "BmpEncoder.h"
#include "device/harness/FileBytes.h"
#include "support/HostProcess.h"

#include "keyboard/KeyModel.h"
#include "settings/Settings.h"
#include "skin/SkinRecord.h"

#include <algorithm>

std::vector<uint8_t> MakeBmpBytes(int nWidth, int nHeight, const PixelFunction& colour)
{
    CCanvas canvas(nWidth, nHeight);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            canvas.Set(x, y, colour(x, y));
    return EncodeBmp24(canvas);
}

std::vector<uint32_t> ReadPixels(HBITMAP hBitmap, int* pnWidth, int* pnHeight)
{
    BITMAP bm{};
    if (hBitmap == nullptr || GetObjectW(hBitmap, sizeof bm, &bm) == 0)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC hdc = GetDC(nullptr);
    const int nLines = GetDIBits(hdc, hBitmap, 0, bm.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hdc);
    if (nLines != bm.bmHeight)
        return {};
    for (uint32_t& p : pixels)
        p &= 0x00FFFFFF;
    if (pnWidth != nullptr)
        *pnWidth = bm.bmWidth;
    if (pnHeight != nullptr)
        *pnHeight = bm.bmHeight;
    return pixels;
}

Pixels ReadBitmapFile(const std::wstring& path)
{
    Pixels pixels;
    HBITMAP hBitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    pixels.values = ReadPixels(hBitmap, &pixels.nWidth, &pixels.nHeight);
    if (hBitmap != nullptr)
        DeleteObject(hBitmap);
    return pixels;
}

int Luminance(uint32_t rgb)
{
    return static_cast<int>(((rgb >> 16) & 0xFF) * 299 + ((rgb >> 8) & 0xFF) * 587 + (rgb & 0xFF) * 114) / 1000;
}

int Contrast(const Pixels& p, int nLeft, int nTop, int nRight, int nBottom)
{
    int nLow = 255, nHigh = 0;
    for (int y = std::max(nTop, 0); y < std::min(nBottom, p.nHeight); ++y)
        for (int x = std::max(nLeft, 0); x < std::min(nRight, p.nWidth); ++x)
        {
            nLow = std::min(nLow, Luminance(p.At(x, y)));
            nHigh = std::max(nHigh, Luminance(p.At(x, y)));
        }
    return nHigh - nLow;
}

std::string RectText(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + ", " + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + ", " +
           std::to_string(rc.bottom) + ")";
}

bool IsLandscapeScreen() { return GetSystemMetrics(SM_CXSCREEN) > GetSystemMetrics(SM_CYSCREEN); }

bool IsSquareScreen() { return GetSystemMetrics(SM_CXSCREEN) == GetSystemMetrics(SM_CYSCREEN); }

CSkinTestFiles::CSkinTestFiles() : m_skinsFolder(TestProgramFolder() + L"\\skins")
{
    m_bCreatedSkinsFolder = CreateDirectoryW(m_skinsFolder.c_str(), nullptr) != FALSE;
}

CSkinTestFiles::~CSkinTestFiles()
{
    for (auto it = m_files.rbegin(); it != m_files.rend(); ++it)
        DeleteFileW(it->c_str());
    for (auto it = m_folders.rbegin(); it != m_folders.rend(); ++it)
        RemoveDirectoryW(it->c_str());
    if (m_bCreatedSkinsFolder)
        RemoveDirectoryW(m_skinsFolder.c_str());
}

std::wstring CSkinTestFiles::MakeFolder(const std::wstring& relative)
{
    std::wstring path = m_skinsFolder;
    size_t start = 0;
    while (start <= relative.size())
    {
        const size_t end = std::min(relative.find(L'\\', start), relative.size());
        path += L"\\" + relative.substr(start, end - start);
        if (CreateDirectoryW(path.c_str(), nullptr))
            m_folders.push_back(path);
        start = end + 1;
    }
    return path;
}

std::wstring CSkinTestFiles::Write(const std::wstring& relative, const std::vector<uint8_t>& bytes)
{
    const size_t slash = relative.find_last_of(L'\\');
    if (slash != std::wstring::npos)
        MakeFolder(relative.substr(0, slash));
    const std::wstring path = m_skinsFolder + L"\\" + relative;
    if (WriteFileBytes(path, bytes) && std::find(m_files.begin(), m_files.end(), path) == m_files.end())
        m_files.push_back(path);
    return path;
}

std::wstring CSkinTestFiles::Write(const std::wstring& relative, const std::string& bytes)
{
    return Write(relative, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

std::string LayoutHeader(int nOrientation, int nBackgroundWidth, int nBackgroundHeight)
{
    return "<e OrientationValue=\"" + std::to_string(nOrientation) + "\">Orientation</e>\n"
           "<e DefaultBackgroundValue=\"1\" BackgroundWidth=\"" + std::to_string(nBackgroundWidth) +
           "\" BackgroundHeight=\"" + std::to_string(nBackgroundHeight) +
           "\" ValidateWidth=\"7\" ValidateHeight=\"8\">DefaultBackground</e>\n";
}

std::string KeyEntry(const std::string& entry, int l, int t, int w, int h, const std::string& path)
{
    std::string s = "<k Left=\"" + std::to_string(l) + "\" Top=\"" + std::to_string(t) + "\" Width=\"" +
                    std::to_string(w) + "\" Height=\"" + std::to_string(h) + "\"";
    if (!path.empty())
        s += " DefaultPath=\"" + path + "\"";
    return s + ">" + entry + "</k>\n";
}

std::string XmlDocumentText(const std::string& children)
{
    return "<?xml version=\"1.0\"?>\n<skin>\n<!-- never read -->\n" + children + "</skin>\n";
}

void ResetSkinState()
{
    ReleaseSkin();
    for (KeyRecord& key : g_skin.keys)
        key = KeyRecord{};
    const SkinRecord empty{};
    g_skin = empty;
    g_dwHabit = 1;
    SetSkinFile(L"");
    g_nCurrentView = VIEW_CHAR;
}

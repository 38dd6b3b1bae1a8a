#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Files the skin tests write next to the test program (which stands in for the module),
// and the checks they read back. Everything a CSkinTestFiles writes is removed again
// when it goes out of scope.

// A colour of a picture pixel, 0x00RRGGBB.
using PixelFunction = std::function<uint32_t(int x, int y)>;

// The bytes of a 24-bit .bmp of nWidth x nHeight painted by colour (y downwards), from
// the generator's encoder.
std::vector<uint8_t> MakeBmpBytes(int nWidth, int nHeight, const PixelFunction& colour);

// The pixels of a bitmap read back top-down as 0x00RRGGBB; empty when it cannot be read.
std::vector<uint32_t> ReadPixels(HBITMAP hBitmap, int* pnWidth = nullptr, int* pnHeight = nullptr);

// A bitmap read back, with its size.
struct Pixels
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> values;
    uint32_t At(int x, int y) const { return values[static_cast<size_t>(y) * nWidth + x]; }
};

// A .bmp file loaded the way a skin's files are (a DIB section) and read back; no pixels
// when it cannot be read.
Pixels ReadBitmapFile(const std::wstring& path);

// 0 to 255.
int Luminance(uint32_t rgb);

// The spread of luminance (highest less lowest) over the pixels of a box, clipped to the picture.
int Contrast(const Pixels& p, int nLeft, int nTop, int nRight, int nBottom);

// "(left, top)-(right, bottom)", for comparing and reporting rectangles.
std::string RectText(const RECT& rc);

bool IsLandscapeScreen();
bool IsSquareScreen();

class CSkinTestFiles
{
public:
    CSkinTestFiles();
    ~CSkinTestFiles();
    CSkinTestFiles(const CSkinTestFiles&) = delete;
    CSkinTestFiles& operator=(const CSkinTestFiles&) = delete;

    // MODULE_DIR\skins
    const std::wstring& SkinsFolder() const { return m_skinsFolder; }

    // Writes (and remembers) a file below the skins folder; sub-folders are created.
    std::wstring Write(const std::wstring& relative, const std::string& bytes);
    std::wstring Write(const std::wstring& relative, const std::vector<uint8_t>& bytes);
    std::wstring MakeFolder(const std::wstring& relative);

private:
    std::wstring m_skinsFolder;
    bool m_bCreatedSkinsFolder = false;
    std::vector<std::wstring> m_files;
    std::vector<std::wstring> m_folders;
};

// The pieces of a small layout document, as text, for the cases about single entries.
std::string LayoutHeader(int nOrientation, int nBackgroundWidth, int nBackgroundHeight);
std::string KeyEntry(const std::string& entry, int l, int t, int w, int h, const std::string& path = "");
std::string XmlDocumentText(const std::string& children);

// The skin record and settings as a freshly loaded module has them.
void ResetSkinState();

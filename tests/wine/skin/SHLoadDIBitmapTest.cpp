#include "SkinTestFiles.h"

#include "platform/AygShell.h"
#include "support/GdiHandles.h"

#include <gtest/gtest.h>

namespace {

// 24-bit files, the skins' own, are read back pixel by pixel through LoadSkin (LoadSkinTest).
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

TEST(SHLoadDIBitmap, ReadsPaletteAndTopDownFiles)
{
    // 8 bits a pixel, two colours, top-down rows: row 0 colour 1, row 1 colour 0.
    std::vector<uint8_t> b(14 + 40 + 8 + 8, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 14 + 40 + 8);
    Put32(b, 14, 40);
    Put32(b, 18, 3);
    Put32(b, 22, static_cast<uint32_t>(-2));
    b[26] = 1;
    b[28] = 8;
    Put32(b, 46, 2);
    Put32(b, 54, 0x0000FF);   // colour 0: blue
    Put32(b, 58, 0xFF00FF);   // colour 1: magenta
    b[62] = b[63] = b[64] = 1;
    CSkinTestFiles files;
    CUniqueBitmap bitmap(SHLoadDIBitmap(files.Write(L"ZzBmp\\palette.bmp", b).c_str()));
    ASSERT_TRUE(bitmap);
    const std::vector<uint32_t> pixels = ReadPixels(bitmap.Get());
    ASSERT_EQ(6u, pixels.size());
    EXPECT_EQ(0xFF00FFu, pixels[0]);
    EXPECT_EQ(0xFF00FFu, pixels[2]);
    EXPECT_EQ(0x0000FFu, pixels[3]);
    EXPECT_EQ(0x0000FFu, pixels[5]);
}

// Damaged files are refused through the loader by the broken-skin corpus; these are the
// paths that name no file.
TEST(SHLoadDIBitmapRefuses, MissingFileFolderAndEmptyPath)
{
    CSkinTestFiles files;
    EXPECT_EQ(nullptr, SHLoadDIBitmap((files.SkinsFolder() + L"\\ZzBmp\\absent.bmp").c_str()));
    EXPECT_EQ(nullptr, SHLoadDIBitmap(files.MakeFolder(L"ZzBmp\\dir.bmp").c_str()));
    EXPECT_EQ(nullptr, SHLoadDIBitmap(L""));
    EXPECT_EQ(nullptr, SHLoadDIBitmap(nullptr));
}

}  // namespace

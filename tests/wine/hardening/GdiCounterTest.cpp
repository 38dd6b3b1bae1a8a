#include "GdiCounter.h"
#include "skin/SkinTestFiles.h"

#include "platform/AygShell.h"

#include <gtest/gtest.h>

// The leak checks of the broken-skin corpus rest on this count; it must see what the
// product creates and deletes.
TEST(GdiCounter, CountsWhatIsCreatedUntilItIsDeleted)
{
    ASSERT_TRUE(CGdiCounter::Install());
    const long nStart = CGdiCounter::Live();

    HDC hdc = CreateCompatibleDC(nullptr);
    HDC hdcWindow = GetDC(nullptr);
    EXPECT_EQ(nStart + 2, CGdiCounter::Live());
    ReleaseDC(nullptr, hdcWindow);
    DeleteDC(hdc);
    EXPECT_EQ(nStart, CGdiCounter::Live());

    // A bitmap made by the product's own loader is counted too.
    CSkinTestFiles files;
    const std::wstring path = files.Write(L"counted.bmp", MakeBmpBytes(3, 2, [](int, int) { return 0x123456u; }));
    HBITMAP hBitmap = SHLoadDIBitmap(path.c_str());
    ASSERT_NE(nullptr, hBitmap);
    EXPECT_EQ(nStart + 1, CGdiCounter::Live());
    DeleteObject(hBitmap);
    EXPECT_EQ(nStart, CGdiCounter::Live());
}

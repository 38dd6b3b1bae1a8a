#include "GdiCounter.h"
#include "skin/SkinTestFiles.h"

#include "platform/AygShell.h"
#include "resources/resource.h"

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

namespace {

// One kind of object the counter follows: how it is made and given back, and which count it joins.
struct CountedKind
{
    const char* pszWhat;
    void* (*pfnCreate)();
    void (*pfnDestroy)(void*);
    long (*pfnCount)();
};

const CountedKind g_aCountedKinds[] = {
    {"a bitmap loaded from the resources",
     [] { return static_cast<void*>(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BAR_QVGA))); },
     [](void* h) { DeleteObject(static_cast<HBITMAP>(h)); }, CGdiCounter::Live},
    {"a font made from its fields",
     [] {
         return static_cast<void*>(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                               DEFAULT_PITCH, L"Tahoma"));
     },
     [](void* h) { DeleteObject(static_cast<HFONT>(h)); }, CGdiCounter::Live},
    {"a menu loaded from the resources",
     [] { return static_cast<void*>(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_OPTIONS_MENU))); },
     [](void* h) { DestroyMenu(static_cast<HMENU>(h)); }, CGdiCounter::LiveMenus},
};

}  // namespace

TEST(GdiCounter, FollowsResourceBitmapsFontsAndMenus)
{
    ASSERT_TRUE(CGdiCounter::Install());
    for (const CountedKind& kind : g_aCountedKinds)
    {
        SCOPED_TRACE(kind.pszWhat);
        const long nStart = kind.pfnCount();
        void* h = kind.pfnCreate();
        ASSERT_NE(nullptr, h);
        EXPECT_EQ(nStart + 1, kind.pfnCount());
        kind.pfnDestroy(h);
        EXPECT_EQ(nStart, kind.pfnCount());
    }
}

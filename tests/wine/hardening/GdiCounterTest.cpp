#include "GdiCounter.h"
#include "skin/SkinTestFiles.h"

#include "platform/AygShell.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One kind of object the leak checks rest on: how it is made and given back, and its count.
struct CountedKind
{
    const char* pszWhat;
    std::function<void*()> create;
    std::function<void(void*)> destroy;
    long (*pfnCount)();
};

void Delete(void* h)
{
    DeleteObject(static_cast<HGDIOBJ>(h));
}

TEST(GdiCounter, CountsEachKindFromMadeUntilGivenBack)
{
    ASSERT_TRUE(CGdiCounter::Install());
    CSkinTestFiles files;
    const std::wstring bmp = files.Write(L"counted.bmp", MakeBmpBytes(3, 2, [](int, int) { return 0x123456u; }));
    const CountedKind kinds[] = {
        {"a memory DC", [] { return static_cast<void*>(CreateCompatibleDC(nullptr)); },
         [](void* h) { DeleteDC(static_cast<HDC>(h)); }, CGdiCounter::Live},
        {"a window DC", [] { return static_cast<void*>(GetDC(nullptr)); },
         [](void* h) { ReleaseDC(nullptr, static_cast<HDC>(h)); }, CGdiCounter::Live},
        {"a bitmap of the product's own loader", [&] { return static_cast<void*>(SHLoadDIBitmap(bmp.c_str())); },
         Delete, CGdiCounter::Live},
        {"a bitmap loaded from the resources",
         [] { return static_cast<void*>(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BAR_QVGA))); },
         Delete, CGdiCounter::Live},
        {"a font made from its fields",
         [] {
             return static_cast<void*>(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                                   DEFAULT_PITCH, L"Tahoma"));
         },
         Delete, CGdiCounter::Live},
        {"a menu loaded from the resources",
         [] { return static_cast<void*>(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_OPTIONS_MENU))); },
         [](void* h) { DestroyMenu(static_cast<HMENU>(h)); }, CGdiCounter::LiveMenus},
    };
    for (const CountedKind& kind : kinds)
    {
        SCOPED_TRACE(kind.pszWhat);
        const long nStart = kind.pfnCount();
        void* h = kind.create();
        ASSERT_NE(nullptr, h);
        EXPECT_EQ(nStart + 1, kind.pfnCount());
        kind.destroy(h);
        EXPECT_EQ(nStart, kind.pfnCount());
    }
}

}  // namespace

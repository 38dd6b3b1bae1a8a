#include "faults/FaultInjector.h"
#include "skin/SkinTestFiles.h"

#include "platform/AygShell.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
long HeldGdi() { return static_cast<long>(Faults::HeldGdiObjects().size()); }
}  // namespace

// The leak checks rest on this count: each kind of object must count from made until given back.
TEST(HandleCount, CountsEachKindFromMadeUntilGivenBack)
{
    ASSERT_TRUE(Faults::CountHandles(GetModuleHandleW(nullptr)));
    CSkinTestFiles files;
    const std::wstring bmp = files.Write(L"counted.bmp", MakeBmpBytes(3, 2, [](int, int) { return 0x123456u; }));
    const HINSTANCE hInstance = GetModuleHandleW(nullptr);
    const auto deleteObject = [](void* h) { DeleteObject(h); };
    const struct
    {
        const char* pszWhat;
        std::function<void*()> create;
        std::function<void(void*)> destroy;
        long (*pfnCount)();
    } kinds[] = {
        {"a memory DC", [] { return CreateCompatibleDC(nullptr); }, [](void* h) { DeleteDC(static_cast<HDC>(h)); },
         HeldGdi},
        {"a window DC", [] { return GetDC(nullptr); }, [](void* h) { ReleaseDC(nullptr, static_cast<HDC>(h)); },
         HeldGdi},
        {"a bitmap of the product's own loader", [&] { return SHLoadDIBitmap(bmp.c_str()); }, deleteObject,
         HeldGdi},
        {"a bitmap loaded from the resources", [&] { return LoadBitmapW(hInstance, MAKEINTRESOURCEW(IDB_BAR_QVGA)); },
         deleteObject, HeldGdi},
        {"a font made from its fields",
         [] {
             return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
         },
         deleteObject, HeldGdi},
        {"a menu loaded from the resources", [&] { return LoadMenuW(hInstance, MAKEINTRESOURCEW(IDR_OPTIONS_MENU)); },
         [](void* h) { DestroyMenu(static_cast<HMENU>(h)); }, Faults::HeldMenus},
    };
    for (const auto& kind : kinds)
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

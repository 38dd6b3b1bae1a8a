// Creates the text font in the process-wide font cache and exits. Run under a debugger,
// its debug output shows the cache's life; after the cache is destroyed at exit, it
// reports whether the font it made still exists.
#include "support/FontHelper.h"

#include <cstdlib>

namespace {

HFONT g_hCreated = nullptr;

}  // namespace

int main()
{
    // Registered before the cache exists, so it runs after the cache's destruction.
    std::atexit([] { OutputDebugStringW(GetObjectType(g_hCreated) == 0 ? L"font deleted\n" : L"font still alive\n"); });
    CFontHelper& fonts = CFontHelper::Instance();
    g_hCreated = fonts.CreateFontInSlot(CFontHelper::kTextFontSlot, -16, FW_NORMAL, L"Tahoma", 0, 0, 0);
    CFontHelper::Instance();  // a second use makes no second instance
    OutputDebugStringW(g_hCreated != nullptr && fonts.GetFont(1) == g_hCreated ? L"font created\n" : L"no font\n");
    return 0;
}

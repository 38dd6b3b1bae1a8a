// Loads SupportModule.dll, makes it create the text font and trace a line, unloads it,
// and reports through its exit code what the unload left: 0 the font was deleted, 1 the
// font survived the unload, 2 the module could not be used. Its log (ModuleHost_log.txt,
// named after this program) is read by the test.
#include <windows.h>

int main()
{
    HMODULE hModule = LoadLibraryW(L"SupportModule.dll");
    const auto pfnCreate = reinterpret_cast<HFONT (*)()>(
        reinterpret_cast<void*>(GetProcAddress(hModule, "CreateTextFont")));
    const auto pfnTrace = reinterpret_cast<void (*)(const char*)>(
        reinterpret_cast<void*>(GetProcAddress(hModule, "TraceFromModule")));
    if (hModule == nullptr || pfnCreate == nullptr || pfnTrace == nullptr)
        return 2;
    const HFONT hFont = pfnCreate();
    pfnTrace("traced inside the module");
    if (GetObjectType(hFont) != OBJ_FONT)
        return 2;
    FreeLibrary(hModule);
    return GetObjectType(hFont) == 0 ? 0 : 1;
}

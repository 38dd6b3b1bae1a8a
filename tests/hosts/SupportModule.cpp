// A small DLL built from the same support code as Keyboard.dll, to show what
// happens to the font cache and the log when a module that uses them unloads.
#include "support/FontHelper.h"
#include "support/LogFile.h"

extern "C" __declspec(dllexport) HFONT CreateTextFont()
{
    return CFontHelper::Instance().CreateFontInSlot(CFontHelper::kTextFontSlot, -16, FW_NORMAL, L"Tahoma", 0, 0, 0);
}

extern "C" __declspec(dllexport) void TraceFromModule(const char* pszMessage)
{
    LOG_MSG(pszMessage);
}

#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Fault injection through a loaded module's own import table: the module's imports of
// the functions listed in FaultInjector.cpp are redirected to wrappers that count the
// calls per function, make the k-th call of one chosen function fail as the platform
// documents it (a null handle with the last error set, FALSE, an error HRESULT or
// status, a read that fails, a write cut short by a full disk, malloc's null), and
// remember the handles the module made (GDI objects, DCs, windows, timers, menus,
// image lists, hooks, files, searches, registry keys, memory blocks from the C runtime's
// allocators) until it gives them back.
namespace Faults
{

struct CallCount
{
    std::string sFunction;
    long nCalls;
    bool bFallible;  // false for the functions that give handles back: they are only counted
};

// Patches hModule's import table once. sFail names the function whose nFailAt-th call
// (from 1) fails; empty for none. False when the function is not one of ours, or when
// nothing could be redirected.
bool Install(HMODULE hModule, const std::string& sFail, long nFailAt);

// Counts, without failing any call, the handles hModule makes and gives back through the
// same wrappers (its memory and look-ups by name are left alone): Wine's GetGuiResources
// reports 0 for every process, so a program counts its own GDI objects this way. Patches
// once; false when nothing could be redirected.
bool CountHandles(HMODULE hModule);
// The GDI objects and DCs made and not yet deleted or released; the menus not yet destroyed.
std::vector<void*> HeldGdiObjects();
long HeldMenus();

// Every redirected function with the calls it received, in the table's order.
std::vector<CallCount> Counts();
// The chosen call was reached and failed.
bool Injected();
// The return addresses on the stack of the failed call, innermost first.
std::vector<void*> FaultStack();
// Handles the module made and still holds, one line each ("window 0x1234 made by
// CreateWindowExW at Keyboard.dll+0x5678"); windows and timers count while their window exists.
std::vector<std::string> LiveHandles();

}  // namespace Faults

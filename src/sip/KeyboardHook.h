#pragma once
#include <windows.h>

// The low-level keyboard hook that lets the hardware arrow keys move the
// full-screen keyboard's caret while it is open. Its functions are looked up
// by name in the core system module.

// False when a hook procedure is already recorded (nothing changes then), or
// when the module, a function or the hook itself could not be had. A failed
// installation keeps the procedure recorded until RemoveKeyboardHook.
bool InstallKeyboardHook(HINSTANCE hInstance, HOOKPROC pfnHookProc);

// Removes the hook if one is set, frees the module and forgets the procedure.
bool RemoveKeyboardHook();

// The installed hook, null when none.
HHOOK GetKeyboardHook();

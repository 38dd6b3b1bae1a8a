#pragma once
#include <windows.h>

// The handle of the module that holds our resources: Keyboard.dll when loaded
// by the SIP manager, the test program when the code is linked into one.
extern HINSTANCE g_hInstance;

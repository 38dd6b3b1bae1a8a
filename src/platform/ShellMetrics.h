#pragma once
#include <windows.h>

// The device shell's strips: the taskbar along the top of the screen and the
// menu bar of soft keys along the bottom, each 26 pixels at 96 DPI.
int ShellBarHeight();

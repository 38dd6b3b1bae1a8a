#pragma once
#include <windows.h>

#include <string>

// Pictures of a loaded skin as the keyboard draws it, for authors without a device: every
// view, plain and with shift and caps lock latched, written as PNG files named
// SKIN_WxH_HAND_VIEW_STATE.png into pszFolder. Uses the keyboard's own drawing.
// Returns the number of pictures written.
int RenderSkinStates(HWND hwnd, LPCWSTR pszFolder, const std::wstring& skinName, bool bLeftHanded);

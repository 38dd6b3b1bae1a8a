#pragma once
#include <windows.h>

// The window class of the SIP bar and its window procedure.

constexpr wchar_t kSipBarClassName[] = L"IM";

// A private command that repaints the bar with its background erased.
constexpr WORD kRepaintCommandId = 8000;
constexpr LPARAM kRepaintCommandParam = 3;

bool RegisterSipBarClass(HINSTANCE hInstance);
LRESULT CALLBACK SipBarWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The notice the bar shows while settings and skin load.
void PaintInitializingNotice(HDC hdc, RECT rcClient);

#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The input method's windows among those of the device's thread, told apart as a
// user's eye does: by what they hold.

constexpr int kKeyboardControlId = 203;   // the keys of the full-screen keyboard
constexpr int kOptionsSkinListId = 212;
constexpr int kOptionsLeftId = 205;
constexpr int kOptionsRightId = 206;
constexpr int kOptionsAccentsId = 207;
constexpr UINT kOptionsOkCommand = 40000;
constexpr UINT kOptionsCancelCommand = 32771;

// The visible full-screen keyboard, or options dialog; nullptr when none is open.
HWND FindKeyboardDialog(DWORD dwThread);
HWND FindOptionsDialog(DWORD dwThread);

// Selects the skin the options dialog lists under this name; false when none is.
// Works from another thread than the dialog's.
bool SelectListedSkin(HWND hwndOptions, const std::wstring& sName);

// The middle of a button of the SIP bar window on the screen (0 to 7, keyboard
// to options), where the user sees it on the bar's bitmap centred in the window.
POINT BarButtonOnScreen(HWND hwndBar, int nButton);

// The visible dialog windows, message boxes among them, in no particular order.
std::vector<HWND> FindDialogs(DWORD dwThread);
// The visible message boxes, and the text of one (empty for another window).
std::vector<HWND> FindMessageBoxes(DWORD dwThread);
std::wstring MessageText(HWND hwndBox);

// One line per window: class, title, place, and whether visible and in front.
std::vector<std::string> DescribeWindows(DWORD dwThread);

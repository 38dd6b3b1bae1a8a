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
constexpr UINT kOptionsOkCommand = 40000;
constexpr UINT kOptionsCancelCommand = 32771;

// The visible full-screen keyboard, or options dialog; nullptr when none is open.
HWND FindKeyboardDialog(DWORD dwThread);
HWND FindOptionsDialog(DWORD dwThread);

// The visible message boxes, and the text of one.
std::vector<HWND> FindMessageBoxes(DWORD dwThread);
std::wstring MessageText(HWND hwndBox);

// One line per window: class, title, place, and whether visible and in front.
std::vector<std::string> DescribeWindows(DWORD dwThread);

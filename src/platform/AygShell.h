#pragma once
#include <windows.h>

// The Pocket PC shell functions the system calls (aygshell on a device),
// implemented here over desktop Win32. Each function lives in a file of its own.

struct SHINITDLGINFO
{
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
};

constexpr DWORD SHIDIM_FLAGS = 0x0001;
constexpr DWORD SHIDIF_DONEBUTTON = 0x0001;
constexpr DWORD SHIDIF_SIZEDLG = 0x0002;
constexpr DWORD SHIDIF_SIZEDLGFULLSCREEN = 0x0004;
constexpr DWORD SHIDIF_SIPDOWN = 0x0008;

struct SHMENUBARINFO
{
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;
    UINT nToolBarId;
    HINSTANCE hInstRes;
    int nBmpId;
    int cBmpImages;
    HWND hwndMB;
    COLORREF clrBk;
};

constexpr DWORD SHCMBF_HMENU = 0x0010;

constexpr DWORD SHFS_SHOWTASKBAR = 0x0001;
constexpr DWORD SHFS_HIDETASKBAR = 0x0002;
constexpr DWORD SHFS_SHOWSIPBUTTON = 0x0004;
constexpr DWORD SHFS_HIDESIPBUTTON = 0x0008;
constexpr DWORD SHFS_SHOWSTARTICON = 0x0010;
constexpr DWORD SHFS_HIDESTARTICON = 0x0020;

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(SHMENUBARINFO) == 36, "SHMENUBARINFO must match the device layout");
#endif

BOOL SHInitDialog(SHINITDLGINFO* pshidi);
BOOL SHCreateMenuBar(SHMENUBARINFO* pmbi);
BOOL SHFullScreen(HWND hwnd, DWORD dwState);
// An HBITMAP of a DIB section read from a .bmp file; null on any failure.
HBITMAP SHLoadDIBitmap(LPCWSTR pszPath);

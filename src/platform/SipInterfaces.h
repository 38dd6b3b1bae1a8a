#pragma once
#include <windows.h>
#include <unknwn.h>

// The interfaces of the Pocket PC SIP manager, declared here because no device
// SDK is at hand. Slot order and structure layouts are the device's: the SIP
// manager calls through the vtable by position.

// The key-event flag CE adds for events that must not click.
constexpr DWORD KEYEVENTF_SILENT = 0x0004;

// SIPINFO::fdwFlags: the input panel is up.
constexpr DWORD SIPF_ON = 0x00000001;

// wParam of the WM_SETTINGCHANGE that CE broadcasts after the screen turned.
constexpr WPARAM SETTINGCHANGE_RESET = 0x3002;

struct IMINFO
{
    DWORD cbSize;
    HANDLE hImageNarrow;
    HANDLE hImageWide;
    int iNarrow;
    int iWide;
    DWORD fdwFlags;
    RECT rcSipRect;
};

struct SIPINFO
{
    DWORD cbSize;
    DWORD fdwFlags;
    RECT rcVisibleDesktop;
    RECT rcSipRect;
    DWORD dwImDataSize;
    void* pvImData;
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(SIPINFO) == 48, "SIPINFO must match the device layout");
#endif

// {42429669-AE04-11D0-A4F8-00AA00A749B9}
inline constexpr IID IID_IIMCallback =
    {0x42429669, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};
// {42429666-AE04-11D0-A4F8-00AA00A749B9}
inline constexpr IID IID_IInputMethod =
    {0x42429666, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};

// What the SIP manager hands the input method to reach the focused application.
struct IIMCallback : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) = 0;                       // slot 3
    virtual HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) = 0;        // slot 4
    virtual HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars,
                                                     UINT* puShift, UINT* puChars) = 0;   // slot 5
    virtual HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) = 0;        // slot 6
};

// What the SIP manager calls on an input method.
struct IInputMethod : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Select(HWND hwndSip) = 0;                           // slot 3
    virtual HRESULT STDMETHODCALLTYPE Deselect() = 0;                                     // slot 4
    virtual HRESULT STDMETHODCALLTYPE Showing() = 0;                                      // slot 5
    virtual HRESULT STDMETHODCALLTYPE Hiding() = 0;                                       // slot 6
    virtual HRESULT STDMETHODCALLTYPE GetInfo(IMINFO* pimi) = 0;                          // slot 7
    virtual HRESULT STDMETHODCALLTYPE ReceiveSipInfo(SIPINFO* psi) = 0;                   // slot 8
    virtual HRESULT STDMETHODCALLTYPE RegisterCallback(IIMCallback* pIMCallback) = 0;     // slot 9
    virtual HRESULT STDMETHODCALLTYPE GetImData(DWORD dwSize, void* pvImData) = 0;        // slot 10
    virtual HRESULT STDMETHODCALLTYPE SetImData(DWORD dwSize, void* pvImData) = 0;        // slot 11
    virtual HRESULT STDMETHODCALLTYPE UserOptionsDlg(HWND hwndParent) = 0;                // slot 12
};

#pragma once
#include <windows.h>

// A second application, running on a thread of its own as another program
// would: bringing it to the front deactivates whatever the device's own thread
// shows without naming the window that takes over.
class COtherApp
{
public:
    COtherApp() = default;
    ~COtherApp();
    COtherApp(const COtherApp&) = delete;
    COtherApp& operator=(const COtherApp&) = delete;

    bool Start(HINSTANCE hInstance, const RECT& rc);
    void Move(const RECT& rc);
    // Brings it to the front (from any thread).
    void BringToFront();
    HWND Window() const { return m_hwnd; }

private:
    static DWORD WINAPI ThreadProc(void* pParameter);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static void OnPaint(HWND hwnd);

    HINSTANCE m_hInstance = nullptr;
    RECT m_rcStart{};
    HANDLE m_hThread = nullptr;
    HANDLE m_hReady = nullptr;
    DWORD m_dwThreadId = 0;
    HWND m_hwnd = nullptr;
};

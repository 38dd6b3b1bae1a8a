#pragma once
#include <windows.h>

// The window class of the SIP bar and its window procedure. The bar knows the
// object behind it only as an ISipBarClient: it hands that object the stylus in
// bar-bitmap coordinates and has it draw the bar.

// What the bar window asks of the object behind it.
class ISipBarClient
{
public:
    virtual void OnButtonDown(int x, int y) = 0;
    virtual void OnButtonMove(int x, int y) = 0;
    virtual void OnButtonUp() = 0;
    // Draws the bar as it stands into a DC of the window's client size.
    virtual void Paint(HDC hdc, const RECT& rcClient) const = 0;

protected:
    virtual ~ISipBarClient() = default;
};

// The bar bitmap with every button unpressed, loaded by each panel construction.
extern HBITMAP g_hBarBitmap;
// While set, the bar shows the initializing notice instead of its buttons.
extern BOOL g_bInitializing;
// The window class "IM" is registered in this process.
extern BOOL g_bClassRegistered;

constexpr wchar_t kSipBarClassName[] = L"IM";

// A private command that repaints the bar with its background erased.
constexpr WORD kRepaintCommandId = 8000;
constexpr LPARAM kRepaintCommandParam = 3;

bool RegisterSipBarClass(HINSTANCE hInstance);
LRESULT CALLBACK SipBarWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Gives a bar window the object behind it (null: none), which must outlive the window
// or be detached first.
void AttachBarClient(HWND hwnd, ISipBarClient* pClient);

// The notice the bar shows while settings and skin load.
void PaintInitializingNotice(HDC hdc, RECT rcClient);

// A stand-in for a bar bitmap that could not be loaded: white, of the bitmap's size, each
// button outlined where a tap finds it. Null when it cannot be made either.
struct BarButtonLayout;
HBITMAP CreatePlainBarBitmap(const BarButtonLayout& layout);

#include "SkinRender.h"

#include "device/harness/ImageFile.h"
#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPaint.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/DibSection.h"
#include "support/GdiHandles.h"

#include <filesystem>
#include <vector>

namespace {

struct LatchState
{
    const wchar_t* pszName;
    int bShift;
    int bCapsLock;
};

const LatchState g_states[] = {{L"plain", 0, 0}, {L"shift", 1, 0}, {L"caps", 0, 1}};

struct ViewName
{
    int nView;
    const wchar_t* pszName;
};

const ViewName g_views[] = {{VIEW_CHAR, L"characters"}, {VIEW_SYMBOL, L"symbols"}, {VIEW_NUMBER, L"numbers"}};

// The size the keyboard shows: the design size, turned when the backgrounds were turned.
SIZE ShownSize()
{
    const HBITMAP hBackground = g_skin.hCharBackground;
    if (hBackground != nullptr)
        return {GetBitmapWidth(hBackground), GetBitmapHeight(hBackground)};
    return {g_skin.nBackgroundWidth, g_skin.nBackgroundHeight};
}

bool WritePicture(HDC hdcScreen, HWND hwnd, const SIZE& size, const std::wstring& path)
{
    void* pBits = nullptr;
    CUniqueBitmap bitmap(CreateDib32(hdcScreen, size.cx, size.cy, true, &pBits));
    CMemoryDc dc(CreateCompatibleDC(hdcScreen));
    if (!bitmap || !dc)
        return false;
    {
        CSelectObject select(dc.Get(), bitmap.Get());
        const RECT rc = {0, 0, size.cx, size.cy};
        DrawKeyboard(hwnd, dc.Get(), rc);
        GdiFlush();
    }
    return WriteImageFile(RgbImageFromWords(static_cast<const uint32_t*>(pBits), size.cx, size.cy), path);
}

// The font of the keyboard dialog's template: 8 points of "System".
HFONT CreateDialogFont()
{
    CWindowDc dc(nullptr);
    const int nHeight = -MulDiv(8, GetDeviceCaps(dc.Get(), LOGPIXELSY), 72);
    return CreateFontW(nHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"System");
}

}  // namespace

int RenderSkinStates(HWND hwnd, LPCWSTR pszFolder, const std::wstring& skinName, bool bLeftHanded)
{
    const SIZE size = ShownSize();
    if (size.cx <= 0 || size.cy <= 0 || size.cx > 4096 || size.cy > 4096)
        return 0;
    std::error_code error;
    std::filesystem::create_directories(pszFolder, error);   // a failed write is reported per picture
    InitDisplayMetrics();
    CreatePreviewFonts(hwnd);

    // A sample text in an edit control, so the edit view shows where typed text goes.
    // It gets the keyboard dialog's font: the turned edit-view fonts are made from it.
    HWND hwndEdit = CreateWindowExW(0, L"EDIT", L"Brevanto 123", WS_CHILD | ES_MULTILINE, 0, 0, 200, 60, hwnd,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
    CUniqueFont dialogFont(CreateDialogFont());
    if (hwndEdit != nullptr)
        SendMessageW(hwndEdit, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont.Get()), FALSE);
    const HWND hwndOldEdit = g_hEditCtrlWnd;
    g_hEditCtrlWnd = hwndEdit;
    const int nOldView = g_nCurrentView, bOldShift = g_bShift, bOldCaps = g_bCapsLock, nOldPressed = g_nPressedKey;
    const int bOldCaret = g_bCaretVisible;
    g_bCaretVisible = 0;
    g_nPressedKey = KEY_NONE;

    const std::wstring screen =
        std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L"x" + std::to_wstring(GetSystemMetrics(SM_CYSCREEN));
    const std::wstring stem = skinName.substr(0, skinName.find_last_of(L'.'));
    int nWritten = 0;
    CWindowDc screenDc(nullptr);
    for (const ViewName& view : g_views)
    {
        for (const LatchState& state : g_states)
        {
            g_nCurrentView = view.nView;
            g_bShift = state.bShift;
            g_bCapsLock = state.bCapsLock;
            const std::wstring path = std::wstring(pszFolder) + L"\\" + stem + L"_" + screen + L"_" +
                                      (bLeftHanded ? L"left" : L"right") + L"_" + view.pszName + L"_" +
                                      state.pszName + L".png";
            nWritten += WritePicture(screenDc.Get(), hwnd, size, path) ? 1 : 0;
        }
    }

    g_nCurrentView = nOldView;
    g_bShift = bOldShift;
    g_bCapsLock = bOldCaps;
    g_nPressedKey = nOldPressed;
    g_bCaretVisible = bOldCaret;
    g_hEditCtrlWnd = hwndOldEdit;
    if (hwndEdit != nullptr)
        DestroyWindow(hwndEdit);
    ReleaseKeyboardFonts();
    return nWritten;
}

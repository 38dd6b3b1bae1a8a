#include "Measurements.h"

#include "BenchSip.h"
#include "BenchTimer.h"
#include "FirstPaintWatch.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardSkin.h"
#include "settings/Settings.h"
#include "sip/BarLayout.h"
#include "sip/SipActions.h"
#include "sip/SipPanel.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"
#include "support/ModuleInstance.h"

#include <cwchar>
#include <string>

namespace {

constexpr int kRounds = 10;
// A round that has not painted by then is ended and counted as failed.
constexpr UINT kRoundTimeoutMs = 10000;
constexpr wchar_t kPlainWindowClass[] = L"BrevantoBenchPlainWindow";

// Where the keyboard dialog stood at its first paint: the floor's window goes there.
RECT g_rcKeyboardDialog{};
HWND g_hPlainWindow = nullptr;

BOOL CALLBACK EndDialogWindow(HWND hwnd, LPARAM)
{
    WCHAR szClass[16] = {};
    if (GetClassNameW(hwnd, szClass, 16) != 0 && std::wcscmp(szClass, L"#32770") == 0)
        PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
    return TRUE;
}

// Ends what a stuck round left up: the keyboard, a message box, the plain window.
void CALLBACK OnRoundTimeout(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), EndDialogWindow, 0);
    if (g_hPlainWindow != nullptr)
        DestroyWindow(g_hPlainWindow);
}

class CRoundTimeout
{
public:
    CRoundTimeout() : m_idTimer(SetTimer(nullptr, 0, kRoundTimeoutMs, OnRoundTimeout)) {}
    ~CRoundTimeout()
    {
        if (m_idTimer != 0)
            KillTimer(nullptr, m_idTimer);
    }
    CRoundTimeout(const CRoundTimeout&) = delete;
    CRoundTimeout& operator=(const CRoundTimeout&) = delete;

private:
    UINT_PTR m_idTimer;
};

// A tap on the bar's keyboard button, from the start of the keyboard action to
// the end of the keyboard's first complete paint; the keyboard is then closed
// with OK (an empty text, nothing delivered).
double OpenKeyboardOnce(SipPanel& panel, int* pnFailures)
{
    const CFirstPaintWatch watch([] { return g_hKeyboardWnd; }, [](HWND) {
        GetWindowRect(g_hDlgWnd, &g_rcKeyboardDialog);
        PostMessageW(g_hDlgWnd, WM_COMMAND, IDOK, 0);
    });
    const CRoundTimeout timeout;
    const double dStart = NowMs();
    panel.m_nPressed = SIP_ACTION_KEYBOARD;
    panel.OnButtonUp();
    if (!watch.IsWatching() || watch.PaintedAt() == 0)
    {
        ++*pnFailures;
        return 0;
    }
    return watch.PaintedAt() - dStart;
}

LRESULT CALLBACK PlainWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_PAINT:
    {
        CPaintDc dc(hwnd);
        RECT rc{};
        GetClientRect(hwnd, &rc);
        FillRect(dc.Get(), &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        g_hPlainWindow = nullptr;
        return 0;
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}

// The floor: a plain window where the keyboard stood, from its creation to
// the end of its first complete paint, watched the same way.
double ShowPlainWindowOnce(int* pnFailures)
{
    const CFirstPaintWatch watch([] { return g_hPlainWindow; },
                                 [](HWND hwnd) { PostMessageW(hwnd, WM_CLOSE, 0, 0); });
    const CRoundTimeout timeout;
    const RECT& rc = g_rcKeyboardDialog;
    const double dStart = NowMs();
    g_hPlainWindow = CreateWindowExW(0, kPlainWindowClass, L"", WS_POPUP | WS_VISIBLE, rc.left, rc.top,
                                     rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, g_hInstance, nullptr);
    MSG msg;
    while (g_hPlainWindow != nullptr && GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (!watch.IsWatching() || watch.PaintedAt() == 0)
    {
        ++*pnFailures;
        return 0;
    }
    return watch.PaintedAt() - dStart;
}

const char* ClassName()
{
    switch (GetResolutionClass())
    {
    case ResolutionClass::Qvga: return "QVGA";
    case ResolutionClass::Vga: return "VGA";
    default: return "unsupported screen";
    }
}

// The same tap with word completion on (the English list kept from the opening before,
// the user's words read, the strip placed) against it off.
BenchRow MeasureCompletionCost(SipPanel& panel)
{
    BenchRow row{std::string("keyboard opening, ") + ClassName() + ", completion on"};
    row.goal = "1.1";
    row.floor = "the same with completion off";
    const WordSettings saved = GetWordSettings();
    WordSettings on;
    on.list = WordList::English;
    WordSettings off = on;
    off.bSuggest = false;
    int nFailures = 0;
    SetWordSettings(on);
    OpenKeyboardOnce(panel, &nFailures);   // reads the list, untimed
    const std::vector<SampleSummary> figures = MeasureInTurn(kRounds, {
        [&] { SetWordSettings(on); return OpenKeyboardOnce(panel, &nFailures); },
        [&] { SetWordSettings(off); return OpenKeyboardOnce(panel, &nFailures); },
    });
    row.figure = figures[0];
    row.floorFigure = figures[1];
    if (nFailures != 0)
        row.failure = std::to_string(nFailures) + " rounds did not paint in time";
    SetWordSettings(saved);
    return row;
}

}  // namespace

void MeasureOpenLatency(const CBenchSip& sip, std::vector<BenchRow>& rows)
{
    BenchRow row{std::string("keyboard opening, ") + ClassName() + ", skin loaded: tap to first full paint"};
    row.goal = "1.5";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PlainWindowProc;
    windowClass.hInstance = g_hInstance;
    windowClass.lpszClassName = kPlainWindowClass;
    RegisterClassW(&windowClass);

    // Settings written afresh and no skin counted as loaded: the first tap loads
    // the skin, as the first tap after installing does; the measured ones find
    // it loaded.
    SaveOptions();
    SetLoadedOrientation(kNoLoadedOrientation);
    SipPanel& panel = *sip.Panel();
    int nFailures = 0;
    OpenKeyboardOnce(panel, &nFailures);
    if (nFailures != 0 || g_bSkinLoadFailed || GetViewBackground(VIEW_CHAR) == nullptr)
    {
        row.failure = "the keyboard did not open with a skin";
    }
    else
    {
        ShowPlainWindowOnce(&nFailures);   // untimed, like the first tap
        const std::vector<SampleSummary> figures = MeasureInTurn(kRounds, {
            [&] { return OpenKeyboardOnce(panel, &nFailures); },
            [&] { return ShowPlainWindowOnce(&nFailures); },
        });
        const RECT& rc = g_rcKeyboardDialog;
        row.figure = figures[0];
        row.floor = "a plain " + std::to_string(rc.right - rc.left) + "x" + std::to_string(rc.bottom - rc.top) +
                    " window created and painted";
        row.floorFigure = figures[1];
        if (nFailures != 0)
            row.failure = std::to_string(nFailures) + " rounds did not paint in time";
    }
    rows.push_back(row);
    if (row.failure.empty())
        rows.push_back(MeasureCompletionCost(panel));
    ReleaseKeyboardFonts();
    ReleaseSkin();
}

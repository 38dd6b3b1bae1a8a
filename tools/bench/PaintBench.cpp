#include "Measurements.h"

#include "BenchSip.h"
#include "BenchTimer.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardTouch.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"
#include "support/ModuleInstance.h"

#include <string>
#include <utility>
#include <vector>

// Both screen classes in one process on one X screen: the layout of each class
// is loaded for its shorter side (LoadSkinForShortSide) while rectangles and
// bitmaps are turned for the real screen's orientation, and the keyboard dialog
// is placed by the product's own rule for a screen of that class in that
// orientation. Everything a paint touches is then what a device of the class
// would have; only the X screen around the dialog is larger. (The DPI, which
// sizes the edit font, is read once per process; Wine reports the same for
// every screen size, so a run on the class's own screen would read it alike.)

namespace {

constexpr int kRounds = 15;
constexpr int kEventsPerRound = 30;
constexpr int kCharacterKeys = 30;   // the letters and signs of the character view

struct ScreenClass
{
    const char* pszName;
    int nShortSide;
    int nLongSide;
};

const ScreenClass kClasses[] = {{"QVGA", 240, 320}, {"VGA", 480, 640}};

// The keyboard dialog, modeless and shown without taking the activation, placed
// as on a screen of the class, with two lines typed and caps lock latched, so
// that every layer of a paint has something to draw.
class CKeyboardOnClassScreen
{
public:
    CKeyboardOnClassScreen(const ScreenClass& screen, SIZE* pScreenSize)
    {
        m_hDlg = CreateDialogIndirectParamW(g_hInstance, LoadKeyboardTemplate(g_hInstance), nullptr,
                                            KeyboardDialogProc, 0);
        if (m_hDlg == nullptr)
            return;
        PlacementInput input = CurrentPlacementInput();
        const bool bLandscape = input.nScreen == ORIENT_LANDSCAPE;
        input.nScreenWidth = bLandscape ? screen.nLongSide : screen.nShortSide;
        input.nScreenHeight = bLandscape ? screen.nShortSide : screen.nLongSide;
        *pScreenSize = SIZE{input.nScreenWidth, input.nScreenHeight};
        const KeyboardPlacement placement = PlaceKeyboard(input);
        Move(m_hDlg, placement.dialog);
        Move(g_hEditCtrlWnd, placement.edit);
        Move(g_hKeyboardWnd, placement.keyboard);
        SetWindowTextW(g_hEditCtrlWnd, L"The quick brown fox\r\njumps over the lazy dog");
        g_nCurrentView = VIEW_CHAR;
        g_bCapsLock = 1;
        ShowWindow(m_hDlg, SW_SHOWNA);
        UpdateWindow(m_hDlg);
    }
    ~CKeyboardOnClassScreen()
    {
        g_nPressedKey = KEY_NONE;
        g_bCapsLock = 0;
        if (m_hDlg != nullptr)
        {
            g_bClosing = 1;   // not a switch to another application
            DestroyWindow(m_hDlg);
        }
    }
    CKeyboardOnClassScreen(const CKeyboardOnClassScreen&) = delete;
    CKeyboardOnClassScreen& operator=(const CKeyboardOnClassScreen&) = delete;

    bool IsOpen() const { return m_hDlg != nullptr && g_hKeyboardWnd != nullptr; }

private:
    static void Move(HWND hwnd, const PlacedRect& rc) { MoveWindow(hwnd, rc.x, rc.y, rc.nWidth, rc.nHeight, TRUE); }

    HWND m_hDlg = nullptr;
};

// Real stylus events on the keyboard, through the dialog's own handlers: a key
// pressed, a slide onto the next key, the lift there (which types it), and on
// to the key after, round the letters and signs of the character view. Each
// handler repaints at once what its event changed.
class CStylusEvents
{
public:
    explicit CStylusEvents(HWND hKeyboard) : m_hKeyboard(hKeyboard)
    {
        // The handlers take dialog client points and undo the keyboard's centring on the
        // real screen; the dialog here is placed for the class's screen, so the point that
        // reaches a key is found through that same conversion.
        ToKeyboardPoint(&m_nOffsetX, &m_nOffsetY);
    }

    void Next()
    {
        const POINT pt = DialogPointOf(m_nKey);
        switch (m_nStep)
        {
        case 0: OnKeyboardLButtonDown(m_hKeyboard, pt.x, pt.y); break;
        case 1: OnKeyboardMouseMove(m_hKeyboard, pt.x, pt.y); break;
        default: OnKeyboardLButtonUp(m_hKeyboard, pt.x, pt.y); break;
        }
        if (m_nStep != 2)
            m_nKey = (m_nKey + 1) % kCharacterKeys;
        m_nStep = (m_nStep + 1) % 3;
    }

private:
    POINT DialogPointOf(int nKey) const
    {
        KeyRecord key{};
        GetKeyRecord(nKey, &key);
        return POINT{(key.rcKey.left + key.rcKey.right) / 2 - m_nOffsetX,
                     (key.rcKey.top + key.rcKey.bottom) / 2 - m_nOffsetY};
    }

    HWND m_hKeyboard;
    int m_nOffsetX = 0;
    int m_nOffsetY = 0;
    int m_nKey = 0;
    int m_nStep = 0;
};

double StylusEvents(CStylusEvents& events)
{
    return TimePerCall(kEventsPerRound, [&] { events.Next(); });
}

// The same events with the whole keyboard invalidated before each, so that each
// paint covers all of it, as every event's once did.
double StylusEventsRepaintingAll(HWND hKeyboard, CStylusEvents& events)
{
    return TimePerCall(kEventsPerRound, [&] {
        InvalidateRect(hKeyboard, nullptr, FALSE);
        events.Next();
    });
}

// True when an invalidation of the control is painted by the time UpdateWindow
// returns, as it must be for the figures to mean anything.
bool PaintsAtOnce(HWND hKeyboard)
{
    InvalidateRect(hKeyboard, nullptr, FALSE);
    const bool bPending = GetUpdateRect(hKeyboard, nullptr, FALSE) != FALSE;
    UpdateWindow(hKeyboard);
    return bPending && !GetUpdateRect(hKeyboard, nullptr, FALSE);
}

constexpr wchar_t kFloorWindowClass[] = L"BrevantoBenchOneBlitWindow";

// The floor window's one bitmap, in the display's format, blitted whole by each WM_PAINT.
HBITMAP g_hFloorBitmap = nullptr;

LRESULT CALLBACK OneBlitWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_PAINT:
    {
        CPaintDc dc(hwnd);
        BITMAP bm{};
        GetObjectW(g_hFloorBitmap, sizeof bm, &bm);
        CMemoryDc memDc(CreateCompatibleDC(dc.Get()));
        CSelectObject select(memDc.Get(), g_hFloorBitmap);
        BitBlt(dc.Get(), 0, 0, bm.bmWidth, bm.bmHeight, memDc.Get(), 0, 0, SRCCOPY);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}

// The least a paint through the message loop costs: a popup of the keyboard's
// size and place whose WM_PAINT blits one full-area bitmap of the display's format.
class COneBlitWindow
{
public:
    COneBlitWindow(HWND hKeyboard, int nWidth, int nHeight)
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = OneBlitWindowProc;
        windowClass.hInstance = g_hInstance;
        windowClass.lpszClassName = kFloorWindowClass;
        RegisterClassW(&windowClass);
        {
            CWindowDc screen(hKeyboard);
            m_bitmap.Reset(CreateCompatibleBitmap(screen.Get(), nWidth, nHeight));
            CMemoryDc dc(CreateCompatibleDC(screen.Get()));
            CSelectObject select(dc.Get(), m_bitmap.Get());
            DrawBitmapAt(dc.Get(), 0, 0, GetViewBackground(VIEW_CHAR));
        }
        g_hFloorBitmap = m_bitmap.Get();
        RECT rc{};
        GetWindowRect(hKeyboard, &rc);
        m_hwnd = CreateWindowExW(WS_EX_NOACTIVATE, kFloorWindowClass, L"", WS_POPUP, rc.left, rc.top, nWidth, nHeight,
                                 nullptr, nullptr, g_hInstance, nullptr);
        ShowWindow(m_hwnd, SW_SHOWNA);
    }
    ~COneBlitWindow()
    {
        if (m_hwnd != nullptr)
            DestroyWindow(m_hwnd);
        g_hFloorBitmap = nullptr;
    }
    COneBlitWindow(const COneBlitWindow&) = delete;
    COneBlitWindow& operator=(const COneBlitWindow&) = delete;

    HWND Window() const { return m_hwnd; }

private:
    CUniqueBitmap m_bitmap;
    HWND m_hwnd = nullptr;
};

// The two windows lie over each other: the measured one goes on top first, and
// what that uncovers is painted before the clock starts.
void BringToTop(HWND hwnd)
{
    SetWindowPos(GetAncestor(hwnd, GA_ROOT), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(GetAncestor(hwnd, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

double RepaintsOnTop(HWND hwnd)
{
    BringToTop(hwnd);
    return TimePerCall(kEventsPerRound, [&] {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    });
}

// Typed text of about nUnits units as a user leaves it: sentences, a line break
// now and then, the caret at the end and the view scrolled to it.
void TypeText(int nUnits)
{
    std::wstring text;
    for (int i = 1; static_cast<int>(text.size()) < nUnits; ++i)
        text += std::wstring(i % 10 == 0 ? L"\r\n" : L"") + L"The quick brown fox jumps over the lazy dog. ";
    text.resize(static_cast<size_t>(nUnits));
    SetWindowTextW(g_hEditCtrlWnd, text.c_str());
    SendMessageW(g_hEditCtrlWnd, EM_SETSEL, static_cast<WPARAM>(nUnits), nUnits);
    SendMessageW(g_hEditCtrlWnd, EM_SCROLLCARET, 0, 0);
}

std::vector<BenchRow> MeasureClass(HWND hwndSipBar, const ScreenClass& screen)
{
    BenchRow row{std::string("paint per stylus event, ") + screen.pszName};
    ReleaseKeyboardFonts();
    ReleaseSkin();
    if (LoadSkinForShortSide(g_hInstance, hwndSipBar, screen.nShortSide) != 1 ||
        GetViewBackground(VIEW_CHAR) == nullptr)
    {
        row.failure = "Silver has no layout for this class";
        ReleaseSkin();
        return {row};
    }
    CreatePreviewFonts(hwndSipBar);
    std::vector<BenchRow> rows;
    {
        SIZE screenSize{};
        CKeyboardOnClassScreen keyboard(screen, &screenSize);
        row.measurement += " " + std::to_string(screenSize.cx) + "x" + std::to_string(screenSize.cy);
        RECT rc{};
        if (!keyboard.IsOpen() || !GetClientRect(g_hKeyboardWnd, &rc) || rc.right == 0)
        {
            row.failure = "the keyboard did not open";
        }
        else if (!PaintsAtOnce(g_hKeyboardWnd))
        {
            row.failure = "the keyboard is not painted when asked";
        }
        else
        {
            const std::string size = std::to_string(rc.right) + "x" + std::to_string(rc.bottom);
            const COneBlitWindow floorWindow(g_hKeyboardWnd, rc.right, rc.bottom);
            const HWND hKeyboard = g_hKeyboardWnd;
            CStylusEvents events(hKeyboard);
            const auto changed = [&] {
                BringToTop(hKeyboard);
                return StylusEvents(events);
            };
            const auto whole = [&] {
                BringToTop(hKeyboard);
                return StylusEventsRepaintingAll(hKeyboard, events);
            };
            const auto floor = [&] { return RepaintsOnTop(floorWindow.Window()); };

            changed();   // untimed: fonts and caches
            whole();
            floor();
            const std::vector<SampleSummary> figures = MeasureInTurn(kRounds, {changed, floor, whole});
            row.figure = figures[0];
            row.floor = "WM_PAINT of one full-area blit, " + size;
            row.floorFigure = figures[1];
            row.goal = "0.5";
            rows.push_back(row);
            rows.push_back(BenchRow{"- the same, the whole keyboard repainted", figures[2], row.floor, figures[1]});

            // The edit view draws only its visible lines: the text's length must not show.
            std::vector<SampleSummary> byLength;
            for (int nUnits : {0, 1000, 10000})
            {
                TypeText(nUnits);
                changed();
                byLength.push_back(MeasureInTurn(kRounds, {changed})[0]);
            }
            const std::string empty = "the same from an empty text";
            rows.push_back(BenchRow{"- with 1,000 characters typed", byLength[1], empty, byLength[0], "", "ms", "1.2"});
            rows.push_back(BenchRow{"- with 10,000 characters typed", byLength[2], empty, byLength[0], "", "ms", "1.2"});
            return rows;
        }
    }
    ReleaseKeyboardFonts();
    ReleaseSkin();
    return {row};
}

}  // namespace

void MeasurePaint(const CBenchSip& sip, std::vector<BenchRow>& rows)
{
    for (const ScreenClass& screen : kClasses)
    {
        for (BenchRow& row : MeasureClass(sip.BarWindow(), screen))
            rows.push_back(std::move(row));
        ReleaseKeyboardFonts();
        ReleaseSkin();
    }
}

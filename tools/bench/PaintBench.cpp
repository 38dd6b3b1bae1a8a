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

// What a stylus event costs the keyboard: the next key pressed, and the paint
// that RedrawKeyboard runs at once (invalidation, WM_PAINT, composition off
// screen, one blit onto the control).
double PaintEvents(HWND hKeyboard, int* pnKey)
{
    return TimePerCall(kEventsPerRound, [&] {
        g_nPressedKey = *pnKey;
        *pnKey = (*pnKey + 1) % kCharacterKeys;
        RedrawKeyboard(hKeyboard);
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

BenchRow MeasureClass(HWND hwndSipBar, const ScreenClass& screen)
{
    BenchRow row{std::string("paint per stylus event, ") + screen.pszName};
    ReleaseKeyboardFonts();
    ReleaseSkin();
    if (LoadSkinForShortSide(g_hInstance, hwndSipBar, screen.nShortSide) != 1 ||
        GetViewBackground(VIEW_CHAR) == nullptr)
    {
        row.failure = "Silver has no layout for this class";
        ReleaseSkin();
        return row;
    }
    CreatePreviewFonts(hwndSipBar);
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
            // The floor: the background into an off-screen bitmap and that onto
            // the control, both over the control's whole area.
            CWindowDc target(g_hKeyboardWnd);
            CMemoryDc backgroundDc(CreateCompatibleDC(target.Get()));
            CSelectObject background(backgroundDc.Get(), GetViewBackground(VIEW_CHAR));
            CMemoryDc middleDc(CreateCompatibleDC(target.Get()));
            CUniqueBitmap middle(CreateCompatibleBitmap(target.Get(), rc.right, rc.bottom));
            CSelectObject selectMiddle(middleDc.Get(), middle.Get());
            auto twoBlits = [&] {
                BitBlt(middleDc.Get(), 0, 0, rc.right, rc.bottom, backgroundDc.Get(), 0, 0, SRCCOPY);
                BitBlt(target.Get(), 0, 0, rc.right, rc.bottom, middleDc.Get(), 0, 0, SRCCOPY);
            };

            int nKey = 0;
            PaintEvents(g_hKeyboardWnd, &nKey);   // untimed: fonts and caches
            const std::vector<SampleSummary> figures = MeasureInTurn(kRounds, {
                [&] { return PaintEvents(g_hKeyboardWnd, &nKey); },
                [&] { return TimePerCall(kEventsPerRound, twoBlits); },
            });
            row.figure = figures[0];
            row.floor = "two full-area blits, " + std::to_string(rc.right) + "x" + std::to_string(rc.bottom);
            row.floorFigure = figures[1];
        }
    }
    ReleaseKeyboardFonts();
    ReleaseSkin();
    return row;
}

}  // namespace

void MeasurePaint(const CBenchSip& sip, std::vector<BenchRow>& rows)
{
    for (const ScreenClass& screen : kClasses)
        rows.push_back(MeasureClass(sip.BarWindow(), screen));
}

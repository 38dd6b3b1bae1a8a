#include "ScriptRunner.h"

#include "DeviceLayout.h"
#include "DeviceWindows.h"
#include "InputInjector.h"
#include "common/TextUtf.h"
#include "keyboard/Alternates.h"
#include "keyboard/AlternatesStrip.h"
#include "support/ScreenRules.h"

namespace {

// The keyboard opens the strip after 500 ms; the finger stays well past that.
constexpr DWORD kHoldMs = 700;
// A finger slides through a few points on its way, not in one jump.
constexpr int kSlideSteps = 4;

}  // namespace

// The middle of the strip's cell, placed as the keyboard places it: next to the
// held key on the keyboard control, along the keyboard's text, each cell a
// fingertip wide at the DPI the keyboard reads.
bool CScriptRunner::StripCellOnScreen(const TypingStep& step, POINT& pt, std::string& sWhy)
{
    const HWND hwndControl = GetDlgItem(m_hwndKeyboard, kKeyboardControlId);
    RECT rcControl{};
    if (hwndControl == nullptr || !GetClientRect(hwndControl, &rcControl))
    {
        sWhy = "the keyboard has no keys";
        return false;
    }
    const int nWidth = GetSystemMetrics(SM_CXSCREEN), nHeight = GetSystemMetrics(SM_CYSCREEN);
    const int nDpi = ApplyDpiOverride(ScreenDpi{GetScreenDpi(), GetScreenDpi()}, nWidth, nHeight).nLogPixelsY;
    const KeyRect& key = m_skin.geometry.aKeys[step.nKey];
    const StripInput input{ViewRect{key.nLeft, key.nTop, key.nRight, key.nBottom},
                           rcControl.right,
                           rcControl.bottom,
                           TextTurnOf(m_skin.geometry.nOrientation, ShapeOf(nWidth, nHeight), m_skin.bLeftHanded),
                           step.nCells,
                           MinimumCellPixels(nDpi)};
    ViewRect aCells[kMaxAlternates];
    const int nPlaced = PlaceAlternatesStrip(input, aCells);
    if (step.nCell >= nPlaced)
    {
        sWhy = "the keyboard has no room for cell " + std::to_string(step.nCell + 1) + " of the alternates of " +
               GetTypingKey(step.nKey)->pszName;
        return false;
    }
    const ViewRect& cell = aCells[step.nCell];
    pt = POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    return ClientToScreen(hwndControl, &pt) != FALSE;
}

bool CScriptRunner::LongPress(const TypingStep& step, const std::string& photo, std::string& sWhy)
{
    POINT ptKey{}, ptCell{};
    if (!KeyOnScreen(step.nKey, ptKey, sWhy) || !StripCellOnScreen(step, ptCell, sWhy))
        return false;
    if (!PressAt(ptKey.x, ptKey.y))
    {
        sWhy = "the pointer did not reach the key";
        return false;
    }
    Sleep(kHoldMs);
    Sync();
    for (int i = 1; i <= kSlideSteps; ++i)
    {
        const int x = ptKey.x + (ptCell.x - ptKey.x) * i / kSlideSteps;
        const int y = ptKey.y + (ptCell.y - ptKey.y) * i / kSlideSteps;
        if (!InputInjector::MoveTo(x, y))
        {
            InputInjector::Lift(x, y);
            sWhy = "the finger could not slide onto the alternates";
            return false;
        }
        Sync();
    }
    const bool bPhotographed = photo.empty() || Photograph(photo, "keyboard", sWhy);
    InputInjector::Lift(ptCell.x, ptCell.y);
    ApplyAlternate(m_keyboardState, OfferedAlternates(m_keyboardState, step.nKey, m_skin.geometry.aAlternates[step.nKey]),
                   step.nCell);
    Sync();
    return bPhotographed;
}

bool CScriptRunner::OnHold(const ScriptCommand& command, std::string& sWhy)
{
    const std::wstring character = Widen(command.argument);
    TypingPlan plan;
    if (character.size() != 1)
    {
        sWhy = "hold takes one character";
        return false;
    }
    if (!PrepareKeyboard(sWhy) || !PlanText(character, plan, sWhy))
        return false;
    if (plan.aSteps.back().nCell < 0)
    {
        sWhy = "a tap types " + command.argument + "; there is nothing to hold";
        return false;
    }
    return PlaySteps(plan.aSteps, command.region, sWhy);
}

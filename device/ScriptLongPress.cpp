#include "ScriptRunner.h"

#include "DeviceLayout.h"
#include "DeviceWindows.h"
#include "device/harness/InputInjector.h"
#include "device/harness/TextUtf.h"
#include "device/TypingKeys.h"
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
// held key within the part of the keyboard control on the screen, along the
// keyboard's text, each cell a fingertip wide at the DPI the keyboard reads.
bool CScriptRunner::StripCellOnScreen(const TypingStep& step, POINT& pt, std::string& sWhy)
{
    const HWND hwndControl = GetDlgItem(m_hwndKeyboard, kKeyboardControlId);
    RECT rcControl{};
    POINT ptOrigin{0, 0};
    if (hwndControl == nullptr || !GetClientRect(hwndControl, &rcControl) || !ClientToScreen(hwndControl, &ptOrigin))
    {
        sWhy = "the keyboard has no keys";
        return false;
    }
    const int nWidth = GetSystemMetrics(SM_CXSCREEN), nHeight = GetSystemMetrics(SM_CYSCREEN);
    const RECT rcScreen{-ptOrigin.x, -ptOrigin.y, nWidth - ptOrigin.x, nHeight - ptOrigin.y};
    RECT rcVisible{};
    IntersectRect(&rcVisible, &rcControl, &rcScreen);
    const int nDpi = ApplyDpiOverride(ScreenDpi{GetScreenDpi(), GetScreenDpi()}, nWidth, nHeight).nLogPixelsY;
    const KeyRect& key = m_skin.geometry.aKeys[step.nKey];
    const StripInput input{
        ViewRect{key.nLeft - rcVisible.left, key.nTop - rcVisible.top, key.nRight - rcVisible.left,
                 key.nBottom - rcVisible.top},
        rcVisible.right - rcVisible.left,
        rcVisible.bottom - rcVisible.top,
        TextTurnOf(m_skin.geometry.nOrientation, ShapeOf(nWidth, nHeight), m_skin.bLeftHanded),
        step.nCells,
        MinimumCellPixels(nDpi)};
    ViewRect aCells[kMaxAlternates];
    if (PlaceAlternatesStrip(input, aCells) != step.nCells)
    {
        sWhy = std::string("the keyboard has no room for the alternates of ") + GetTypingKey(step.nKey)->pszName;
        return false;
    }
    const ViewRect& cell = aCells[step.nCell];
    pt = POINT{rcVisible.left + (cell.left + cell.right) / 2, rcVisible.top + (cell.top + cell.bottom) / 2};
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
    const AlternateList offered =
        OfferedAlternates(m_keyboardState, step.nKey, m_skin.geometry.aAlternates[step.nKey]);
    ApplyAlternate(m_keyboardState, offered, step.nCell);
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

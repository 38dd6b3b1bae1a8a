#include "ScriptRunner.h"

#include "DeviceWindows.h"
#include "device/harness/TextUtf.h"
#include "device/TypingKeys.h"
#include "keyboard/PlatformCapital.h"

// Reads the skin when a keyboard opened since the last look. A keyboard that
// reloaded its skin (settings rewritten, screen turned, first opening) starts
// again in the character view; caps lock and shift carry over.
bool CScriptRunner::PrepareKeyboard(std::string& sWhy)
{
    const HWND hwndDialog = FindKeyboardDialog(m_dwDeviceThread);
    if (hwndDialog == nullptr)
    {
        sWhy = "the keyboard is not open";
        return false;
    }
    if (hwndDialog == m_hwndKeyboard)
        return true;
    const ULONGLONG ullOptionsTime = OptionsFileTime(m_sModuleDir);
    const int nWidth = GetSystemMetrics(SM_CXSCREEN), nHeight = GetSystemMetrics(SM_CYSCREEN);
    const int nOrientation = static_cast<int>(ShapeOf(nWidth, nHeight));
    if (!m_bEverOpened || ullOptionsTime != m_ullOptionsTime || nOrientation != m_nOrientation)
        m_keyboardState.nView = 1;
    m_bEverOpened = true;
    m_ullOptionsTime = ullOptionsTime;
    m_nOrientation = nOrientation;
    if (!ReadLoadedSkin(m_sModuleDir, m_skin, sWhy))
        return false;
    m_hwndKeyboard = hwndDialog;
    return true;
}

// A screen point the keyboard resolves to key nKey in the current view.
bool CScriptRunner::KeyOnScreen(int nKey, POINT& pt, std::string& sWhy)
{
    const HWND hwndControl = GetDlgItem(m_hwndKeyboard, kKeyboardControlId);
    int x = 0, y = 0;
    if (hwndControl == nullptr || !FindTapPoint(m_skin.geometry, nKey, m_keyboardState.nView, x, y))
    {
        sWhy = std::string("the key ") + GetTypingKey(nKey)->pszName + " cannot be tapped in this view";
        return false;
    }
    pt = POINT{x, y};
    return ClientToScreen(hwndControl, &pt) != FALSE;
}

bool CScriptRunner::TapKey(int nKey, std::string& sWhy)
{
    POINT pt{};
    if (!KeyOnScreen(nKey, pt, sWhy))
        return false;
    if (!TapAt(pt.x, pt.y))
    {
        sWhy = "the pointer did not reach the key";
        return false;
    }
    ApplyKey(m_keyboardState, nKey);
    Sync();
    return true;
}

bool CScriptRunner::OnKey(const ScriptCommand& command, std::string& sWhy)
{
    const int nKey = FindTypingKey(command.argument);
    if (nKey < 0)
    {
        sWhy = "no key is called " + command.argument;
        return false;
    }
    const std::size_t nMessagesBefore = m_messages.size();
    if (!PrepareKeyboard(sWhy) || !TapKey(nKey, sWhy))
        return false;
    // An OK that could not send the text leaves the keyboard open and says so; the user,
    // told to, taps OK once more.
    if (command.argument == "char_ok" && m_messages.size() != nMessagesBefore &&
        FindKeyboardDialog(m_dwDeviceThread) == m_hwndKeyboard)
        return TapKey(nKey, sWhy);
    return true;
}

bool CScriptRunner::PlanText(const std::wstring& text, TypingPlan& plan, std::string& sWhy)
{
    KeyAvailability available{};
    for (int i = 0; i < TYPING_KEY_COUNT; ++i)
        available[i] = !m_skin.geometry.aKeys[i].IsEmpty();
    // The keyboard gives letters beyond its own case table the platform's capitals; so does the plan.
    SetCapitalFallback(PlatformCapital);
    plan = PlanTyping(text, m_keyboardState, available, &m_skin.geometry.aAlternates);
    if (plan.bComplete)
        return true;
    sWhy = "the skin has no way to type character " + std::to_string(plan.nFailedAt + 1) + " of the text";
    return false;
}

bool CScriptRunner::PlaySteps(const std::vector<TypingStep>& aSteps, const std::string& photo, std::string& sWhy)
{
    for (const TypingStep& step : aSteps)
    {
        if (FindKeyboardDialog(m_dwDeviceThread) != m_hwndKeyboard)
        {
            sWhy = "the keyboard closed while typing";
            return false;
        }
        if (step.nCell < 0 ? !TapKey(step.nKey, sWhy) : !LongPress(step, photo, sWhy))
            return false;
    }
    return true;
}

bool CScriptRunner::OnType(const ScriptCommand& command, std::string& sWhy)
{
    TypingPlan plan;
    return PrepareKeyboard(sWhy) && PlanText(Widen(command.argument), plan, sWhy) &&
           PlaySteps(plan.aSteps, std::string(), sWhy);
}

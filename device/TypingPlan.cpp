#include "TypingPlan.h"

#include "TypingKeys.h"

#include <queue>

namespace {

bool IsShiftApplied(const KeyboardState& state, int nKey)
{
    if (nKey >= 0 && nKey <= 25)
        return state.bCapsLock != state.bShift;
    if (nKey >= 26 && nKey <= 29)
        return state.bShift;
    return false;
}

bool IsVisible(const KeyboardState& state, int nKey)
{
    const TypingKey* pKey = GetTypingKey(nKey);
    return pKey != nullptr && (pKey->nView == TYPING_VIEW_ALL || pKey->nView == state.nView);
}

int StateNumber(const KeyboardState& s)
{
    return (s.nView - 1) * 4 + (s.bCapsLock ? 2 : 0) + (s.bShift ? 1 : 0);
}

KeyboardState StateFromNumber(int n)
{
    KeyboardState s;
    s.nView = n / 4 + 1;
    s.bCapsLock = (n & 2) != 0;
    s.bShift = (n & 1) != 0;
    return s;
}

// One step in state current that types wanted: a tap, or (bLongPress) a long
// press and a cell of its strip.
bool FindStep(const std::wstring& wanted, const KeyboardState& current, const KeyAvailability& available,
              const SkinAlternates* pSkinAlternates, bool bLongPress, TypingStep& step, KeyboardState& after)
{
    for (int nKey = 0; nKey < TYPING_KEY_COUNT; ++nKey)
    {
        if (!available[nKey] || !IsVisible(current, nKey))
            continue;
        if (!bLongPress)
        {
            after = current;
            step = TypingStep{nKey, -1, 0};
            if (ApplyKey(after, nKey) == wanted)
                return true;
            continue;
        }
        const AlternateList offered =
            OfferedAlternates(current, nKey, pSkinAlternates != nullptr ? (*pSkinAlternates)[nKey] : std::wstring());
        for (int nCell = 0; nCell < offered.nCount; ++nCell)
        {
            after = current;
            step = TypingStep{nKey, nCell, offered.nCount};
            if (ApplyAlternate(after, offered, nCell) == wanted)
                return true;
        }
    }
    return false;
}

// Breadth-first over the twelve keyboard states, moving with the keys that type
// nothing, until a state where one step types wanted.
bool PlanCharacter(const std::wstring& wanted, KeyboardState& state, const KeyAvailability& available,
                   const SkinAlternates* pSkinAlternates, bool bLongPress, std::vector<TypingStep>& aSteps)
{
    static const int s_aModifierKeys[] = {TYPING_KEY_SHIFT, TYPING_KEY_NUMBER_VIEW, TYPING_KEY_SYMBOL_VIEW,
                                          TYPING_KEY_CAPS};
    constexpr int nStates = 12;
    int aFrom[nStates];
    int aVia[nStates];
    bool aSeen[nStates] = {};
    std::queue<int> pending;
    const int nStart = StateNumber(state);
    aSeen[nStart] = true;
    aFrom[nStart] = -1;
    aVia[nStart] = -1;
    pending.push(nStart);
    while (!pending.empty())
    {
        const int nCurrent = pending.front();
        pending.pop();
        const KeyboardState current = StateFromNumber(nCurrent);
        TypingStep step;
        KeyboardState after;
        if (FindStep(wanted, current, available, pSkinAlternates, bLongPress, step, after))
        {
            std::vector<TypingStep> aPath{step};
            for (int n = nCurrent; aVia[n] != -1; n = aFrom[n])
                aPath.insert(aPath.begin(), TypingStep{aVia[n], -1, 0});
            aSteps.insert(aSteps.end(), aPath.begin(), aPath.end());
            state = after;
            return true;
        }
        for (int nKey : s_aModifierKeys)
        {
            if (!available[nKey])
                continue;
            KeyboardState next = current;
            ApplyKey(next, nKey);
            const int nNext = StateNumber(next);
            if (aSeen[nNext])
                continue;
            aSeen[nNext] = true;
            aFrom[nNext] = nCurrent;
            aVia[nNext] = nKey;
            pending.push(nNext);
        }
    }
    return false;
}

}  // namespace

std::wstring ApplyKey(KeyboardState& state, int nKey)
{
    const TypingKey* pKey = GetTypingKey(nKey);
    if (pKey == nullptr || !IsVisible(state, nKey))
        return std::wstring();
    switch (nKey)
    {
    case TYPING_KEY_NUMBER_VIEW:
        if (state.nView >= 1 && state.nView <= 3)
            state.nView = state.nView == 3 ? 1 : 3;
        return std::wstring();
    case TYPING_KEY_SYMBOL_VIEW:
        if (state.nView >= 1 && state.nView <= 3)
            state.nView = state.nView == 2 ? 1 : 2;
        return std::wstring();
    case TYPING_KEY_CAPS:
        state.bCapsLock = !state.bCapsLock;
        return std::wstring();
    case TYPING_KEY_SHIFT:
        state.bShift = !state.bShift;
        return std::wstring();
    case TYPING_KEY_OK:
    case TYPING_KEY_BACKSPACE:
        return std::wstring();
    case TYPING_KEY_ENTER:
        return pKey->pszText;
    default:
        break;
    }
    std::wstring text = IsShiftApplied(state, nKey) ? pKey->pszShifted : pKey->pszText;
    state.bShift = false;
    return text;
}

AlternateList OfferedAlternates(const KeyboardState& state, int nKey, const std::wstring& skinOwn)
{
    // OK, space, the view keys, caps lock, enter, shift and backspace offer none.
    KeyboardState after = state;
    const std::wstring typed = ApplyKey(after, nKey);
    if (typed.size() != 1 || (nKey >= TYPING_KEY_OK && nKey <= TYPING_KEY_BACKSPACE))
        return AlternateList{};
    if (!skinOwn.empty())
        return ReadSkinAlternates(skinOwn.c_str());
    return FindBuiltInAlternates(nKey <= 25 ? GetTypingKey(nKey)->pszText[0] : typed[0]);
}

std::wstring ApplyAlternate(KeyboardState& state, const AlternateList& offered, int nCell)
{
    if (nCell < 0 || nCell >= offered.nCount)
        return std::wstring();
    const LetterCase letterCase = LetterCaseFor(state.bCapsLock, state.bShift);
    state.bShift = false;
    return std::wstring(1, CellInCase(offered.aCells[nCell], letterCase));
}

TypingPlan PlanTyping(const std::wstring& sText, const KeyboardState& state, const KeyAvailability& available,
                      const SkinAlternates* pSkinAlternates)
{
    TypingPlan plan;
    plan.finalState = state;
    for (size_t i = 0; i < sText.size(); ++i)
    {
        std::wstring wanted(1, sText[i]);
        if (sText[i] == L'\r' && i + 1 < sText.size() && sText[i + 1] == L'\n')
            continue;   // the line feed that follows is the line break
        if (sText[i] == L'\n' || sText[i] == L'\r')
            wanted = L"\r\n";
        // A tap wherever one will do, so that a long press never changes how a text is typed.
        if (!PlanCharacter(wanted, plan.finalState, available, pSkinAlternates, false, plan.aSteps) &&
            !PlanCharacter(wanted, plan.finalState, available, pSkinAlternates, true, plan.aSteps))
        {
            plan.nFailedAt = i;
            return plan;
        }
    }
    plan.bComplete = true;
    return plan;
}

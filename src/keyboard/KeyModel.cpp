#include "keyboard/KeyModel.h"

#include "keyboard/KeyStrip.h"

#include <cwchar>

int g_nPressedKey = KEY_NONE;
int g_bCapsLock = 0;
int g_bShift = 0;
int g_bStylusDown = 0;

namespace {

constexpr int kLabelUnits = 10;
wchar_t g_szKeyLabel[kLabelUnits];
// The character a lift on the strip types, as a text.
wchar_t g_szChosen[2];

bool Holds(const KeyPlace& key, int x, int y)
{
    return key.nLeft <= x && x < key.nRight && key.nTop <= y && y < key.nBottom;
}

}  // namespace

int FindKeyAt(const KeyPlace* pKeys, int nCount, int nView, int x, int y)
{
    if (pKeys == nullptr)
        return KEY_NONE;
    for (int i = 0; i < nCount; ++i)
    {
        const KeyPlace& key = pKeys[i];
        if ((key.nView == VIEW_ALL || key.nView == nView) && Holds(key, x, y))
            return i;
    }
    return KEY_NONE;
}

const wchar_t* GetKeyText(int nIndex, bool bCapsLock, bool bShift)
{
    const KeyInfo* pKey = FindKeyInfo(nIndex);
    if (pKey == nullptr)
        return nullptr;
    switch (pKey->kind)
    {
    case KeyKind::Letter:
        return bCapsLock != bShift ? pKey->pszShifted : pKey->pszText;
    case KeyKind::Punctuation:
        return bShift ? pKey->pszShifted : pKey->pszText;
    default:
        return pKey->pszText;
    }
}

const wchar_t* GetKeyLabel()
{
    std::wmemset(g_szKeyLabel, L'\0', kLabelUnits);
    // On an open strip the preview shows the character under the finger.
    const wchar_t chCell = PressedStripCharacter();
    if (chCell != 0)
    {
        g_szKeyLabel[0] = chCell;
        g_szKeyLabel[1] = chCell == L'&' ? L'&' : L'\0';
        return g_szKeyLabel;
    }
    const KeyInfo* pKey = FindKeyInfo(g_nPressedKey);
    if (pKey == nullptr || pKey->pszLabel == nullptr)
        return g_szKeyLabel;
    // Letters and punctuation show what they would type now; every other key
    // shows its label, which for the ampersand is doubled for prefix drawing.
    const wchar_t* pszLabel = pKey->pszLabel;
    if (pKey->kind == KeyKind::Letter || pKey->kind == KeyKind::Punctuation)
        pszLabel = GetKeyText(g_nPressedKey, g_bCapsLock != 0, g_bShift != 0);
    if (pszLabel != nullptr)
        std::wcsncpy(g_szKeyLabel, pszLabel, kLabelUnits - 1);
    return g_szKeyLabel;
}

AlternateList FindKeyAlternates(int nIndex, const wchar_t* pszSkinList, bool bCapsLock, bool bShift)
{
    const KeyInfo* pKey = FindKeyInfo(nIndex);
    if (pKey == nullptr || (nIndex >= KEY_OK && nIndex <= KEY_BACKSPACE))
        return AlternateList{};
    if (pszSkinList != nullptr && pszSkinList[0] != L'\0')
        return ReadSkinAlternates(pszSkinList);
    // A letter offers the forms of its small letter whatever the case; other
    // keys those of the character they would type now.
    const wchar_t* pszText = pKey->kind == KeyKind::Letter ? pKey->pszText : GetKeyText(nIndex, bCapsLock, bShift);
    if (pszText == nullptr || pszText[0] == L'\0' || pszText[1] != L'\0')
        return AlternateList{};
    return FindBuiltInAlternates(pszText[0]);
}

int NextView(int nView, int nKey)
{
    if (nView != VIEW_CHAR && nView != VIEW_SYMBOL && nView != VIEW_NUMBER)
        return nView;
    // Each view key toggles between its own view and the character view.
    if (nKey == KEY_123)
        return nView == VIEW_NUMBER ? VIEW_CHAR : VIEW_NUMBER;
    if (nKey == KEY_AT)
        return nView == VIEW_SYMBOL ? VIEW_CHAR : VIEW_SYMBOL;
    return nView;
}

KeyOutcome ApplyKeyAction(int nIndex)
{
    const KeyInfo* pKey = FindKeyInfo(nIndex);
    if (pKey == nullptr)
        return {KeyEffect::None, nullptr};
    switch (pKey->kind)
    {
    case KeyKind::Letter:
    case KeyKind::Punctuation:
    case KeyKind::Character:
    {
        const wchar_t* pszText = GetKeyText(nIndex, g_bCapsLock != 0, g_bShift != 0);
        g_bShift = 0;
        return {KeyEffect::InsertText, pszText};
    }
    case KeyKind::Enter:
        return {KeyEffect::InsertText, pKey->pszText};
    case KeyKind::Ok:
        return {KeyEffect::Finish, nullptr};
    case KeyKind::NumberViewKey:
    case KeyKind::SymbolViewKey:
        g_nCurrentView = NextView(g_nCurrentView, nIndex);
        return {KeyEffect::None, nullptr};
    case KeyKind::CapsLock:
        g_bCapsLock = !g_bCapsLock;
        return {KeyEffect::None, nullptr};
    case KeyKind::Shift:
        g_bShift = !g_bShift;
        return {KeyEffect::None, nullptr};
    case KeyKind::Backspace:
        break;
    }
    return {KeyEffect::None, nullptr};
}

StylusOutcome PressStylus(int nHitKey)
{
    g_bStylusDown = 1;
    g_nPressedKey = nHitKey;
    const bool bBackspace = nHitKey == KEY_BACKSPACE;
    return {nHitKey != KEY_NONE, bBackspace, false};
}

StylusOutcome MoveStylus(int nHitKey)
{
    if (!g_bStylusDown)
        return {false, false, false};
    g_nPressedKey = nHitKey;
    // Sliding off backspace stops the repeat; sliding onto it starts none.
    return {nHitKey != KEY_NONE, false, nHitKey != KEY_BACKSPACE};
}

KeyOutcome LiftStylus()
{
    const int nKey = g_nPressedKey;
    const wchar_t chChosen = PressedStripCharacter();
    EndStylus();
    if (chChosen == 0)
        return ApplyKeyAction(nKey);
    g_bShift = 0;
    g_szChosen[0] = chChosen;
    g_szChosen[1] = L'\0';
    return {KeyEffect::InsertText, g_szChosen};
}

void EndStylus()
{
    CloseKeyStrip();
    g_bStylusDown = 0;
    g_nPressedKey = KEY_NONE;
}

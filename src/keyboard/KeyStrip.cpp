#include "keyboard/KeyStrip.h"

#include "keyboard/KeyModel.h"

KeyStrip g_keyStrip = {KEY_NONE, 0, {}, {}, -1};

namespace {

wchar_t g_szChosen[2];

bool NeverOffersAlternates(int nIndex) { return nIndex >= KEY_OK && nIndex <= KEY_BACKSPACE; }

}  // namespace

const wchar_t* FindKeyAlternates(int nIndex, const wchar_t* pszSkinList, bool bCapsLock, bool bShift)
{
    const KeyInfo* pKey = FindKeyInfo(nIndex);
    if (pKey == nullptr || NeverOffersAlternates(nIndex))
        return nullptr;
    if (pszSkinList != nullptr && pszSkinList[0] != L'\0')
        return pszSkinList;
    // A letter offers the forms of its lower-case letter whatever the case;
    // other keys those of the character they would type now.
    const wchar_t* pszText = pKey->kind == KeyKind::Letter ? pKey->pszText : GetKeyText(nIndex, bCapsLock, bShift);
    if (pszText == nullptr || pszText[0] == L'\0' || pszText[1] != L'\0')
        return nullptr;
    return FindBuiltInAlternates(pszText[0]);
}

bool OpenKeyStrip(int nKey, const wchar_t* pszAlternates, StripInput input)
{
    DiscardKeyStrip();
    if (pszAlternates == nullptr || FindKeyInfo(nKey) == nullptr)
        return false;
    const bool bUpper = (g_bCapsLock != 0) != (g_bShift != 0);
    int nCount = 0;
    while (nCount < kMaxAlternates && pszAlternates[nCount] != L'\0')
    {
        g_keyStrip.aChars[nCount] = ApplyAlternateCase(pszAlternates[nCount], bUpper);
        ++nCount;
    }
    input.nCells = nCount;
    if (nCount == 0 || PlaceAlternatesStrip(input, g_keyStrip.aCells) != nCount)
        return false;
    g_keyStrip.nKey = nKey;
    g_keyStrip.nCount = nCount;
    return true;
}

bool IsKeyStripOpen() { return g_keyStrip.nKey != KEY_NONE; }

bool TrackKeyStrip(int x, int y)
{
    if (!IsKeyStripOpen())
        return false;
    const int nCell = FindStripCellAt(g_keyStrip.aCells, g_keyStrip.nCount, x, y);
    const bool bChanged = nCell != g_keyStrip.nPressedCell;
    g_keyStrip.nPressedCell = nCell;
    return bChanged;
}

wchar_t PressedStripCharacter()
{
    if (!IsKeyStripOpen() || g_keyStrip.nPressedCell < 0)
        return 0;
    return g_keyStrip.aChars[g_keyStrip.nPressedCell];
}

const wchar_t* CloseKeyStrip()
{
    const wchar_t chChosen = PressedStripCharacter();
    DiscardKeyStrip();
    if (chChosen == 0)
        return nullptr;
    g_bShift = 0;
    g_szChosen[0] = chChosen;
    g_szChosen[1] = L'\0';
    return g_szChosen;
}

void DiscardKeyStrip()
{
    g_keyStrip.nKey = KEY_NONE;
    g_keyStrip.nCount = 0;
    g_keyStrip.nPressedCell = -1;
}

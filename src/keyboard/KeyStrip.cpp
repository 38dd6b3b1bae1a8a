#include "keyboard/KeyStrip.h"

KeyStrip g_keyStrip = {-1, 0, {}, {}, -1};

bool OpenKeyStrip(int nKey, const AlternateList& list, LetterCase letterCase, StripInput input)
{
    CloseKeyStrip();
    if (nKey < 0)
        return false;
    const int nCount = list.nCount < kMaxAlternates ? list.nCount : kMaxAlternates;
    for (int i = 0; i < nCount; ++i)
        g_keyStrip.aChars[i] = CellInCase(list.aCells[i], letterCase);
    input.nCells = nCount;
    if (nCount <= 0 || PlaceAlternatesStrip(input, g_keyStrip.aCells) != nCount)
        return false;
    g_keyStrip.nKey = nKey;
    g_keyStrip.nCount = nCount;
    return true;
}

bool IsKeyStripOpen() { return g_keyStrip.nKey >= 0; }

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

wchar_t CloseKeyStrip()
{
    const wchar_t chChosen = PressedStripCharacter();
    g_keyStrip.nKey = -1;
    g_keyStrip.nCount = 0;
    g_keyStrip.nPressedCell = -1;
    return chChosen;
}

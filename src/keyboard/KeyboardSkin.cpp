#include "keyboard/KeyboardSkin.h"

#include "keyboard/KeyModel.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"

int HitTestKey(int x, int y)
{
    KeyPlace aPlaces[KEY_COUNT];
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const KeyRecord& key = g_skin.keys[i];
        aPlaces[i] = {key.nView, key.rcKey.left, key.rcKey.top, key.rcKey.right, key.rcKey.bottom};
    }
    return FindKeyAt(aPlaces, KEY_COUNT, g_nCurrentView, x, y);
}

bool GetKeyRecord(int nIndex, KeyRecord* pOut)
{
    if (nIndex < 0 || nIndex >= KEY_COUNT || pOut == nullptr)
        return false;
    *pOut = g_skin.keys[nIndex];
    return true;
}

const WCHAR* GetSkinAlternates(int nIndex)
{
    if (nIndex < 0 || nIndex >= KEY_COUNT || g_skin.keys[nIndex].szAlternates[0] == 0)
        return nullptr;
    return g_skin.keys[nIndex].szAlternates;
}

HBITMAP GetViewBackground(int nView)
{
    switch (nView)
    {
    case VIEW_CHAR: return g_skin.hCharBackground;
    case VIEW_SYMBOL: return g_skin.hSymbolBackground;
    case VIEW_NUMBER: return g_skin.hNumberBackground;
    default: return nullptr;
    }
}

int GetSkinMetric(int nCode)
{
    switch (nCode)
    {
    case SKIN_METRIC_BACKGROUND_WIDTH: return g_skin.nBackgroundWidth;
    case SKIN_METRIC_BACKGROUND_HEIGHT: return g_skin.nBackgroundHeight;
    case SKIN_METRIC_EDIT_WIDTH: return g_skin.rcEditView.right - g_skin.rcEditView.left;
    case SKIN_METRIC_EDIT_HEIGHT: return g_skin.rcEditView.bottom - g_skin.rcEditView.top;
    default: return 0;
    }
}

void GetCharViewRect(RECT* pOut)
{
    if (pOut != nullptr)
        *pOut = g_skin.rcCharView;
}

void GetEditViewRect(RECT* pOut)
{
    if (pOut != nullptr)
        *pOut = g_skin.rcEditView;
}

void GetWordViewRect(RECT* pOut)
{
    if (pOut != nullptr)
        *pOut = g_skin.rcWordView;
}

int GetDesignOrientation() { return g_skin.nOrientation; }

int GetCurrentView() { return g_nCurrentView; }
int GetPressedKey() { return g_nPressedKey; }
bool IsCapsOn() { return g_bCapsLock != 0; }
bool IsShiftOn() { return g_bShift != 0; }

SkinTurn CurrentSkinTurn()
{
    return ChooseSkinTurn(GetScreenOrientation(), GetDesignOrientation(), g_dwHabit != 0);
}

TextTurn CurrentTextTurn() { return TextTurnFor(CurrentSkinTurn()); }

PlacementInput CurrentPlacementInput()
{
    PlacementInput input{};
    input.nScreen = GetScreenOrientation();
    input.nScreenWidth = GetLastScreenWidth();
    input.nScreenHeight = GetLastScreenHeight();
    input.nBackgroundWidth = GetSkinMetric(SKIN_METRIC_BACKGROUND_WIDTH);
    input.nBackgroundHeight = GetSkinMetric(SKIN_METRIC_BACKGROUND_HEIGHT);
    input.nEditWidth = GetSkinMetric(SKIN_METRIC_EDIT_WIDTH);
    input.nEditHeight = GetSkinMetric(SKIN_METRIC_EDIT_HEIGHT);
    // The turn for the screen just queried: each query asks the system again.
    input.bTurned = ChooseSkinTurn(input.nScreen, GetDesignOrientation(), g_dwHabit != 0) != SkinTurn::None;
    return input;
}

#pragma once
#include <windows.h>

#include "skin/SkinRecord.h"

// The keyboard's view of the loaded skin record: the keys, the backgrounds,
// the sizes and the text areas.

// Codes of GetSkinMetric.
constexpr int SKIN_METRIC_BACKGROUND_WIDTH = 401;
constexpr int SKIN_METRIC_BACKGROUND_HEIGHT = 402;
constexpr int SKIN_METRIC_EDIT_WIDTH = 403;
constexpr int SKIN_METRIC_EDIT_HEIGHT = 404;

// The key of the current view (or of every view) under a point of the
// keyboard control; the lowest index wins; KEY_NONE on no key.
int HitTestKey(int x, int y);

// Copies key nIndex's record and returns true for 0 to 83; leaves *pOut alone otherwise.
bool GetKeyRecord(int nIndex, KeyRecord* pOut);

// The skin's own alternates of key nIndex (its layout entry's "Alternates"), or
// null when the skin gives none and the built-in ones apply.
const WCHAR* GetSkinAlternates(int nIndex);

// The background of view 1, 2 or 3; null for any other view.
HBITMAP GetViewBackground(int nView);

// 401 background width, 402 background height, 403 edit view width,
// 404 edit view height; 0 for any other code.
int GetSkinMetric(int nCode);

void GetCharViewRect(RECT* pOut);
void GetEditViewRect(RECT* pOut);
// Where the skin offers completing words; empty when its layout names no place.
void GetWordViewRect(RECT* pOut);

// 4 for a skin drawn for a landscape screen, 5 for a portrait one.
int GetDesignOrientation();

// State accessors of the key model.
int GetCurrentView();
int GetPressedKey();
bool IsCapsOn();
bool IsShiftOn();

#include "keyboard/KeyboardPlacement.h"
#include "keyboard/TextDirection.h"

// How the skin is shown now: by the screen (queried afresh), the skin's
// design orientation and the user's hand. Text, caret, arrows and placement
// all follow it, as the loaded rectangles and bitmaps did.
SkinTurn CurrentSkinTurn();

// How text reads on the keyboard now: along the turned skin.
TextTurn CurrentTextTurn();

// The screen, the skin and its turn, as the dialog placement needs them now.
PlacementInput CurrentPlacementInput();

#pragma once
#include <windows.h>

#include "skin/KeyTable.h"
#include "skin/SkinLanguage.h"

class CRecordList;

// Design orientation values of a layout's "Orientation" entry.
constexpr int SKIN_DESIGN_LANDSCAPE = 4;  // drawn for a landscape screen
constexpr int SKIN_DESIGN_PORTRAIT = 5;   // drawn for a portrait screen

// One key of the loaded skin. The rectangle is in pixels of the keyboard's client
// area, already turned to the screen; right and bottom are exclusive.
struct KeyRecord
{
    int nView;               // VIEW_CHAR, VIEW_SYMBOL, VIEW_NUMBER or VIEW_ALL
    RECT rcKey;
    HBITMAP hPressedImage;   // prepared for the screen; null when the file could not be loaded
    WCHAR szAlternates[kMaxAlternates + 1];  // the layout entry's own "Alternates"; empty: the built-in ones
};

// The loaded skin: filled by the layout loader, read by the keyboard while it is open.
// It owns every bitmap in it and the resolution list.
struct SkinRecord
{
    KeyRecord keys[KEY_COUNT];
    int nBackgroundWidth;          // design size; not swapped when the skin is turned
    int nBackgroundHeight;
    int nOrientation;              // SKIN_DESIGN_LANDSCAPE or SKIN_DESIGN_PORTRAIT
    RECT rcCharView;               // where the pressed key's label is shown enlarged
    RECT rcEditView;               // where the typed text is drawn
    RECT rcWordView;               // where word completion offers its words; empty when the
                                   // layout names no place (each load starts it empty)
    HBITMAP hCharBackground;
    HBITMAP hNumberBackground;
    HBITMAP hSymbolBackground;
    WCHAR szSkinPath[MAX_PATH];    // MODULE_DIR\skins\NAME; empty until a load sets it
    CRecordList* pResolutionList;  // owned; the entries of the skin's index file
    SkinLanguage language;         // what the index file names; set by each read of an index
};

// The one skin record of the process.
extern SkinRecord g_skin;

// Frees every bitmap of the skin and the resolution list, clearing their fields.
// Views, rectangles, areas, sizes and the orientation stay as they are.
void ReleaseSkin();

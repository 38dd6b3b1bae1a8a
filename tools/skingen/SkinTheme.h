#pragma once
#include "Canvas.h"
#include "KeyboardPlan.h"

// The colours of one skin and where its letters sit. The keyboard draws the typed text
// and the preview label in black on top of the backgrounds, so both panels stay light in
// every theme.
struct SkinTheme
{
    const wchar_t* pszName;       // the skin's name: index file NAME.xml and folder NAME
    const wchar_t* pszDescription;
    Gradient background;          // behind the keys
    Gradient letterFace;          // keys that type a character
    Gradient functionFace;        // keys of every view (shift, enter, view keys...)
    Colour keyBorder;
    Colour keyHighlight;          // a thin light line along the top inside edge
    Colour letterLabel;
    Colour functionLabel;
    Colour shiftedLabel;          // the small second sign on punctuation keys
    Gradient pressedFace;         // pressed and latched keys, and the lit view key
    Colour pressedBorder;         // as keyBorder: the keyboard leaves a pressed image's last
                                  // column and row undrawn, so the resting rim shows there
    Colour pressedLabel;
    Gradient litFace;             // the view key of the view on show
    Colour litLabel;
    Gradient okFace;              // the OK key stands out
    Colour okLabel;
    Gradient panelFace;           // edit view and preview panels
    Colour panelBorder;
    LetterArrangement arrangement = LetterArrangement::Qwerty;
    // The letters' language, which the index names for word completion ("de"); none for
    // the skins whose letters serve every language, so that the device's language decides.
    const char* pszLanguage = "";
};

const SkinTheme& SilverTheme();
const SkinTheme& MidnightTheme();
// Silver with the letters of a German (QWERTZ) and of a French (AZERTY) desk keyboard.
const SkinTheme& GermanTheme();
const SkinTheme& FrenchTheme();

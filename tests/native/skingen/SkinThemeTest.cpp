#include "SkinTheme.h"

#include <gtest/gtest.h>

namespace {

// The canvas keeps 24 bits of a colour: a larger value would be drawn as some other colour.
TEST(SkinTheme, EveryColourIsPlainRgb)
{
    for (const SkinTheme* t : {&SilverTheme(), &MidnightTheme()})
        for (Colour c : {t->background.top, t->background.bottom, t->letterFace.top, t->letterFace.bottom,
                         t->functionFace.top, t->functionFace.bottom, t->keyBorder, t->keyHighlight, t->letterLabel,
                         t->functionLabel, t->shiftedLabel, t->pressedFace.top, t->pressedFace.bottom,
                         t->pressedBorder, t->pressedLabel, t->litFace.top, t->litFace.bottom, t->litLabel,
                         t->okFace.top, t->okFace.bottom, t->okLabel, t->panelFace.top, t->panelFace.bottom,
                         t->panelBorder})
            EXPECT_LE(c, 0xFFFFFFu) << t->pszDescription;
}

}  // namespace

#pragma once
#include <windows.h>

// Draws the held key's open alternates strip over the keys: each cell is the
// held key's face from the view's background, the pressed cell its pressed
// image, each labelled with its character in the keys' label font, turned with
// the skin. Nothing when no strip is open.
void DrawKeyStrip(HDC hdc);

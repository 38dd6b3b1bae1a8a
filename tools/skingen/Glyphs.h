#pragma once
#include "Canvas.h"

// Small pictures drawn as shapes rather than text, so that they do not depend on
// which symbols a font holds. Each is centred on (cx, cy); dUnit is the size of one
// design pixel (1 on QVGA artwork, 2 on VGA).

void DrawShiftGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c);      // hollow up arrow
void DrawCapsGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c);       // solid arrow on a bar
void DrawEnterGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c);      // arrow down and left
void DrawBackspaceGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c);  // left tag with a cross
void DrawSpaceGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c);      // open bracket
void DrawUpArrowGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c);    // plain solid arrow
// A small keyboard with a hand over it, nWidth design pixels wide.
void DrawKeyboardGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour body, Colour keys,
                       Colour hand, Colour handEdge);

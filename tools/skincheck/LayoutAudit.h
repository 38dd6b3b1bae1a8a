#pragma once
#include "Findings.h"
#include "SkinModel.h"

// Checks of one layout file, for the screens that use it: order of entries, missing and
// repeated entries, rectangles outside the design area, overlapping keys of one view,
// bitmaps missing, unreadable or of the wrong size, a design area larger than a screen,
// keys smaller than 7 mm at a screen's DPI (a warning), and a key's own Alternates that
// the label font cannot draw, or that repeat a character or run past what the keyboard
// offers (warnings).
void AuditLayout(const LayoutModel& model, const BitmapTable& bitmaps, const std::vector<CheckedScreen>& screens,
                 CFindings& findings);

// Keys smaller than this in either dimension are hard to hit with a finger.
constexpr double kMinimumKeyMillimetres = 7.0;

#pragma once
#include "KeyboardPlan.h"
#include "SkinTheme.h"
#include "TextPainter.h"

#include <vector>

// The bitmaps of one skin at one size: the background of each view with all of the
// view's keys drawn, and each key's pressed image at exactly its rectangle's size.
struct SkinImages
{
    CCanvas charBackground{0, 0};
    CCanvas symbolBackground{0, 0};
    CCanvas numberBackground{0, 0};
    std::vector<CCanvas> pressed;  // by key index

    const CCanvas& Background(int nView) const;
};

SkinImages PaintSkin(const SkinTheme& theme, const KeyboardPlan& plan, CTextPainter& text);

// Corner radius of a key in pixels at a scale.
double KeyCornerRadius(int nScale);

#pragma once
#include "OutputFolder.h"
#include "SkinTheme.h"
#include "TextPainter.h"

// Writes one skin: skins\NAME.xml and the folder skins\NAME with a layout, three
// backgrounds and 84 pressed images for each resolution class (240 and 480).
bool WriteSkin(const COutputFolder& skins, const SkinTheme& theme, CTextPainter& text);

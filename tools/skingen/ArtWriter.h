#pragma once
#include "OutputFolder.h"
#include "TextPainter.h"

// Writes the bitmaps that the module carries as resources: the SIP bar of each
// resolution class with the pressed image of every button, the input-method icons
// and the options dialog's banners.
bool WriteResourceArt(const COutputFolder& art, CTextPainter& text);

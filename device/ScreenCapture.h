#pragma once
#include <windows.h>

#include "device/ImageFile.h"

#include <string>

// The pixels of a screen rectangle as they are shown now.
RgbImage CaptureScreen(const RECT& rc);
// Writes the image as PNG, or as BMP when the name ends in ".bmp"; false on a write failure.
bool SaveImage(const RgbImage& image, const std::wstring& sPath);

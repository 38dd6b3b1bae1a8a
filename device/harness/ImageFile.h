#pragma once
#include <windows.h>

#include "device/harness/RgbImage.h"

#include <string>

// Image files through the Windows Imaging Component.

// Writes the image as PNG, or as BMP when the name ends in ".bmp"; false when it cannot be written.
bool WriteImageFile(const RgbImage& image, const std::wstring& sPath);

// Reads any image file the platform can decode (the skins' BMPs); false when it cannot.
bool ReadImageFile(const std::wstring& sPath, RgbImage& image);

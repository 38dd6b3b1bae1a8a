#pragma once
#include <windows.h>

#include "device/harness/RgbImage.h"

// The pixels of a screen rectangle as they are shown now.
RgbImage CaptureScreen(const RECT& rc);

#include "skin/SkinScreen.h"

#include "support/DisplayMetrics.h"

namespace {

int g_nPinnedOrientation = 0;  // 0: no load running

}  // namespace

ScreenOrientation GetSkinScreenOrientation()
{
    if (g_nPinnedOrientation != 0)
        return static_cast<ScreenOrientation>(g_nPinnedOrientation);
    return GetScreenOrientation();
}

CSkinLoadScreen::CSkinLoadScreen()
{
    g_nPinnedOrientation = GetScreenOrientation();
}

CSkinLoadScreen::~CSkinLoadScreen()
{
    g_nPinnedOrientation = 0;
}

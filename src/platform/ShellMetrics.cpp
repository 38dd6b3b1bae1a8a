#include "platform/ShellMetrics.h"

namespace
{

constexpr int kShellBarHeight96 = 26;

} // namespace

int ShellBarHeight()
{
    HDC hdc = GetDC(nullptr);
    const int nDpi = hdc != nullptr ? GetDeviceCaps(hdc, LOGPIXELSY) : 96;
    if (hdc != nullptr)
        ReleaseDC(nullptr, hdc);
    return MulDiv(kShellBarHeight96, nDpi, 96);
}

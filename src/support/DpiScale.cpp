#include "support/DpiScale.h"

int ScaleLength(int nLength, int nDpi)
{
    // 64-bit intermediate: a hostile DPI or length must not overflow.
    const long long d = nDpi;
    if (nLength >= 0)
        return static_cast<int>((nLength * d + 48) / 96);
    return static_cast<int>(-((-static_cast<long long>(nLength) * d + 48) / 96));
}

#include "skin/SkinNumbers.h"

#include <climits>

namespace {

bool IsAtoiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int ParseSkinNumber(const char* psz)
{
    if (psz == nullptr)
        return 0;
    while (IsAtoiSpace(*psz))
        ++psz;
    bool bNegative = false;
    if (*psz == '+' || *psz == '-')
        bNegative = *psz++ == '-';
    // Accumulate as a negative number so that INT_MIN itself is representable.
    long long n = 0;
    for (; *psz >= '0' && *psz <= '9'; ++psz)
    {
        n = n * 10 - (*psz - '0');
        if (n < INT_MIN)
            return bNegative ? INT_MIN : INT_MAX;
    }
    if (bNegative)
        return static_cast<int>(n);
    return n < -static_cast<long long>(INT_MAX) ? INT_MAX : static_cast<int>(-n);
}

int MatchResolution(const int* pnHeights, std::size_t nCount, int nShortSide)
{
    if (pnHeights == nullptr)
        return -1;
    int nCandidate = -1;
    int nBestHeight = 0;
    for (std::size_t i = 0; i < nCount; ++i)
    {
        const int nHeight = pnHeights[i];
        if (nHeight == nShortSide)
            return static_cast<int>(i);
        if (nHeight < nShortSide && nHeight > nBestHeight)
        {
            nCandidate = static_cast<int>(i);
            nBestHeight = nHeight;
        }
    }
    return nCandidate;
}

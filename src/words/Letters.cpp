#include "words/Letters.h"

namespace {

bool InRange(wchar_t ch, unsigned nFirst, unsigned nLast)
{
    return static_cast<unsigned>(ch) >= nFirst && static_cast<unsigned>(ch) <= nLast;
}

// Latin Extended-A pairs a capital with the small letter after it, except in the runs
// from Ĺ to ň and from Ź to ž, which start at an odd unit; İ, ı, ĸ, ŉ and ſ stand alone.
bool IsExtendedCapital(wchar_t ch)
{
    if (InRange(ch, 0x0139, 0x0148) || InRange(ch, 0x0179, 0x017E))
        return (ch & 1) != 0;
    if (InRange(ch, 0x0100, 0x012F) || InRange(ch, 0x0132, 0x0137) || InRange(ch, 0x014A, 0x0177) ||
        InRange(ch, 0x0218, 0x021B))
        return (ch & 1) == 0;
    return false;
}

bool IsExtendedSmall(wchar_t ch)
{
    return ch != 0x0100 && IsExtendedCapital(static_cast<wchar_t>(ch - 1)) &&
           (InRange(ch, 0x0100, 0x017F) || InRange(ch, 0x0218, 0x021B));
}

}  // namespace

bool IsWordLetter(wchar_t ch)
{
    return InRange(ch, 'a', 'z') || InRange(ch, 'A', 'Z') || (InRange(ch, 0x00C0, 0x024F) && ch != 0x00D7 && ch != 0x00F7) ||
           InRange(ch, 0x0386, 0x03CE) || InRange(ch, 0x0400, 0x045F);
}

wchar_t LowerLetter(wchar_t ch)
{
    if (ch < 0x80)
        return InRange(ch, 'A', 'Z') ? static_cast<wchar_t>(ch + 0x20) : ch;
    if ( (InRange(ch, 0x00C0, 0x00DE) && ch != 0x00D7) || InRange(ch, 0x0391, 0x03AB) ||
        InRange(ch, 0x0410, 0x042F))
        return static_cast<wchar_t>(ch + 0x20);
    if (InRange(ch, 0x0400, 0x040F))
        return static_cast<wchar_t>(ch + 0x50);
    if (ch == 0x0178)
        return 0x00FF;
    if (ch == 0x0130)  // İ
        return 'i';
    return IsExtendedCapital(ch) ? static_cast<wchar_t>(ch + 1) : ch;
}

wchar_t UpperLetter(wchar_t ch)
{
    if (ch < 0x80)
        return InRange(ch, 'a', 'z') ? static_cast<wchar_t>(ch - 0x20) : ch;
    if ( (InRange(ch, 0x00E0, 0x00FE) && ch != 0x00F7) ||
        (InRange(ch, 0x03B1, 0x03CB) && ch != 0x03C2) || InRange(ch, 0x0430, 0x044F))
        return static_cast<wchar_t>(ch - 0x20);
    if (InRange(ch, 0x0450, 0x045F))
        return static_cast<wchar_t>(ch - 0x50);
    if (ch == 0x00FF)
        return 0x0178;
    if (ch == 0x0131)  // ı
        return 'I';
    return IsExtendedSmall(ch) ? static_cast<wchar_t>(ch - 1) : ch;
}

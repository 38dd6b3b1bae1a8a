#include "keyboard/Alternates.h"

namespace {

struct AlternatesEntry
{
    wchar_t ch;
    const wchar_t* pszSmall;     // the cells in small letters
    const wchar_t* pszCapital;   // the same cells in capitals, where one of them is not the
                                 // case rule's capital; null when every one is
};

// Lower-case letters with the forms the Latin-script languages of Europe add to
// them, most common first; then the punctuation a writer misses on the keys.
// Universal character names keep the source plain ASCII for every compiler.
const AlternatesEntry kTable[] = {
    {L'a', L"\u00e0\u00e1\u00e2\u00e4\u00e6\u00e3\u00e5\u0101\u0105\u0103", nullptr},   // à á â ä æ ã å ā ą ă
    {L'c', L"\u00e7\u0107\u010d", nullptr},                                              // ç ć č
    {L'd', L"\u010f\u0111\u00f0", nullptr},                                              // ď đ ð
    {L'e', L"\u00e9\u00e8\u00ea\u00eb\u0119\u011b\u0117\u0113", nullptr},                // é è ê ë ę ě ė ē
    {L'g', L"\u011f\u0123", nullptr},                                                    // ğ ģ
    // Turkish pairs ı with I and i with İ; the key types i and I, so the cell of
    // the dotless ı offers the dotted İ in capitals.
    {L'i', L"\u00ed\u00ee\u00ef\u00ec\u012f\u012b\u0131\u0133",                         // í î ï ì į ī ı ĳ
     L"\u00cd\u00ce\u00cf\u00cc\u012e\u012a\u0130\u0132"},                               // Í Î Ï Ì Į Ī İ Ĳ
    {L'k', L"\u0137", nullptr},                                                          // ķ
    {L'l', L"\u0142\u013e\u013a\u013c\u0140", nullptr},                                  // ł ľ ĺ ļ ŀ
    {L'n', L"\u00f1\u0144\u0148\u0146", nullptr},                                        // ñ ń ň ņ
    {L'o', L"\u00f6\u00f3\u00f4\u00f2\u00f5\u00f8\u0151\u0153\u014d", nullptr},          // ö ó ô ò õ ø ő œ ō
    {L'r', L"\u0159\u0155", nullptr},                                                    // ř ŕ
    // ş is Turkish's own letter; Romanian's is ș, with the comma below.
    {L's', L"\u00df\u015b\u0161\u015f\u0219", nullptr},                                  // ß ś š ş ș
    // Romanian writes ț; ţ with the cedilla is an old stand-in for it.
    {L't', L"\u0165\u021b\u0163\u00fe", nullptr},                                        // ť ț ţ þ
    {L'u', L"\u00fc\u00fa\u00fb\u00f9\u0171\u016f\u016b\u0173", nullptr},                // ü ú û ù ű ů ū ų
    {L'y', L"\u00fd\u00ff", nullptr},                                                    // ý ÿ
    {L'z', L"\u017e\u017c\u017a", nullptr},                                              // ž ż ź
    {L'?', L"\u00bf", nullptr},                                                          // ¿
    {L'!', L"\u00a1", nullptr},                                                          // ¡
    {L'.', L"\u2026\u00b7", nullptr},                                                    // … · (Catalan's l·l)
    {L'-', L"\u2013\u2014", nullptr},                                                    // – —
    {L'"', L"\u00ab\u00bb\u201e\u201c\u201d", nullptr},                                  // « » „ “ ”
    {L'\'', L"\u2018\u2019\u201a", nullptr},                                             // ‘ ’ ‚
    {L'$', L"\u20ac\u00a3\u00a5\u00a2", nullptr},                                        // € £ ¥ ¢
};

CapitalFallback g_pfnCapital = nullptr;

bool IsOdd(wchar_t ch) { return (ch & 1) != 0; }

// The upper-case form of a lower-case letter of Latin-1 and Latin Extended-A
// (and the comma-below letters of Romanian); 0 when it has none.
wchar_t UpperOf(wchar_t ch)
{
    if (ch >= L'a' && ch <= L'z')
        return static_cast<wchar_t>(ch - 0x20);
    if (ch >= 0x00e0 && ch <= 0x00fe && ch != 0x00f7)
        return static_cast<wchar_t>(ch - 0x20);
    if (ch == 0x00ff)
        return 0x0178;
    if (ch == 0x0131)   // dotless i: its capital is the plain I
        return L'I';
    // Latin Extended-A pairs an upper-case letter with the lower-case one after
    // it, except for the run from Ĺ to ň and from Ź to ž, which start odd.
    const bool bOddRun = (ch >= 0x0139 && ch <= 0x0148) || (ch >= 0x0179 && ch <= 0x017e);
    const bool bEvenRun = (ch >= 0x0100 && ch <= 0x0137) || (ch >= 0x014a && ch <= 0x0177) ||
                          (ch >= 0x0218 && ch <= 0x021b);
    if ((bEvenRun && IsOdd(ch)) || (bOddRun && !IsOdd(ch)))
        return static_cast<wchar_t>(ch - 1);
    return 0;
}

// What UpperOf answers for; the platform is asked about everything else.
bool IsInOwnTable(wchar_t ch) { return ch < 0x0180 || (ch >= 0x0218 && ch <= 0x021b); }

// The digraphs DŽ Dž dž, LJ Lj lj, NJ Nj nj and DZ Dz dz come in threes: the
// capital, the title case and the small letter. 0 for any other character.
constexpr wchar_t kDigraphs[] = {0x01c4, 0x01c7, 0x01ca, 0x01f1};

wchar_t DigraphInCase(wchar_t ch, LetterCase c)
{
    for (const wchar_t chFirst : kDigraphs)
    {
        if (ch >= chFirst && ch <= chFirst + 2)
            return c == LetterCase::Title ? static_cast<wchar_t>(chFirst + 1) : chFirst;
    }
    return 0;
}

}  // namespace

LetterCase LetterCaseFor(bool bCapsLock, bool bShift)
{
    if (bCapsLock == bShift)
        return LetterCase::Small;
    return bShift ? LetterCase::Title : LetterCase::Capital;
}

AlternateList FindBuiltInAlternates(wchar_t ch)
{
    AlternateList list{};
    for (const AlternatesEntry& entry : kTable)
    {
        if (entry.ch != ch)
            continue;
        for (; list.nCount < kMaxAlternates && entry.pszSmall[list.nCount] != L'\0'; ++list.nCount)
        {
            const wchar_t chCapital = entry.pszCapital != nullptr ? entry.pszCapital[list.nCount] : L'\0';
            list.aCells[list.nCount] = {entry.pszSmall[list.nCount], chCapital};
        }
        break;
    }
    return list;
}

AlternateList ReadSkinAlternates(const wchar_t* pszList)
{
    AlternateList list{};
    for (; pszList != nullptr && *pszList != L'\0' && list.nCount < kMaxAlternates; ++pszList)
    {
        if (IsSingleUnitCharacter(*pszList))
            list.aCells[list.nCount++] = {*pszList, L'\0'};
    }
    return list;
}

wchar_t CellInCase(const AlternateCell& cell, LetterCase c)
{
    if (c != LetterCase::Small && cell.chCapital != L'\0')
        return cell.chCapital;
    return ApplyLetterCase(cell.chSmall, c);
}

wchar_t ApplyLetterCase(wchar_t ch, LetterCase c)
{
    if (c == LetterCase::Small)
        return ch;
    const wchar_t chDigraph = DigraphInCase(ch, c);
    if (chDigraph != 0)
        return chDigraph;
    const wchar_t chUpper = UpperOf(ch);
    if (chUpper != 0)
        return chUpper;
    if (!IsInOwnTable(ch) && g_pfnCapital != nullptr)
        return g_pfnCapital(ch);
    return ch;
}

void SetCapitalFallback(CapitalFallback pfnCapital) { g_pfnCapital = pfnCapital; }

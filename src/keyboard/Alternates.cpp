#include "keyboard/Alternates.h"

namespace {

struct AlternatesEntry
{
    wchar_t ch;
    const wchar_t* pszAlternates;
};

// Lower-case letters with the forms the Latin-script languages of Europe add to
// them, most common first; then the punctuation a writer misses on the keys.
// Universal character names keep the source plain ASCII for every compiler.
const AlternatesEntry kTable[] = {
    {L'a', L"\u00e0\u00e1\u00e2\u00e4\u00e6\u00e3\u00e5\u0101\u0105\u0103"},   // à á â ä æ ã å ā ą ă
    {L'c', L"\u00e7\u0107\u010d"},                                              // ç ć č
    {L'd', L"\u010f\u0111\u00f0"},                                              // ď đ ð
    {L'e', L"\u00e9\u00e8\u00ea\u00eb\u0119\u011b\u0117\u0113"},                // é è ê ë ę ě ė ē
    {L'g', L"\u011f\u0123"},                                                    // ğ ģ
    {L'i', L"\u00ed\u00ee\u00ef\u00ec\u012f\u012b\u0131\u0133"},                // í î ï ì į ī ı ĳ
    {L'k', L"\u0137"},                                                          // ķ
    {L'l', L"\u0142\u013e\u013a\u013c\u0140"},                                  // ł ľ ĺ ļ ŀ
    {L'n', L"\u00f1\u0144\u0148\u0146"},                                        // ñ ń ň ņ
    {L'o', L"\u00f6\u00f3\u00f4\u00f2\u00f5\u00f8\u0151\u0153\u014d"},          // ö ó ô ò õ ø ő œ ō
    {L'r', L"\u0159\u0155"},                                                    // ř ŕ
    {L's', L"\u00df\u015b\u0161\u015f\u0219"},                                  // ß ś š ş ș
    {L't', L"\u0165\u0163\u021b\u00fe"},                                        // ť ţ ț þ
    {L'u', L"\u00fc\u00fa\u00fb\u00f9\u0171\u016f\u016b\u0173"},                // ü ú û ù ű ů ū ų
    {L'y', L"\u00fd\u00ff"},                                                    // ý ÿ
    {L'z', L"\u017e\u017c\u017a"},                                              // ž ż ź
    {L'?', L"\u00bf"},                                                          // ¿
    {L'!', L"\u00a1"},                                                          // ¡
    {L'.', L"\u2026"},                                                          // …
    {L'-', L"\u2013\u2014"},                                                    // – —
    {L'"', L"\u00ab\u00bb\u201e\u201c\u201d"},                                  // « » „ “ ”
    {L'\'', L"\u2018\u2019\u201a"},                                             // ‘ ’ ‚
    {L'$', L"\u20ac\u00a3\u00a5\u00a2"},                                        // € £ ¥ ¢
};

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

}  // namespace

const wchar_t* FindBuiltInAlternates(wchar_t ch)
{
    if (ch >= L'A' && ch <= L'Z')
        ch = static_cast<wchar_t>(ch + 0x20);
    for (const AlternatesEntry& entry : kTable)
    {
        if (entry.ch == ch)
            return entry.pszAlternates;
    }
    return nullptr;
}

wchar_t ApplyAlternateCase(wchar_t ch, bool bUpper)
{
    if (!bUpper)
        return ch;
    const wchar_t upper = UpperOf(ch);
    return upper != 0 ? upper : ch;
}

#include "words/LetterMatch.h"

#include "words/Letters.h"
#include "words/WordLimits.h"

#include <cstdint>

namespace {

// Accented lower-case letters and, at the same index, their plain letters.
const wchar_t kAccented[] =
    L"\u00e0\u00e1\u00e2\u00e3\u00e4\u00e5\u0101\u0103\u0105"  // à á â ã ä å ā ă ą
    L"\u00e7\u0107\u0109\u010b\u010d\u010f\u0111"              // ç ć ĉ ċ č ď đ
    L"\u00e8\u00e9\u00ea\u00eb\u0113\u0115\u0117\u0119\u011b"  // è é ê ë ē ĕ ė ę ě
    L"\u011d\u011f\u0121\u0123\u0125\u0127"                    // ĝ ğ ġ ģ ĥ ħ
    L"\u00ec\u00ed\u00ee\u00ef\u0129\u012b\u012d\u012f\u0131"  // ì í î ï ĩ ī ĭ į ı
    L"\u0135\u0137\u013a\u013c\u013e\u0140\u0142"              // ĵ ķ ĺ ļ ľ ŀ ł
    L"\u00f1\u0144\u0146\u0148"                                // ñ ń ņ ň
    L"\u00f2\u00f3\u00f4\u00f5\u00f6\u00f8\u014d\u014f\u0151"  // ò ó ô õ ö ø ō ŏ ő
    L"\u0155\u0157\u0159\u015b\u015d\u015f\u0161\u0219"        // ŕ ŗ ř ś ŝ ş š ș
    L"\u0163\u0165\u0167\u021b"                                // ţ ť ŧ ț
    L"\u00f9\u00fa\u00fb\u00fc\u0169\u016b\u016d\u016f\u0171\u0173"  // ù ú û ü ũ ū ŭ ů ű ų
    L"\u00fd\u00ff\u0177\u017a\u017c\u017e";                   // ý ÿ ŷ ź ż ž
const wchar_t kPlain[] =
    L"aaaaaaaaa"
    L"ccccc" L"dd"
    L"eeeeeeeee"
    L"gggg" L"hh"
    L"iiiiiiiii"
    L"jklllll"
    L"nnnn"
    L"ooooooooo"
    L"rrrsssss"
    L"tttt"
    L"uuuuuuuuuu"
    L"yyyzzz";
static_assert(sizeof(kAccented) == sizeof(kPlain), "one plain letter for each accented one");

struct LetterPair
{
    wchar_t ch;
    wchar_t szPair[3];
    bool bGermanOnly;
};

const LetterPair kPairs[] = {
    {0x00E6, L"ae", false},  // æ
    {0x0153, L"oe", false},  // œ
    {0x00DF, L"ss", false},  // ß
    {0x00E4, L"ae", true},   // ä
    {0x00F6, L"oe", true},   // ö
    {0x00FC, L"ue", true},   // ü
};

wchar_t PlainLetterOf(WordLanguage language, wchar_t chLower)
{
    if (chLower < 0x80)
        return 0;
    if (language == WordLanguage::Spanish && chLower == 0x00F1)  // ñ
        return 0;
    for (std::size_t i = 0; kAccented[i] != 0; ++i)
    {
        if (kAccented[i] == chLower)
            return kPlain[i];
    }
    return 0;
}

bool IsSkippableSign(wchar_t ch)
{
    return ch == L'\'' || ch == 0x2019 || ch == L'-' || ch == L'.' || ch == L' ';
}

// The typed positions a character of the word may lead to from typed position iTyped,
// as a mask. Once the typed letters have ended the rest of the word is free, unless the
// whole word must be typed.
std::uint64_t StepsFromOne(const LetterMatch& match, const wchar_t* pszTyped, std::size_t nTyped, std::size_t iTyped,
                        bool bWhole)
{
    const std::uint64_t kAt = std::uint64_t(1) << iTyped;
    if (iTyped == nTyped)
        return !bWhole || match.bSkippable ? kAt : 0;
    const wchar_t chTyped = pszTyped[iTyped];
    // A sign is typed as itself or left out; never both, so that matching cannot branch on it.
    if (match.bSkippable)
        return chTyped == match.chLower ? kAt << 1 : kAt;
    std::uint64_t steps = 0;
    if (chTyped == match.chLower || (match.chPlain != 0 && chTyped == match.chPlain))
        steps |= kAt << 1;
    if (match.szPair[0] == chTyped)
    {
        if (iTyped + 1 < nTyped && match.szPair[1] == pszTyped[iTyped + 1])
            steps |= kAt << 2;
        else if (iTyped + 1 == nTyped && !bWhole)
            steps |= kAt << 1;
    }
    return steps;
}

}  // namespace

LetterMatch MatchOfCharacter(WordLanguage language, wchar_t ch)
{
    LetterMatch match = {};
    match.chLower = LowerLetter(ch);
    match.chPlain = PlainLetterOf(language, match.chLower);
    match.bSkippable = IsSkippableSign(ch);
    for (const LetterPair& pair : kPairs)
    {
        if (pair.ch == match.chLower && (!pair.bGermanOnly || language == WordLanguage::German))
        {
            match.szPair[0] = pair.szPair[0];
            match.szPair[1] = pair.szPair[1];
        }
    }
    return match;
}

std::uint64_t TypedSteps(const LetterMatch& match, const wchar_t* pszTyped, std::size_t nTyped,
                         std::uint64_t reached, bool bWhole)
{
    std::uint64_t next = 0;
    while (reached != 0)
    {
        const std::size_t iTyped = static_cast<std::size_t>(__builtin_ctzll(reached));
        reached &= reached - 1;
        next |= StepsFromOne(match, pszTyped, nTyped, iTyped, bWhole);
    }
    return next;
}

bool TypedLettersMatch(WordLanguage language, const wchar_t* pszTyped, std::size_t nTyped, const wchar_t* pszWord,
                       std::size_t nWord, bool bWhole)
{
    if (nTyped > kMaxWordUnits)
        return false;
    // The typed positions reachable after each character of the word, one bit each.
    const std::uint64_t kEnded = std::uint64_t(1) << nTyped;
    std::uint64_t reached = 1;
    for (std::size_t iWord = 0; iWord < nWord && reached != 0; ++iWord)
    {
        if (!bWhole && (reached & kEnded) != 0)
            return true;
        reached = TypedSteps(MatchOfCharacter(language, pszWord[iWord]), pszTyped, nTyped, reached, bWhole);
    }
    return (reached & kEnded) != 0;
}

// Feeds arbitrary bytes to the reader of Words.dat. What it keeps must be words the
// store accepts (whole, at most 2,000, none twice, each used at least once, the clock at
// or past every last use); written again and read back they must be the same words in
// order of recency; and a copy of that file torn at any byte must read as exactly the
// records that are whole before the tear.
#include "FuzzInput.h"
#include "words/Letters.h"
#include "words/UserWords.h"
#include "words/UserWordsFile.h"

#include <cwchar>
#include <vector>

namespace {

bool SameIgnoringCase(const wchar_t* pszA, const wchar_t* pszB)
{
    for (; *pszA != 0 && LowerLetter(*pszA) == LowerLetter(*pszB); ++pszA, ++pszB)
    {
    }
    return *pszA == 0 && *pszB == 0;
}

bool SameWord(const UserWord& a, const UserWord& b)
{
    return std::wcscmp(a.szWord, b.szWord) == 0 && a.nUses == b.nUses && a.nLastUse == b.nLastUse;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    CUserWords words;
    const std::size_t nKept = ReadUserWords(pData, cbData, words);
    Check(nKept == words.Count() && nKept <= static_cast<std::size_t>(kMaxUserWords));
    for (std::size_t i = 0; i < words.Count(); ++i)
    {
        const UserWord& word = words.At(i);
        Check(IsStorableWord(word.szWord, std::wcslen(word.szWord)) && word.nUses >= 1 && word.nLastUse <= words.Clock());
        for (std::size_t k = 0; k < i; ++k)
            Check(!SameIgnoringCase(words.At(k).szWord, word.szWord));
    }

    std::vector<std::uint8_t> file;
    Check(WriteUserWords(words, file));
    CUserWords again;
    Check(ReadUserWords(file.data(), file.size(), again) == nKept && again.Clock() == words.Clock());
    for (std::size_t i = 0; i < again.Count(); ++i)
    {
        Check(words.Find(again.At(i).szWord, std::wcslen(again.At(i).szWord)) != nullptr);
        Check(SameWord(again.At(i), *words.Find(again.At(i).szWord, std::wcslen(again.At(i).szWord))));
        Check(i == 0 || again.At(i - 1).nLastUse >= again.At(i).nLastUse);
    }

    // Torn where the input's first bytes say: the records before the tear, in order.
    if (cbData >= 2 && !file.empty())
    {
        const std::size_t nTear = (pData[0] | pData[1] << 8) % (file.size() + 1);
        CUserWords torn;
        const std::size_t nTorn = ReadUserWords(file.data(), nTear, torn);
        std::size_t nWhole = 0;
        for (std::size_t nPos = 12; nPos + 2 <= nTear; ++nWhole)
        {
            nPos += 2 + (file[nPos] | file[nPos + 1] << 8);
            if (nPos > nTear)
                break;
        }
        Check(nTorn == nWhole);
        for (std::size_t i = 0; i < nTorn; ++i)
            Check(SameWord(torn.At(i), again.At(i)));
    }
    return 0;
}

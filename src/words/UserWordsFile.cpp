#include "words/UserWordsFile.h"

#include "words/Crc32.h"

#include <algorithm>
#include <new>

namespace {

constexpr std::size_t kRecordFixedBytes = 4 + 4 + 1 + 4;  // uses, last use, length, CRC

void Put16(std::vector<std::uint8_t>& out, std::uint32_t n)
{
    out.push_back(static_cast<std::uint8_t>(n));
    out.push_back(static_cast<std::uint8_t>(n >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t n)
{
    Put16(out, n & 0xFFFF);
    Put16(out, n >> 16);
}

std::uint32_t Get16(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}

std::uint32_t Get32(const std::uint8_t* p)
{
    return Get16(p) | Get16(p + 2) << 16;
}

std::size_t LengthOf(const wchar_t* psz)
{
    std::size_t n = 0;
    while (psz[n] != 0)
        ++n;
    return n;
}

void PutRecord(std::vector<std::uint8_t>& out, const UserWord& word)
{
    const std::size_t nStart = out.size();
    const std::size_t nUnits = LengthOf(word.szWord);
    Put16(out, static_cast<std::uint32_t>(kRecordFixedBytes + 2 * nUnits));
    Put32(out, word.nUses);
    Put32(out, word.nLastUse);
    out.push_back(static_cast<std::uint8_t>(nUnits));
    for (std::size_t i = 0; i < nUnits; ++i)
        Put16(out, static_cast<std::uint32_t>(word.szWord[i]));
    Put32(out, Crc32(out.data() + nStart, out.size() - nStart));
}

}  // namespace

bool WriteUserWords(const CUserWords& words, std::vector<std::uint8_t>& out)
{
    try
    {
        std::vector<const UserWord*> byUse;
        byUse.reserve(words.Count());
        for (std::size_t i = 0; i < words.Count(); ++i)
            byUse.push_back(&words.At(i));
        std::stable_sort(byUse.begin(), byUse.end(),
                         [](const UserWord* a, const UserWord* b) { return a->nLastUse > b->nLastUse; });
        std::vector<std::uint8_t> bytes;
        bytes.reserve(kUserWordsHeaderBytes + byUse.size() * (2 + kRecordFixedBytes + 16));
        bytes.insert(bytes.end(), kUserWordsMagic, kUserWordsMagic + 4);
        Put16(bytes, kUserWordsVersion);
        Put16(bytes, kUserWordsHeaderBytes);
        Put32(bytes, words.Clock());
        for (const UserWord* pWord : byUse)
            PutRecord(bytes, *pWord);
        out.swap(bytes);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

std::size_t ReadUserWords(const std::uint8_t* pData, std::size_t cbData, CUserWords& words)
{
    words.Clear();
    if (pData == nullptr || cbData < kUserWordsHeaderBytes || !std::equal(kUserWordsMagic, kUserWordsMagic + 4, pData))
        return 0;
    const std::size_t nHeaderBytes = Get16(pData + 6);
    if (Get16(pData + 4) < kUserWordsVersion || nHeaderBytes < kUserWordsHeaderBytes)
        return 0;
    words.SetClock(Get32(pData + 8));
    std::size_t nKept = 0;
    for (std::size_t nPos = nHeaderBytes; nPos + 2 <= cbData;)
    {
        const std::uint8_t* pRecord = pData + nPos;
        const std::size_t nRecordBytes = 2 + Get16(pRecord);
        if (nRecordBytes < 2 + kRecordFixedBytes || nRecordBytes > cbData - nPos ||
            Crc32(pRecord, nRecordBytes - 4) != Get32(pRecord + nRecordBytes - 4))
            break;
        nPos += nRecordBytes;
        const std::size_t nUnits = pRecord[10];
        if (11 + 2 * nUnits + 4 > nRecordBytes)
            continue;
        wchar_t szWord[kMaxWordUnits + 1] = {};
        if (nUnits > kMaxWordUnits)
            continue;
        for (std::size_t i = 0; i < nUnits; ++i)
            szWord[i] = static_cast<wchar_t>(Get16(pRecord + 11 + 2 * i));
        nKept += words.Restore(szWord, nUnits, Get32(pRecord + 2), Get32(pRecord + 6)) ? 1 : 0;
    }
    return nKept;
}

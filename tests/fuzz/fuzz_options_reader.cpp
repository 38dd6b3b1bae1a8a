// Feeds arbitrary bytes to the Options.dat reader: it must never read or write outside
// its buffers, must keep the name terminated, must leave the previous name, accents and
// word settings alone whenever it refuses a count, must read the accents after the name
// as on unless all four of their bytes are there and zero, must read each word setting
// from its byte when the byte is there and not 0xFF (brought into its range) and as its
// default otherwise, and what it read must write back and read again the same.
#include "FuzzInput.h"
#include "settings/ByteStreams.h"
#include "settings/OptionsFormat.h"

#include <cstring>
#include <tuple>

namespace {

// The name up to its terminator: units after an embedded zero are not part of it.
std::u16string Name(const char16_t* psz)
{
    return std::u16string(psz, std::find(psz, psz + kSkinFileUnits, u'\0'));
}

auto Fields(const WordSettings& w)
{
    return std::make_tuple(w.bSuggest, w.nAfterLetters, w.nWords, w.bSpaceAfterWord, w.bLearn, w.list);
}

// The word settings the bytes from nAt on give: each byte that is there and not 0xFF,
// else the field's default; into their ranges as ClampWordSettings brings them.
WordSettings ExpectedWords(const std::uint8_t* pData, std::size_t cbData, std::uint64_t nAt)
{
    const WordSettings d;
    const auto field = [&](std::uint64_t i, std::uint32_t nDefault) {
        return nAt + i < cbData && pData[nAt + i] != 0xFF ? std::uint32_t(pData[nAt + i]) : nDefault;
    };
    return ClampWordSettings({field(0, 1) != 0, field(1, d.nAfterLetters), field(2, d.nWords), field(3, 1) != 0,
                              field(4, 1) != 0, static_cast<WordList>(field(5, 0))});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    static const char16_t kBefore[] = u"Before.xml";
    std::uint32_t dwHabit = 7;
    char16_t szSkin[kSkinFileUnits] = {};
    std::memcpy(szSkin, kBefore, sizeof(kBefore));
    // The first byte picks the accents before the read, so that a field left alone shows;
    // the word settings before it are none of the defaults.
    const bool bAccentsBefore = cbData > 0 && (pData[0] & 1) != 0;
    bool bAccents = bAccentsBefore;
    const WordSettings wordsBefore = {false, 4, 1, false, false, WordList::Italiano};
    WordSettings words = wordsBefore;

    CMemoryByteSource source(pData, cbData);
    ReadOptionsFrom(source, dwHabit, szSkin, bAccents, words);
    Check(source.Position() <= cbData && Name(szSkin).size() < kSkinFileUnits);

    // A count that does not fit leaves the old name, accents and words; bytes missing from
    // the count read as zeros.
    const auto at = [&](std::size_t i) { return std::uint64_t(i < cbData ? pData[i] : 0); };
    const std::uint64_t nCount = at(4) | at(5) << 8 | at(6) << 16 | at(7) << 24;
    const std::uint64_t nField = 8 + 2 * nCount;
    if (nCount * 2 >= kSkinFileBytes)
        Check(Name(szSkin) == kBefore && bAccents == bAccentsBefore && Fields(words) == Fields(wordsBefore));
    else
    {
        const std::uint64_t nBits = at(nField) | at(nField + 1) | at(nField + 2) | at(nField + 3);
        Check(bAccents == (nField + 4 > cbData || nBits != 0));
        Check(Fields(words) == Fields(ExpectedWords(pData, cbData, nField + 4)));
    }

    CMemoryByteSink sink;
    WriteOptionsTo(sink, dwHabit, szSkin, bAccents, words);
    std::uint32_t dwAgain = 0;
    char16_t szAgain[kSkinFileUnits] = {};
    bool bAgain = !bAccents;
    // Every field other than what was written, so that a field not read shows.
    WordSettings wordsAgain = {!words.bSuggest, words.nAfterLetters % 4 + 1, words.nWords % 4 + 1,
                               !words.bSpaceAfterWord, !words.bLearn,
                               static_cast<WordList>((static_cast<std::uint32_t>(words.list) + 1) % 6)};
    CMemoryByteSource again(sink.Bytes().data(), sink.Bytes().size());
    ReadOptionsFrom(again, dwAgain, szAgain, bAgain, wordsAgain);
    Check(dwAgain == dwHabit && Name(szAgain) == Name(szSkin) && bAgain == bAccents &&
          Fields(wordsAgain) == Fields(words));
    return 0;
}

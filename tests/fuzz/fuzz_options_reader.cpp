// Feeds arbitrary bytes to the Options.dat reader: it must never read or write outside
// its buffers, must keep the name terminated, must leave the previous name and accents
// alone whenever it refuses a count, must read the accents after the name as on unless
// all four of their bytes are there and zero, and what it read must write back and read
// again the same.
#include "FuzzInput.h"
#include "settings/ByteStreams.h"
#include "settings/OptionsFormat.h"

#include <cstring>

namespace {

// The name up to its terminator: units after an embedded zero are not part of it.
std::u16string Name(const char16_t* psz)
{
    return std::u16string(psz, std::find(psz, psz + kSkinFileUnits, u'\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    static const char16_t kBefore[] = u"Before.xml";
    std::uint32_t dwHabit = 7;
    char16_t szSkin[kSkinFileUnits] = {};
    std::memcpy(szSkin, kBefore, sizeof(kBefore));
    // The first byte picks the accents before the read, so that a field left alone shows.
    const bool bAccentsBefore = cbData > 0 && (pData[0] & 1) != 0;
    bool bAccents = bAccentsBefore;

    CMemoryByteSource source(pData, cbData);
    ReadOptionsFrom(source, dwHabit, szSkin, bAccents);
    Check(source.Position() <= cbData && Name(szSkin).size() < kSkinFileUnits);

    // A count that does not fit leaves the old name and accents; bytes missing from the
    // count read as zeros.
    const auto at = [&](std::size_t i) { return std::uint64_t(i < cbData ? pData[i] : 0); };
    const std::uint64_t nCount = at(4) | at(5) << 8 | at(6) << 16 | at(7) << 24;
    const std::uint64_t nField = 8 + 2 * nCount;
    if (nCount * 2 >= kSkinFileBytes)
        Check(Name(szSkin) == kBefore && bAccents == bAccentsBefore);
    else
    {
        const std::uint64_t nBits = at(nField) | at(nField + 1) | at(nField + 2) | at(nField + 3);
        Check(bAccents == (nField + 4 > cbData || nBits != 0));
    }

    CMemoryByteSink sink;
    WriteOptionsTo(sink, dwHabit, szSkin, bAccents);
    std::uint32_t dwAgain = 0;
    char16_t szAgain[kSkinFileUnits] = {};
    bool bAgain = !bAccents;
    CMemoryByteSource again(sink.Bytes().data(), sink.Bytes().size());
    ReadOptionsFrom(again, dwAgain, szAgain, bAgain);
    Check(dwAgain == dwHabit && Name(szAgain) == Name(szSkin) && bAgain == bAccents);
    return 0;
}

// Feeds arbitrary bytes to the Options.dat reader: it must never read or write outside
// its buffers, must keep the name terminated, must leave the previous name alone whenever
// it refuses a count, and what it read must write back and read again the same.
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

    CMemoryByteSource source(pData, cbData);
    ReadOptionsFrom(source, dwHabit, szSkin);
    Check(source.Position() <= cbData && Name(szSkin).size() < kSkinFileUnits);

    // A count that does not fit leaves the old name; so does a file too short to hold a count.
    if (cbData >= 8)
    {
        const std::uint64_t nCount = pData[4] | pData[5] << 8 | pData[6] << 16 | std::uint64_t(pData[7]) << 24;
        Check(nCount * 2 < kSkinFileBytes || Name(szSkin) == kBefore);
    }

    CMemoryByteSink sink;
    WriteOptionsTo(sink, dwHabit, szSkin);
    std::uint32_t dwAgain = 0;
    char16_t szAgain[kSkinFileUnits] = {};
    CMemoryByteSource again(sink.Bytes().data(), sink.Bytes().size());
    ReadOptionsFrom(again, dwAgain, szAgain);
    Check(dwAgain == dwHabit && Name(szAgain) == Name(szSkin));
    return 0;
}

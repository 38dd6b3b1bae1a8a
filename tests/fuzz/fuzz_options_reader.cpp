// Feeds arbitrary bytes to the Options.dat reader: it must never read or
// write outside its buffers, must keep the name terminated, and must leave
// the previous name alone whenever it refuses a count.
#include "settings/ByteStreams.h"
#include "settings/OptionsFormat.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* pData, std::size_t cbData)
{
    static const char16_t kBefore[] = u"Before.xml";
    std::uint32_t dwHabit = 7;
    char16_t szSkin[kSkinFileUnits] = {};
    std::memcpy(szSkin, kBefore, sizeof(kBefore));

    CMemoryByteSource source(pData, cbData);
    ReadOptionsFrom(source, dwHabit, szSkin);

    if (source.Position() > cbData)
        std::abort();
    bool bTerminated = false;
    for (char16_t ch : szSkin)
        bTerminated = bTerminated || ch == 0;
    if (!bTerminated)
        std::abort();

    // A count that does not fit leaves the old name; so does a file too short to hold a count.
    if (cbData >= 8)
    {
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n |= std::uint32_t(pData[4 + i]) << (8 * i);
        if (std::uint64_t(n) * 2 >= kSkinFileBytes && std::memcmp(szSkin, kBefore, sizeof(kBefore)) != 0)
            std::abort();
    }

    // What was read writes back to the same fields.
    CMemoryByteSink sink;
    WriteOptionsTo(sink, dwHabit, szSkin);
    std::uint32_t dwAgain = 0;
    char16_t szAgain[kSkinFileUnits] = {};
    CMemoryByteSource again(sink.Bytes().data(), sink.Bytes().size());
    ReadOptionsFrom(again, dwAgain, szAgain);
    if (dwAgain != dwHabit)
        std::abort();
    // Names compare up to their terminator: units after an embedded zero are not part of the name.
    for (std::size_t i = 0; i < kSkinFileUnits; ++i)
    {
        if (szAgain[i] != szSkin[i])
            std::abort();
        if (szSkin[i] == 0)
            break;
    }
    return 0;
}

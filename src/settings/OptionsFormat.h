#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

// The layout of Options.dat, all little-endian, no header, no padding:
//   offset 0  4 bytes      handedness (non-zero = left-handed)
//   offset 4  4 bytes      n, the number of UTF-16 units of the skin file name
//   offset 8  2 * n bytes  the skin file name, UTF-16LE, no terminator
//   then      4 bytes      accents on a long press: 0 off, anything else on
// Readers before the accents field ignore the bytes after the name, so both
// versions read each other's files. A file without the field, or with fewer
// than its 4 bytes, means on.
//
// The readers and writers work over any byte source or sink with the
// semantics of a file handle:
//   bool Read(void* pBuffer, std::uint32_t cbBytes)   partial reads at the end
//        of the data succeed and leave the rest of the buffer untouched;
//   bool Write(const void* pBuffer, std::uint32_t cbBytes).
// The device reads its file through them, and the tests and the fuzzer read
// byte arrays through the very same code.

constexpr std::uint32_t kSkinFileUnits = 260;                 // buffer, terminator included
constexpr std::uint32_t kSkinFileBytes = 2 * kSkinFileUnits;  // 520

// The skin used when none is named.
constexpr char kDefaultSkinFile[] = "Silver.xml";

template <typename TSource>
bool ReadDwordFrom(TSource& source, std::uint32_t& dwTarget)
{
    unsigned char bytes[4] = {};
    if (!source.Read(bytes, sizeof(bytes)))
        return false;
    dwTarget = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
               std::uint32_t(bytes[3]) << 24;
    return true;
}

template <typename TSink>
bool WriteDwordTo(TSink& sink, std::uint32_t dwValue)
{
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(dwValue), static_cast<unsigned char>(dwValue >> 8),
        static_cast<unsigned char>(dwValue >> 16), static_cast<unsigned char>(dwValue >> 24)};
    return sink.Write(bytes, sizeof(bytes));
}

// Reads a counted name into pBuffer (cbBuffer bytes). A name that would not
// fit with its terminator is refused before its text is read, and the buffer
// is left alone; otherwise the whole buffer is cleared and the text copied in,
// so that text missing at the end of the data reads as zeros.
template <typename TSource, typename TChar>
bool ReadStringFrom(TSource& source, TChar* pBuffer, std::uint32_t cbBuffer)
{
    static_assert(sizeof(TChar) == 2, "names are UTF-16");
    std::uint32_t n = 0;
    if (!ReadDwordFrom(source, n))
        return false;
    // Computed in 64 bits: 2 * n in 32 bits wraps for n >= 0x80000000 and
    // would let a huge count pass as a small one.
    const std::uint64_t cbText = 2 * std::uint64_t(n);
    if (pBuffer == nullptr || cbText >= cbBuffer)
        return false;
    // One spare byte so that an empty name still hands the source a real buffer.
    // Short of memory, the name is not read: the caller keeps what it had.
    const std::unique_ptr<unsigned char[]> text(new (std::nothrow) unsigned char[cbText + 1]());
    if (!text)
        return false;
    const bool bRead = source.Read(text.get(), static_cast<std::uint32_t>(cbText));
    if (bRead)
    {
        std::memset(pBuffer, 0, cbBuffer);
        for (std::size_t i = 0; i < n; ++i)
            pBuffer[i] = static_cast<TChar>(text[2 * i] | text[2 * i + 1] << 8);
    }
    return bRead;
}

// Writes the count of units of the zero-terminated psz, then its text if
// the count was written.
template <typename TSink, typename TChar>
bool WriteStringTo(TSink& sink, const TChar* psz)
{
    static_assert(sizeof(TChar) == 2, "names are UTF-16");
    std::uint32_t n = 0;
    while (psz[n] != 0)
        ++n;
    if (!WriteDwordTo(sink, n))
        return false;
    // Short of memory, the write fails like a full store's: the old file stays.
    const std::unique_ptr<unsigned char[]> text(new (std::nothrow) unsigned char[2 * std::size_t(n) + 1]);
    if (!text)
        return false;
    for (std::size_t i = 0; i < n; ++i)
    {
        text[2 * i] = static_cast<unsigned char>(psz[i] & 0xFF);
        text[2 * i + 1] = static_cast<unsigned char>((psz[i] >> 8) & 0xFF);
    }
    return sink.Write(text.get(), 2 * n);
}

// Reads a switch that older files lack. The bytes start as 0xFF: whatever the
// data does not hold reads as non-zero, so a missing or cut-short field is on.
template <typename TSource>
bool ReadSwitchFrom(TSource& source, bool& bTarget)
{
    unsigned char bytes[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    if (!source.Read(bytes, sizeof(bytes)))
        return false;
    bTarget = (bytes[0] | bytes[1] | bytes[2] | bytes[3]) != 0;
    return true;
}

// Reads the settings in file order. Results of the reads are not needed: a
// short file leaves zeros (habit), an empty name and accents on; an oversized
// count keeps the name and the accents that were there, as the field's place
// is unknown.
template <typename TSource, typename TChar>
void ReadOptionsFrom(TSource& source, std::uint32_t& dwHabit, TChar (&szSkinFile)[kSkinFileUnits], bool& bAccents)
{
    ReadDwordFrom(source, dwHabit);
    if (ReadStringFrom(source, szSkinFile, kSkinFileBytes))
        ReadSwitchFrom(source, bAccents);
}

// Puts the default skin into an empty name.
template <typename TChar>
void DefaultSkinFileIfEmpty(TChar (&szSkinFile)[kSkinFileUnits])
{
    if (szSkinFile[0] != 0)
        return;
    std::size_t i = 0;
    for (; kDefaultSkinFile[i] != 0; ++i)
        szSkinFile[i] = static_cast<TChar>(kDefaultSkinFile[i]);
    szSkinFile[i] = 0;
}

// Writes the settings in file order; an empty name is first replaced by the
// default skin, in the caller's buffer as well. Write results are not needed
// by the callers; the function reports whether every field went out.
template <typename TSink, typename TChar>
bool WriteOptionsTo(TSink& sink, std::uint32_t dwHabit, TChar (&szSkinFile)[kSkinFileUnits], bool bAccents)
{
    const bool bHabit = WriteDwordTo(sink, dwHabit);
    DefaultSkinFileIfEmpty(szSkinFile);
    const bool bName = WriteStringTo(sink, szSkinFile);
    // After a name that did not go out whole the field's place would be wrong.
    return bHabit && bName && WriteDwordTo(sink, bAccents ? 1 : 0);
}

#pragma once
#include "words/WordSettings.h"

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
//   then      1 byte each  word completion: suggest words (0 off, else on), after
//                          how many letters (1-4), how many words (1-4), a space
//                          after a chosen word (0 off, else on), learn new words
//                          (0 off, else on), the word list (0 Automatic, 1 English,
//                          2 Deutsch, 3 Francais, 4 Espanol, 5 Italiano)
// Every reader ignores the bytes after the fields it knows, so each version
// reads the files of the others. A file without the accents field, or with
// fewer than its 4 bytes, means on; a word field that is not there takes its
// default, and a value out of its range the nearest one in it (a list that names
// none is Automatic). The word fields are single bytes so that a file cut
// anywhere loses whole fields only: a byte that is not there reads as 0xFF,
// which no writer stores.
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

constexpr std::uint32_t kWordSettingsBytes = 6;
constexpr unsigned char kMissingByte = 0xFF;

// Reads the word settings; each field that is not there takes its default.
template <typename TSource>
bool ReadWordSettingsFrom(TSource& source, WordSettings& settings)
{
    unsigned char bytes[kWordSettingsBytes];
    std::memset(bytes, kMissingByte, sizeof(bytes));
    if (!source.Read(bytes, sizeof(bytes)))
        return false;
    const WordSettings defaults;
    const auto field = [&bytes](std::size_t i, std::uint32_t nDefault) {
        return bytes[i] != kMissingByte ? std::uint32_t(bytes[i]) : nDefault;
    };
    WordSettings read;
    read.bSuggest = field(0, defaults.bSuggest) != 0;
    read.nAfterLetters = field(1, defaults.nAfterLetters);
    read.nWords = field(2, defaults.nWords);
    read.bSpaceAfterWord = field(3, defaults.bSpaceAfterWord) != 0;
    read.bLearn = field(4, defaults.bLearn) != 0;
    read.list = static_cast<WordList>(field(5, static_cast<std::uint32_t>(defaults.list)));
    settings = ClampWordSettings(read);
    return true;
}

template <typename TSink>
bool WriteWordSettingsTo(TSink& sink, const WordSettings& settings)
{
    const WordSettings clamped = ClampWordSettings(settings);
    const unsigned char bytes[kWordSettingsBytes] = {static_cast<unsigned char>(clamped.bSuggest ? 1 : 0),
                                                     static_cast<unsigned char>(clamped.nAfterLetters),
                                                     static_cast<unsigned char>(clamped.nWords),
                                                     static_cast<unsigned char>(clamped.bSpaceAfterWord ? 1 : 0),
                                                     static_cast<unsigned char>(clamped.bLearn ? 1 : 0),
                                                     static_cast<unsigned char>(clamped.list)};
    return sink.Write(bytes, sizeof(bytes));
}

// Reads the settings in file order. Results of the reads are not needed: a
// short file leaves zeros (habit), an empty name, accents on and the word
// settings' defaults; an oversized count keeps the name, the accents and the
// word settings that were there, as the fields' place is unknown.
template <typename TSource, typename TChar>
void ReadOptionsFrom(TSource& source, std::uint32_t& dwHabit, TChar (&szSkinFile)[kSkinFileUnits], bool& bAccents,
                     WordSettings& words)
{
    ReadDwordFrom(source, dwHabit);
    if (ReadStringFrom(source, szSkinFile, kSkinFileBytes) && ReadSwitchFrom(source, bAccents))
        ReadWordSettingsFrom(source, words);
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
bool WriteOptionsTo(TSink& sink, std::uint32_t dwHabit, TChar (&szSkinFile)[kSkinFileUnits], bool bAccents,
                    const WordSettings& words)
{
    const bool bHabit = WriteDwordTo(sink, dwHabit);
    DefaultSkinFileIfEmpty(szSkinFile);
    const bool bName = WriteStringTo(sink, szSkinFile);
    // After a field that did not go out whole the next one's place would be wrong.
    return bHabit && bName && WriteDwordTo(sink, bAccents ? 1 : 0) && WriteWordSettingsTo(sink, words);
}

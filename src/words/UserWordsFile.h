#pragma once
#include "words/UserWords.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Words.dat, the user's words, beside Options.dat. Little-endian.
//   header: "BVUW", a 2-byte version (1), the 2-byte size of the header (12; readers
//           skip what they do not know), the 4-byte use clock;
//   records, most recently used first, each whole in itself:
//     2 bytes  n, the size of the rest of the record
//     4 bytes  uses
//     4 bytes  last use (on the clock)
//     1 byte   k, the word's length, then k UTF-16 units
//     ...      fields of later versions, which readers skip
//     4 bytes  CRC-32 of the record's bytes before it, its size included
// A reader keeps every record before the first one that is cut short or whose CRC is
// wrong: a file torn while written loses only its last records. A record that is
// whole but holds no usable word is passed over.

constexpr wchar_t kUserWordsFileName[] = L"Words.dat";  // beside Options.dat
constexpr std::uint8_t kUserWordsMagic[4] = {'B', 'V', 'U', 'W'};
constexpr std::uint16_t kUserWordsVersion = 1;
constexpr std::uint16_t kUserWordsHeaderBytes = 12;

// The bytes of the file, in place of what out held; false when memory ran out.
bool WriteUserWords(const CUserWords& words, std::vector<std::uint8_t>& out);

// Fills the (cleared) store from a file's bytes; how many words it kept. A file that
// is not of this kind gives none.
std::size_t ReadUserWords(const std::uint8_t* pData, std::size_t cbData, CUserWords& words);

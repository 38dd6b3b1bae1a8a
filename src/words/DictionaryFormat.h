#pragma once
#include <cstdint>

// A compiled word list (words/NAME.dic next to the module), read in place: the reader
// keeps the file's bytes in one buffer and decodes as it walks. Little-endian.
//
// Header, 32 bytes:
//   0  4  "BVWD"
//   4  2  version, 1
//   6  2  header size, 32; the alphabet follows it
//   8  2  language: two ASCII letters ("en", "de", "fr", "es", "it")
//  10  2  number of characters in the alphabet, 1 to 127
//  12  4  number of words
//  16  4  offset of the shortcuts
//  20  4  offset of the trie
//  24  4  size of the file
//  28  4  CRC-32 of every other byte of the file: bytes 0-27, then 32 to the end
// Alphabet: one UTF-16 unit a character; the character numbered n (from 1) is the n-th.
// Shortcuts (words a list offers first when its entry word is typed in full, "ill"
// gives "I'll"): a 2-byte count, 2-byte offsets of each record from the section's
// start, then the records: 1-byte source length, 1-byte target length, the source in
// lower case and the target, UTF-16 units. Sorted by source, best target first.
// Trie, to the end of the file: a radix tree whose nodes keep the best frequency below
// them. A node's children form a group: the group's size in bytes (7 bits a byte, low
// bits first, bit 7 set while more follow), then its entries one after the other, best
// first; each child's subtree (its group, then their subtrees) follows the group in the
// same order. An entry:
//   header byte: bits 7-6 kind, bits 5-0 step; 63: the step is in the next byte;
//   kind 3: a byte with the best minus the word's own frequency;
//   the label: character numbers, bit 7 set on the last;
//   when it has children and is not the last of its group: the size of its subtree,
//   written as a group's size is.
// Frequencies run from 0 to 255; 0 marks a word offered only when typed in full. An
// entry's best is the best before it in its group (its parent's best for the first;
// 255 for the root's) minus its step. The first child's subtree starts where its
// group ends, each next one where the one before ended, and the last one's runs to the
// end of its parent's: every offset moves forward inside its parent's range. Siblings'
// labels begin with different characters.

constexpr std::uint8_t kDictionaryMagic[4] = {'B', 'V', 'W', 'D'};
constexpr std::uint16_t kDictionaryVersion = 1;
constexpr std::uint32_t kDictionaryHeaderBytes = 32;

constexpr std::uint32_t kDicVersionAt = 4;
constexpr std::uint32_t kDicHeaderSizeAt = 6;
constexpr std::uint32_t kDicLanguageAt = 8;
constexpr std::uint32_t kDicAlphabetAt = 10;
constexpr std::uint32_t kDicWordCountAt = 12;
constexpr std::uint32_t kDicShortcutsAt = 16;
constexpr std::uint32_t kDicTrieAt = 20;
constexpr std::uint32_t kDicFileSizeAt = 24;
constexpr std::uint32_t kDicChecksumAt = 28;

constexpr int kMaxAlphabetCharacters = 127;
constexpr std::uint8_t kTopFrequency = 255;

// Entry kinds.
constexpr std::uint8_t kEntryLeaf = 0x00;         // a word without children
constexpr std::uint8_t kEntryBranch = 0x40;       // children, no word
constexpr std::uint8_t kEntryWordBest = 0x80;     // a word that is the best of its subtree, and children
constexpr std::uint8_t kEntryWordBelow = 0xC0;    // a word less frequent than its best child, and children
constexpr std::uint8_t kEntryKindMask = 0xC0;
constexpr std::uint8_t kEntryStepMask = 0x3F;
constexpr std::uint8_t kEntryStepInByte = 0x3F;   // the step is in the next byte
constexpr std::uint8_t kLabelEnd = 0x80;
constexpr int kMaxSizeBytes = 4;                  // sizes of groups and subtrees: 28 bits

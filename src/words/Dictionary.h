#pragma once
#include "words/LetterMatch.h"
#include "words/WordLanguage.h"
#include "words/WordLimits.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// One entry of the trie as read from the bytes (DictionaryFormat.h).
struct DictionaryEntry
{
    std::uint32_t nLabelPos;    // its first label byte
    std::uint32_t nNextPos;     // the next entry of its group, when it is not the last
    std::uint32_t nChildBegin;  // its children's group, when it has children
    std::uint32_t nChildEnd;    // the end of its subtree: where the next entry's subtree starts
    std::uint8_t nLabelUnits;
    std::uint8_t nBest;         // the best frequency of its word and everything below it
    std::uint8_t nOwn;          // its word's frequency, when it is a word
    bool bWord;
    bool bChildren;
    bool bLast;
};

// What reading an entry of a group needs besides its position.
struct DictionaryCursor
{
    std::uint32_t nPos;         // the entry's header
    std::uint32_t nGroupEnd;    // where the group's entries end
    std::uint32_t nChildStart;  // where the entry's subtree starts, if it has one
    std::uint32_t nEnd;         // the end of the parent's subtree
    std::uint8_t nPrevBest;     // the best of the entry before it, or the parent's for the first
};

// An entry of a root entry's group, kept from Open on.
struct IndexedEntry
{
    std::uint32_t nPos;
    std::uint32_t nChildStart;
    std::uint8_t nPrevBest;
    std::uint8_t nCode;  // the first character of its label
};

// A set of character numbers (1 to 127).
struct CodeSet
{
    std::uint64_t aBits[2];

    bool Has(std::uint8_t nCode) const { return (aBits[nCode >> 6] >> (nCode & 63) & 1) != 0; }
};

// A compiled word list, read in place from the file's bytes. Every read is checked
// against the bounds of the range it belongs to, and every offset moves forward, so
// that damaged bytes give fewer words, never a fault or a loop. Besides the bytes it
// keeps a few per cent of their size: the root's entries by first character, where
// each entry of their groups starts, and for each letter that may be typed the
// characters it types. Without memory for the second, the groups are read instead.
class CDictionary
{
public:
    // Takes the file's bytes. False, leaving a dictionary that knows no word, when they
    // are not a whole dictionary: a wrong header, a section out of the file, a checksum
    // that does not match. Damage that keeps the checksum is caught by the reads.
    bool Open(std::unique_ptr<std::uint8_t[]> pBytes, std::size_t cbBytes);
    void Close();

    bool IsOpen() const { return m_pBytes != nullptr; }
    WordLanguage Language() const { return m_language; }
    std::uint32_t WordCount() const { return m_nWords; }

    // The root's entry whose label begins with the character; false when none does.
    bool RootEntry(std::uint8_t nCode, DictionaryEntry& entry) const;

    // The entries of a root entry's group, by first character, and the set of those
    // characters; null (and nCount 0) when they were not kept. A cursor for one of them
    // takes the group's end and range from ChildCursor.
    const IndexedEntry* IndexedChildren(std::uint8_t nRootCode, int& nCount, CodeSet& firstCodes) const;

    // The first entry of an entry's children; false when it has none or they are damaged.
    bool ChildCursor(const DictionaryEntry& parent, DictionaryCursor& cursor) const;

    // Reads the entry at the cursor; false when its bytes are not a whole entry.
    bool ReadEntry(const DictionaryCursor& cursor, DictionaryEntry& entry) const;

    // From the cursor on, the next entry of the group whose label begins with one of
    // the characters: moves the cursor to it and reads it. The entries passed over are
    // stepped over without decoding them. False at the group's end or on damage.
    bool FindEntry(DictionaryCursor& cursor, const CodeSet& codes, DictionaryEntry& entry) const;

    // The entry after the one just read at the cursor (which is not the last).
    static DictionaryCursor NextCursor(const DictionaryCursor& cursor, const DictionaryEntry& entry)
    {
        return {entry.nNextPos, cursor.nGroupEnd, entry.nChildEnd, cursor.nEnd, entry.nBest};
    }

    // The character number at a label byte of an entry that ReadEntry accepted.
    std::uint8_t CodeAt(std::uint32_t nLabelPos) const { return m_pBytes[nLabelPos] & 0x7F; }
    const LetterMatch& MatchOf(std::uint8_t nCode) const { return m_aMatch[nCode]; }
    wchar_t CharacterOf(std::uint8_t nCode) const { return m_aCharacters[nCode]; }

    // The characters a typed letter (lower case) may stand for, first of a match
    // (TypedSteps): itself, accented forms, pairs it begins, and the signs that may be
    // left out.
    CodeSet CodesTypedBy(wchar_t chTyped) const;

    // Copies the targets of the shortcuts whose source is the typed letters (lower
    // case), best first, up to nMax; returns how many.
    int FindShortcuts(const wchar_t* pszTyped, std::size_t nTyped, wchar_t (*aszTargets)[kMaxWordUnits + 1],
                      int nMax) const;

private:
    static constexpr int kCodes = 128;                   // character numbers 1 to 127; 0 is none
    static constexpr int kMaxTypedKeys = 3 * (kCodes - 1);  // a character's own, plain and pair letters

    bool ReadHeader();
    bool ReadShortcuts();
    bool IndexRoot();
    void IndexRootGroups();
    void SortIndexedGroup(int nRootCode);
    void IndexTypedLetters();
    bool ReadSize(std::uint32_t& nPos, std::uint32_t nLimit, std::uint32_t& nSize) const;
    // An entry's header byte and the step down from the best frequency before it (in the
    // byte after, when the header's step says so); false past nLimit or for a step that
    // would go below zero.
    bool ReadEntryHeader(std::uint32_t& nPos, std::uint32_t nLimit, std::uint8_t nPrevBest, std::uint8_t& nHeader,
                         std::uint8_t& nBest) const;
    std::uint16_t Unit16(std::uint32_t nPos) const;
    std::uint32_t Unit32(std::uint32_t nPos) const;
    int CompareSource(std::uint32_t nRecord, const wchar_t* pszTyped, std::size_t nTyped) const;

    std::unique_ptr<std::uint8_t[]> m_pBytes;
    std::uint32_t m_cbBytes = 0;
    WordLanguage m_language = WordLanguage::English;
    std::uint32_t m_nWords = 0;
    std::uint32_t m_nAlphabet = 0;
    std::uint32_t m_nShortcutsAt = 0;
    std::uint32_t m_nShortcuts = 0;
    std::uint32_t m_nTrieAt = 0;
    wchar_t m_aCharacters[kCodes] = {};
    LetterMatch m_aMatch[kCodes] = {};
    DictionaryEntry m_aRoot[kCodes] = {};     // by first character; nLabelUnits 0: none
    std::unique_ptr<IndexedEntry[]> m_pRootGroups;
    std::uint32_t m_aRootGroupAt[kCodes] = {};
    std::uint32_t m_aRootGroupCount[kCodes] = {};
    CodeSet m_aRootGroupCodes[kCodes] = {};
    wchar_t m_aTypedKeys[kMaxTypedKeys] = {};  // sorted
    CodeSet m_aTypedCodes[kMaxTypedKeys] = {};
    int m_nTypedKeys = 0;
    CodeSet m_skippable = {};
};

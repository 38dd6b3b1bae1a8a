#pragma once
#include "words/Dictionary.h"

#include <cstddef>
#include <cstdint>

// The dictionary's words that begin with the typed letters, best first. The typed
// letters are matched against the trie (every way a letter may be typed at once, so
// that each entry is read once), then the matching subtrees are walked best branch
// first: a branch whose best is below the words already found is never read. Work
// and memory are bounded, whatever the bytes: past the bounds the search ends early.
class CWordSearch
{
public:
    explicit CWordSearch(const CDictionary& dictionary) : m_dictionary(dictionary) {}

    // Starts over for the typed letters, lower case (see TypedSteps); no words for none
    // or for more than kMaxWordUnits.
    void Start(const wchar_t* pszTyped, std::size_t nTyped);

    // The next word, best first, with its frequency; false when there is none. A word
    // whose frequency is 0 comes only when the typed letters make all of it.
    bool Next(wchar_t (&szWord)[kMaxWordUnits + 1], std::uint8_t& nFrequency);

    // Whether the letters (lower case) make a whole word of the dictionary, any frequency.
    bool HasWord(const wchar_t* pszWord, std::size_t nWord);

private:
    static constexpr std::uint16_t kNoPath = 0xFFFF;
    static constexpr int kMaxPaths = 256;
    static constexpr int kMaxItems = 384;  // found over a whole search
    static constexpr int kMaxVisits = 4000;  // entries read while matching the typed letters

    // An entry on the way to the words: its label, and the entry above it.
    struct PathNode
    {
        std::uint32_t nLabelPos;
        std::uint16_t nParent;
        std::uint8_t nLabelUnits;
        std::uint8_t nUnits;  // of the word up to the end of this label
    };

    // A word found, or a subtree not yet walked: an entry, read when it was found, and
    // the siblings after it.
    struct Item
    {
        DictionaryEntry entry;
        std::uint32_t nGroupEnd;  // of the entry's group, for its next sibling
        std::uint32_t nEnd;
        std::uint16_t nPath;      // a word's own node; a subtree's parent
        bool bWord;
    };

    void Reset(const wchar_t* pszTyped, std::size_t nTyped);
    void MatchRoot();
    void MatchGroup(const DictionaryCursor& first, std::uint64_t reached, std::uint16_t nParent);
    void MatchRootGroup(const DictionaryEntry& parent, const DictionaryCursor& children, std::uint64_t reached,
                        std::uint16_t nParent);
    void MatchEntry(const DictionaryEntry& entry, std::uint64_t reached, std::uint16_t nParent);
    void Expand(const DictionaryEntry& entry, std::uint16_t nPath, bool bTypedEndsHere);
    void PushSubtree(const DictionaryCursor& cursor, std::uint16_t nParent);
    void Push(const Item& item, std::uint8_t nPriority);
    std::uint32_t PopBest();
    std::uint16_t AddPath(const DictionaryEntry& entry, std::uint16_t nParent);
    std::size_t WriteWord(std::uint16_t nPath, wchar_t (&szWord)[kMaxWordUnits + 1]) const;
    bool IsTypedWhole(std::uint16_t nPath) const;

    // Filled as used: not cleared, which would cost more than most searches.
    const CDictionary& m_dictionary;
    wchar_t m_szTyped[kMaxWordUnits];
    CodeSet m_aFirstCodes[kMaxWordUnits];  // the characters a match may begin with at each typed letter
    std::size_t m_nTyped = 0;
    bool m_bWhole = false;  // matching whole words (HasWord), not beginnings
    bool m_bFoundWhole = false;
    int m_nVisits = 0;
    PathNode m_aPaths[kMaxPaths];
    int m_nPaths = 0;
    Item m_aItems[kMaxItems];
    int m_nItems = 0;
    // A binary heap of the items not yet taken, best on top: the priority (a word's
    // frequency, a subtree's best) above the item's index, complemented so that of
    // equal priorities the one found first comes first.
    std::uint32_t m_aHeap[kMaxItems];
    int m_nHeap = 0;
};

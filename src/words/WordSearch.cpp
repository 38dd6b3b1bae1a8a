#include "words/WordSearch.h"

#include "words/LetterMatch.h"

namespace {

constexpr CodeSet kAllCodes = {{~std::uint64_t(0), ~std::uint64_t(0)}};

std::uint64_t TypedEndBit(std::size_t nTyped)
{
    return std::uint64_t(1) << nTyped;
}

}  // namespace

void CWordSearch::Reset(const wchar_t* pszTyped, std::size_t nTyped)
{
    m_nTyped = nTyped <= kMaxWordUnits ? nTyped : 0;
    for (std::size_t i = 0; i < m_nTyped; ++i)
    {
        m_szTyped[i] = pszTyped[i];
        m_aFirstCodes[i] = m_dictionary.CodesTypedBy(pszTyped[i]);
    }
    m_nVisits = m_nPaths = m_nItems = m_nHeap = 0;
    m_bFoundWhole = false;
}

void CWordSearch::Start(const wchar_t* pszTyped, std::size_t nTyped)
{
    Reset(pszTyped, nTyped);
    m_bWhole = false;
    MatchRoot();
}

bool CWordSearch::HasWord(const wchar_t* pszWord, std::size_t nWord)
{
    Reset(pszWord, nWord);
    m_bWhole = true;
    MatchRoot();
    return m_bFoundWhole;
}

// The root's entries are kept by first character: only those the first typed letter
// may begin are read.
void CWordSearch::MatchRoot()
{
    if (m_nTyped == 0 || !m_dictionary.IsOpen())
        return;
    const CodeSet& codes = m_aFirstCodes[0];
    for (int nWord = 0; nWord < 2; ++nWord)
    {
        for (std::uint64_t bits = codes.aBits[nWord]; bits != 0; bits &= bits - 1)
        {
            DictionaryEntry entry = {};
            const auto nCode = static_cast<std::uint8_t>(64 * nWord + __builtin_ctzll(bits));
            if (m_dictionary.RootEntry(nCode, entry))
                MatchEntry(entry, 1, kNoPath);
        }
    }
}

void CWordSearch::MatchGroup(const DictionaryCursor& first, std::uint64_t reached, std::uint16_t nParent)
{
    // Most entries of a group fail on their first character: with one typed position
    // reached, only the entries that may begin there are read.
    const CodeSet& codes = (reached & (reached - 1)) == 0 ? m_aFirstCodes[__builtin_ctzll(reached)] : kAllCodes;
    DictionaryCursor cursor = first;
    DictionaryEntry entry = {};
    while (++m_nVisits <= kMaxVisits && !m_bFoundWhole && m_dictionary.FindEntry(cursor, codes, entry))
    {
        MatchEntry(entry, reached, nParent);
        if (entry.bLast)
            return;
        cursor = CDictionary::NextCursor(cursor, entry);
    }
}

void CWordSearch::MatchEntry(const DictionaryEntry& entry, std::uint64_t reached, std::uint16_t nParent)
{
    const std::uint64_t kEnded = TypedEndBit(m_nTyped);
    // Looking for beginnings, the typed letters may end inside the label: the whole
    // subtree then begins with them.
    for (std::uint32_t i = 0; i < entry.nLabelUnits && reached != 0 && (m_bWhole || (reached & kEnded) == 0); ++i)
    {
        const LetterMatch& match = m_dictionary.MatchOf(m_dictionary.CodeAt(entry.nLabelPos + i));
        reached = TypedSteps(match, m_szTyped, m_nTyped, reached, m_bWhole);
    }
    if (reached == 0)
        return;
    if (m_bWhole && (reached & kEnded) != 0 && entry.bWord)
    {
        m_bFoundWhole = true;
        return;
    }
    const std::uint16_t nPath = AddPath(entry, nParent);
    if (nPath == kNoPath)
        return;
    DictionaryCursor children = {};
    if (!m_bWhole && (reached & kEnded) != 0)
        Expand(entry, nPath, true);
    else if (m_dictionary.ChildCursor(entry, children))
    {
        if (nParent == kNoPath)
            MatchRootGroup(entry, children, reached, nPath);
        else
            MatchGroup(children, reached, nPath);
    }
}

// A root entry's group, whose entries the dictionary keeps by first character: with
// one typed position reached, only those that may begin there are read.
void CWordSearch::MatchRootGroup(const DictionaryEntry& parent, const DictionaryCursor& children,
                                 std::uint64_t reached, std::uint16_t nParent)
{
    int nCount = 0;
    CodeSet firstCodes = {};
    const IndexedEntry* pEntries =
        m_dictionary.IndexedChildren(m_dictionary.CodeAt(parent.nLabelPos), nCount, firstCodes);
    if (pEntries == nullptr || (reached & (reached - 1)) != 0)
    {
        MatchGroup(children, reached, nParent);
        return;
    }
    const CodeSet& codes = m_aFirstCodes[__builtin_ctzll(reached)];
    for (int nWord = 0; nWord < 2; ++nWord)
    {
        for (std::uint64_t bits = codes.aBits[nWord] & firstCodes.aBits[nWord]; bits != 0; bits &= bits - 1)
        {
            const auto nCode = static_cast<std::uint8_t>(64 * nWord + __builtin_ctzll(bits));
            int nLow = 0, nHigh = nCount;
            while (nLow < nHigh)
            {
                const int nMid = (nLow + nHigh) / 2;
                if (pEntries[nMid].nCode < nCode)
                    nLow = nMid + 1;
                else
                    nHigh = nMid;
            }
            if (nLow == nCount)
                continue;
            DictionaryEntry entry;
            const DictionaryCursor cursor = {pEntries[nLow].nPos, children.nGroupEnd, pEntries[nLow].nChildStart,
                                             children.nEnd, pEntries[nLow].nPrevBest};
            if (m_dictionary.ReadEntry(cursor, entry))
                MatchEntry(entry, reached, nParent);
        }
    }
}

// Puts the entry's word and the first of its children up for the walk.
void CWordSearch::Expand(const DictionaryEntry& entry, std::uint16_t nPath, bool bTypedEndsHere)
{
    if (entry.bWord && (entry.nOwn > 0 || (bTypedEndsHere && IsTypedWhole(nPath))))
        Push({{}, 0, 0, nPath, true}, entry.nOwn);
    DictionaryCursor children = {};
    if (m_dictionary.ChildCursor(entry, children))
        PushSubtree(children, nPath);
}

void CWordSearch::PushSubtree(const DictionaryCursor& cursor, std::uint16_t nParent)
{
    Item item;
    item.nGroupEnd = cursor.nGroupEnd;
    item.nEnd = cursor.nEnd;
    item.nPath = nParent;
    item.bWord = false;
    // A subtree whose best is 0 holds only words offered when typed in full, which
    // are found where the typed letters end.
    if (m_dictionary.ReadEntry(cursor, item.entry) && item.entry.nBest > 0)
        Push(item, item.entry.nBest);
}

bool CWordSearch::Next(wchar_t (&szWord)[kMaxWordUnits + 1], std::uint8_t& nFrequency)
{
    while (m_nHeap > 0)
    {
        const std::uint32_t nKey = PopBest();
        const Item& item = m_aItems[0xFFFF - (nKey & 0xFFFF)];
        if (item.bWord)
        {
            if (WriteWord(item.nPath, szWord) == 0)
                continue;
            nFrequency = static_cast<std::uint8_t>(nKey >> 16);
            return true;
        }
        const DictionaryEntry& entry = item.entry;
        if (!entry.bLast)
            PushSubtree(CDictionary::NextCursor({0, item.nGroupEnd, 0, item.nEnd, 0}, entry), item.nPath);
        const std::uint16_t nPath = AddPath(entry, item.nPath);
        if (nPath != kNoPath)
            Expand(entry, nPath, false);
    }
    return false;
}

// Items are kept for the whole search; once they run out, what comes after is dropped,
// which ends the branches it would have opened.
void CWordSearch::Push(const Item& item, std::uint8_t nPriority)
{
    if (m_nItems == kMaxItems)
        return;
    m_aItems[m_nItems] = item;
    const std::uint32_t nKey = std::uint32_t(nPriority) << 16 | (0xFFFF - static_cast<std::uint32_t>(m_nItems++));
    int i = m_nHeap++;
    for (; i > 0 && m_aHeap[(i - 1) / 2] < nKey; i = (i - 1) / 2)
        m_aHeap[i] = m_aHeap[(i - 1) / 2];
    m_aHeap[i] = nKey;
}

std::uint32_t CWordSearch::PopBest()
{
    const std::uint32_t nBest = m_aHeap[0];
    const std::uint32_t nLast = m_aHeap[--m_nHeap];
    int i = 0;
    for (;;)
    {
        int nChild = 2 * i + 1;
        if (nChild >= m_nHeap)
            break;
        if (nChild + 1 < m_nHeap && m_aHeap[nChild + 1] > m_aHeap[nChild])
            ++nChild;
        if (m_aHeap[nChild] <= nLast)
            break;
        m_aHeap[i] = m_aHeap[nChild];
        i = nChild;
    }
    m_aHeap[i] = nLast;
    return nBest;
}

std::uint16_t CWordSearch::AddPath(const DictionaryEntry& entry, std::uint16_t nParent)
{
    const int nUnits = (nParent == kNoPath ? 0 : m_aPaths[nParent].nUnits) + entry.nLabelUnits;
    if (m_nPaths == kMaxPaths || nUnits > kMaxWordUnits)
        return kNoPath;
    m_aPaths[m_nPaths] = {entry.nLabelPos, nParent, entry.nLabelUnits, static_cast<std::uint8_t>(nUnits)};
    return static_cast<std::uint16_t>(m_nPaths++);
}

// Writes the labels from the root down to the node; returns the word's length.
std::size_t CWordSearch::WriteWord(std::uint16_t nPath, wchar_t (&szWord)[kMaxWordUnits + 1]) const
{
    const std::size_t nUnits = m_aPaths[nPath].nUnits;
    std::size_t nEnd = nUnits;
    for (std::uint16_t n = nPath; n != kNoPath; n = m_aPaths[n].nParent)
    {
        const PathNode& node = m_aPaths[n];
        nEnd -= node.nLabelUnits;
        for (std::uint32_t i = 0; i < node.nLabelUnits; ++i)
            szWord[nEnd + i] = m_dictionary.CharacterOf(m_dictionary.CodeAt(node.nLabelPos + i));
    }
    szWord[nUnits] = 0;
    return nUnits;
}

bool CWordSearch::IsTypedWhole(std::uint16_t nPath) const
{
    wchar_t szWord[kMaxWordUnits + 1];
    const std::size_t nWord = WriteWord(nPath, szWord);
    return TypedLettersMatch(m_dictionary.Language(), m_szTyped, m_nTyped, szWord, nWord, true);
}

#include "words/Dictionary.h"

#include "words/Crc32.h"
#include "words/DictionaryFormat.h"

#include <new>
#include <utility>

namespace {

constexpr std::uint32_t kMaxFileBytes = 0x7FFFFFFF;

}  // namespace

bool CDictionary::Open(std::unique_ptr<std::uint8_t[]> pBytes, std::size_t cbBytes)
{
    Close();
    if (pBytes == nullptr || cbBytes < kDictionaryHeaderBytes || cbBytes > kMaxFileBytes)
        return false;
    m_pBytes = std::move(pBytes);
    m_cbBytes = static_cast<std::uint32_t>(cbBytes);
    if (!ReadHeader() || !ReadShortcuts() || !IndexRoot())
    {
        Close();
        return false;
    }
    IndexTypedLetters();
    IndexRootGroups();
    return true;
}

// The root is a node without a word whose children start the trie and whose best is
// the top. Its entries, read once, are kept by first character.
bool CDictionary::IndexRoot()
{
    DictionaryEntry root = {};
    root.bChildren = true;
    root.nBest = kTopFrequency;
    root.nChildBegin = m_nTrieAt;
    root.nChildEnd = m_cbBytes;
    DictionaryCursor cursor = {};
    if (!ChildCursor(root, cursor))
        return false;
    for (int i = 0; i < kCodes; ++i)
        m_aRoot[i].nLabelUnits = 0;
    for (;;)
    {
        DictionaryEntry entry = {};
        if (!ReadEntry(cursor, entry))
            return false;
        m_aRoot[CodeAt(entry.nLabelPos)] = entry;
        if (entry.bLast)
            return true;
        cursor = NextCursor(cursor, entry);
    }
}

// Where each entry of each root entry's group starts: typing begins there, and those
// groups are the largest. An entry that cannot be read ends its group's index.
void CDictionary::IndexRootGroups()
{
    std::uint32_t nTotal = 0;
    for (int pass = 0; pass < 2; ++pass)
    {
        if (pass == 1)
        {
            m_pRootGroups.reset(new (std::nothrow) IndexedEntry[nTotal == 0 ? 1 : nTotal]);
            if (m_pRootGroups == nullptr)
                return;
        }
        nTotal = 0;
        for (int nCode = 0; nCode < kCodes; ++nCode)
        {
            m_aRootGroupAt[nCode] = nTotal;
            DictionaryCursor cursor = {};
            DictionaryEntry entry = {};
            bool bMore = m_aRoot[nCode].nLabelUnits != 0 && ChildCursor(m_aRoot[nCode], cursor);
            while (bMore && ReadEntry(cursor, entry))
            {
                if (pass == 1)
                    m_pRootGroups[nTotal] = {cursor.nPos, cursor.nChildStart, cursor.nPrevBest, CodeAt(entry.nLabelPos)};
                ++nTotal;
                bMore = !entry.bLast;
                cursor = NextCursor(cursor, entry);
            }
            m_aRootGroupCount[nCode] = nTotal - m_aRootGroupAt[nCode];
            if (pass == 1)
                SortIndexedGroup(nCode);
        }
    }
}

// By first character, so that one is found by halving; and the set of them.
void CDictionary::SortIndexedGroup(int nRootCode)
{
    IndexedEntry* pFirst = m_pRootGroups.get() + m_aRootGroupAt[nRootCode];
    const std::uint32_t nCount = m_aRootGroupCount[nRootCode];
    m_aRootGroupCodes[nRootCode] = {};
    for (std::uint32_t i = 0; i < nCount; ++i)
    {
        const IndexedEntry held = pFirst[i];
        std::uint32_t k = i;
        for (; k > 0 && pFirst[k - 1].nCode > held.nCode; --k)
            pFirst[k] = pFirst[k - 1];
        pFirst[k] = held;
        m_aRootGroupCodes[nRootCode].aBits[held.nCode >> 6] |= std::uint64_t(1) << (held.nCode & 63);
    }
}

const IndexedEntry* CDictionary::IndexedChildren(std::uint8_t nRootCode, int& nCount, CodeSet& firstCodes) const
{
    nCount = 0;
    if (!IsOpen() || m_pRootGroups == nullptr || nRootCode >= kCodes)
        return nullptr;
    nCount = static_cast<int>(m_aRootGroupCount[nRootCode]);
    firstCodes = m_aRootGroupCodes[nRootCode];
    return m_pRootGroups.get() + m_aRootGroupAt[nRootCode];
}

void CDictionary::IndexTypedLetters()
{
    m_nTypedKeys = 0;
    m_skippable = {};
    for (std::uint8_t nCode = 1; nCode <= m_nAlphabet; ++nCode)
    {
        const LetterMatch& match = m_aMatch[nCode];
        if (match.bSkippable)
            m_skippable.aBits[nCode >> 6] |= std::uint64_t(1) << (nCode & 63);
        for (const wchar_t chKey : {match.chLower, match.chPlain, match.szPair[0]})
        {
            if (chKey == 0)
                continue;
            int i = 0;
            while (i < m_nTypedKeys && m_aTypedKeys[i] < chKey)
                ++i;
            if (i == m_nTypedKeys || m_aTypedKeys[i] != chKey)
            {
                for (int k = m_nTypedKeys++; k > i; --k)
                {
                    m_aTypedKeys[k] = m_aTypedKeys[k - 1];
                    m_aTypedCodes[k] = m_aTypedCodes[k - 1];
                }
                m_aTypedKeys[i] = chKey;
                m_aTypedCodes[i] = {};
            }
            m_aTypedCodes[i].aBits[nCode >> 6] |= std::uint64_t(1) << (nCode & 63);
        }
    }
}

CodeSet CDictionary::CodesTypedBy(wchar_t chTyped) const
{
    int nLow = 0, nHigh = m_nTypedKeys;
    while (nLow < nHigh)
    {
        const int nMid = (nLow + nHigh) / 2;
        if (m_aTypedKeys[nMid] < chTyped)
            nLow = nMid + 1;
        else
            nHigh = nMid;
    }
    CodeSet codes = m_skippable;
    if (nLow < m_nTypedKeys && m_aTypedKeys[nLow] == chTyped)
    {
        codes.aBits[0] |= m_aTypedCodes[nLow].aBits[0];
        codes.aBits[1] |= m_aTypedCodes[nLow].aBits[1];
    }
    return codes;
}

bool CDictionary::RootEntry(std::uint8_t nCode, DictionaryEntry& entry) const
{
    if (!IsOpen() || nCode >= kCodes || m_aRoot[nCode].nLabelUnits == 0)
        return false;
    entry = m_aRoot[nCode];
    return true;
}

void CDictionary::Close()
{
    m_pBytes.reset();
    m_pRootGroups.reset();
    m_cbBytes = m_nWords = m_nAlphabet = m_nShortcutsAt = m_nShortcuts = m_nTrieAt = 0;
    m_nTypedKeys = 0;
}

std::uint16_t CDictionary::Unit16(std::uint32_t nPos) const
{
    return static_cast<std::uint16_t>(m_pBytes[nPos] | m_pBytes[nPos + 1] << 8);
}

std::uint32_t CDictionary::Unit32(std::uint32_t nPos) const
{
    return std::uint32_t(Unit16(nPos)) | std::uint32_t(Unit16(nPos + 2)) << 16;
}

bool CDictionary::ReadHeader()
{
    for (int i = 0; i < 4; ++i)
    {
        if (m_pBytes[i] != kDictionaryMagic[i])
            return false;
    }
    const std::uint32_t nHeaderBytes = Unit16(kDicHeaderSizeAt);
    m_nAlphabet = Unit16(kDicAlphabetAt);
    m_nWords = Unit32(kDicWordCountAt);
    m_nShortcutsAt = Unit32(kDicShortcutsAt);
    m_nTrieAt = Unit32(kDicTrieAt);
    const std::uint32_t nAlphabetEnd = nHeaderBytes + 2 * m_nAlphabet;
    if (Unit16(kDicVersionAt) != kDictionaryVersion || nHeaderBytes < kDictionaryHeaderBytes ||
        !WordLanguageOfTag(static_cast<char>(m_pBytes[kDicLanguageAt]), static_cast<char>(m_pBytes[kDicLanguageAt + 1]),
                           m_language) ||
        m_nAlphabet < 1 || m_nAlphabet > kMaxAlphabetCharacters || nAlphabetEnd > m_nShortcutsAt ||
        m_nShortcutsAt > m_nTrieAt || m_nTrieAt >= m_cbBytes || Unit32(kDicFileSizeAt) != m_cbBytes)
        return false;
    const std::uint32_t nCrc = Crc32(m_pBytes.get() + kDictionaryHeaderBytes, m_cbBytes - kDictionaryHeaderBytes,
                                     Crc32(m_pBytes.get(), kDicChecksumAt));
    if (nCrc != Unit32(kDicChecksumAt))
        return false;
    for (std::uint32_t n = 1; n <= m_nAlphabet; ++n)
    {
        const wchar_t ch = static_cast<wchar_t>(Unit16(nHeaderBytes + 2 * (n - 1)));
        if (ch == 0)
            return false;
        m_aCharacters[n] = ch;
        m_aMatch[n] = MatchOfCharacter(m_language, ch);
    }
    return true;
}

bool CDictionary::ReadShortcuts()
{
    const std::uint32_t nEnd = m_nTrieAt;
    if (m_nShortcutsAt + 2 > nEnd)
        return false;
    m_nShortcuts = Unit16(m_nShortcutsAt);
    const std::uint32_t nRecords = m_nShortcutsAt + 2 + 2 * m_nShortcuts;
    if (nRecords > nEnd)
        return false;
    for (std::uint32_t i = 0; i < m_nShortcuts; ++i)
    {
        const std::uint32_t nAt = m_nShortcutsAt + Unit16(m_nShortcutsAt + 2 + 2 * i);
        if (nAt < nRecords || nAt + 2 > nEnd)
            return false;
        const std::uint32_t nSource = m_pBytes[nAt], nTarget = m_pBytes[nAt + 1];
        if (nSource < 1 || nSource > kMaxWordUnits || nTarget < 1 || nTarget > kMaxWordUnits ||
            nAt + 2 + 2 * (nSource + nTarget) > nEnd)
            return false;
    }
    return true;
}

// A size, 7 bits a byte, low bits first; false when it does not end before nLimit.
bool CDictionary::ReadSize(std::uint32_t& nPos, std::uint32_t nLimit, std::uint32_t& nSize) const
{
    nSize = 0;
    for (int i = 0; i < kMaxSizeBytes; ++i)
    {
        if (nPos >= nLimit)
            return false;
        const std::uint8_t nByte = m_pBytes[nPos++];
        nSize |= std::uint32_t(nByte & 0x7F) << (7 * i);
        if ((nByte & 0x80) == 0)
            return true;
    }
    return false;
}

bool CDictionary::ChildCursor(const DictionaryEntry& parent, DictionaryCursor& cursor) const
{
    std::uint32_t nPos = parent.nChildBegin, nSize = 0;
    if (!IsOpen() || !parent.bChildren || parent.nChildEnd > m_cbBytes ||
        !ReadSize(nPos, parent.nChildEnd, nSize) || nSize == 0 || nSize > parent.nChildEnd - nPos)
        return false;
    cursor = {nPos, nPos + nSize, nPos + nSize, parent.nChildEnd, parent.nBest};
    return true;
}

bool CDictionary::ReadEntryHeader(std::uint32_t& nPos, std::uint32_t nLimit, std::uint8_t nPrevBest,
                                  std::uint8_t& nHeader, std::uint8_t& nBest) const
{
    if (nPos >= nLimit)
        return false;
    nHeader = m_pBytes[nPos++];
    std::uint32_t nStep = nHeader & kEntryStepMask;
    if (nStep == kEntryStepInByte)
    {
        if (nPos >= nLimit)
            return false;
        nStep = m_pBytes[nPos++];
    }
    if (nStep > nPrevBest)
        return false;
    nBest = static_cast<std::uint8_t>(nPrevBest - nStep);
    return true;
}

bool CDictionary::ReadEntry(const DictionaryCursor& cursor, DictionaryEntry& entry) const
{
    // The entries of a group lie before the first subtree of the group.
    const std::uint32_t nLimit = cursor.nGroupEnd;
    std::uint32_t nPos = cursor.nPos;
    if (!IsOpen() || nPos >= nLimit || nLimit > cursor.nChildStart || cursor.nChildStart > cursor.nEnd ||
        cursor.nEnd > m_cbBytes)
        return false;
    std::uint8_t nHeader = 0;
    if (!ReadEntryHeader(nPos, nLimit, cursor.nPrevBest, nHeader, entry.nBest))
        return false;
    const std::uint8_t nKind = nHeader & kEntryKindMask;
    entry.nOwn = entry.nBest;
    if (nKind == kEntryWordBelow)
    {
        if (nPos >= nLimit || m_pBytes[nPos] > entry.nBest)
            return false;
        entry.nOwn = static_cast<std::uint8_t>(entry.nBest - m_pBytes[nPos++]);
    }
    entry.bWord = nKind != kEntryBranch;
    entry.bChildren = nKind != kEntryLeaf;
    entry.nLabelPos = nPos;
    for (std::uint32_t nUnits = 1;; ++nUnits)
    {
        if (nPos >= nLimit || nUnits > kMaxWordUnits)
            return false;
        const std::uint8_t nCode = m_pBytes[nPos++];
        if ((nCode & 0x7F) == 0 || (nCode & 0x7F) > m_nAlphabet)
            return false;
        if ((nCode & kLabelEnd) != 0)
        {
            entry.nLabelUnits = static_cast<std::uint8_t>(nUnits);
            break;
        }
    }
    entry.bLast = nPos == nLimit;
    entry.nChildBegin = entry.nChildEnd = cursor.nChildStart;
    if (entry.bChildren && entry.bLast)
    {
        entry.nChildEnd = cursor.nEnd;
        if (entry.nChildBegin >= entry.nChildEnd)
            return false;
    }
    else if (entry.bChildren)
    {
        std::uint32_t nSize = 0;
        if (!ReadSize(nPos, nLimit, nSize) || nSize == 0 || nSize > cursor.nEnd - entry.nChildBegin)
            return false;
        entry.nChildEnd = entry.nChildBegin + nSize;
        // A size that ends the group would leave the entry without a next one.
        entry.bLast = nPos == nLimit;
        if (entry.bLast)
            return false;
    }
    entry.nNextPos = nPos;
    return true;
}

bool CDictionary::FindEntry(DictionaryCursor& cursor, const CodeSet& codes, DictionaryEntry& entry) const
{
    const std::uint32_t nLimit = cursor.nGroupEnd;
    if (!IsOpen() || nLimit > cursor.nChildStart || cursor.nChildStart > cursor.nEnd || cursor.nEnd > m_cbBytes)
        return false;
    for (;;)
    {
        std::uint32_t nPos = cursor.nPos;
        if (nPos >= nLimit)
            return false;
        std::uint8_t nHeader = 0, nBest = 0;
        if (!ReadEntryHeader(nPos, nLimit, cursor.nPrevBest, nHeader, nBest))
            return false;
        nPos += (nHeader & kEntryKindMask) == kEntryWordBelow ? 1 : 0;
        if (nPos >= nLimit)
            return false;
        if (codes.Has(m_pBytes[nPos] & 0x7F))
            return ReadEntry(cursor, entry);
        const std::uint32_t nLabelEnd = nPos + kMaxWordUnits < nLimit ? nPos + kMaxWordUnits : nLimit;
        while (nPos < nLabelEnd && (m_pBytes[nPos] & kLabelEnd) == 0)
            ++nPos;
        if (++nPos > nLabelEnd || nPos == nLimit)
            return false;  // damaged, or the last entry: nothing follows
        std::uint32_t nSize = 0;
        if ((nHeader & kEntryKindMask) != kEntryLeaf &&
            (!ReadSize(nPos, nLimit, nSize) || nSize == 0 || nSize > cursor.nEnd - cursor.nChildStart || nPos == nLimit))
            return false;
        cursor = {nPos, nLimit, cursor.nChildStart + nSize, cursor.nEnd, nBest};
    }
}

int CDictionary::CompareSource(std::uint32_t nRecord, const wchar_t* pszTyped, std::size_t nTyped) const
{
    const std::uint32_t nAt = m_nShortcutsAt + Unit16(m_nShortcutsAt + 2 + 2 * nRecord);
    const std::uint32_t nSource = m_pBytes[nAt];
    for (std::uint32_t i = 0; i < nSource && i < nTyped; ++i)
    {
        const unsigned nUnit = Unit16(nAt + 2 + 2 * i), nTypedUnit = static_cast<unsigned>(pszTyped[i]);
        if (nUnit != nTypedUnit)
            return nUnit < nTypedUnit ? -1 : 1;
    }
    return nSource < nTyped ? -1 : nSource > nTyped ? 1 : 0;
}

int CDictionary::FindShortcuts(const wchar_t* pszTyped, std::size_t nTyped, wchar_t (*aszTargets)[kMaxWordUnits + 1],
                               int nMax) const
{
    if (!IsOpen() || nTyped == 0)
        return 0;
    std::uint32_t nLow = 0, nHigh = m_nShortcuts;
    while (nLow < nHigh)
    {
        const std::uint32_t nMid = nLow + (nHigh - nLow) / 2;
        if (CompareSource(nMid, pszTyped, nTyped) < 0)
            nLow = nMid + 1;
        else
            nHigh = nMid;
    }
    int nFound = 0;
    for (std::uint32_t i = nLow; i < m_nShortcuts && nFound < nMax && CompareSource(i, pszTyped, nTyped) == 0; ++i)
    {
        const std::uint32_t nAt = m_nShortcutsAt + Unit16(m_nShortcutsAt + 2 + 2 * i);
        const std::uint32_t nSource = m_pBytes[nAt], nTarget = m_pBytes[nAt + 1];
        for (std::uint32_t k = 0; k < nTarget; ++k)
            aszTargets[nFound][k] = static_cast<wchar_t>(Unit16(nAt + 2 + 2 * (nSource + k)));
        aszTargets[nFound++][nTarget] = 0;
    }
    return nFound;
}

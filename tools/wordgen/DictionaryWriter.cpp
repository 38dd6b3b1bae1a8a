#include "DictionaryWriter.h"

#include "words/Crc32.h"
#include "words/DictionaryFormat.h"
#include "words/Letters.h"
#include "words/WordLimits.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Codes = std::vector<std::uint8_t>;

// A node of the radix tree: the label that leads to it from its parent.
struct Node
{
    Codes label;
    bool bWord = false;
    std::uint8_t nOwn = 0;
    std::uint8_t nBest = 0;
    std::vector<Node> children;
};

struct CodedWord
{
    Codes codes;
    std::uint8_t nFrequency;
};

bool IsStorableUnit(wchar_t ch)
{
    const unsigned long n = static_cast<unsigned long>(ch);
    return n != 0 && n <= 0xFFFF && (n < 0xD800 || n > 0xDFFF);
}

bool IsStorable(const std::wstring& word)
{
    return !word.empty() && word.size() <= static_cast<std::size_t>(kMaxWordUnits) &&
           std::all_of(word.begin(), word.end(), IsStorableUnit);
}

// The characters of the stored words, the 127 used by the most words, in unit order.
std::vector<wchar_t> ChooseAlphabet(const std::vector<DictionaryWord>& words)
{
    std::map<wchar_t, std::size_t> uses;
    for (const DictionaryWord& word : words)
    {
        if (!IsStorable(word.word))
            continue;
        std::wstring seen = word.word;
        std::sort(seen.begin(), seen.end());
        seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
        for (wchar_t ch : seen)
            ++uses[ch];
    }
    std::vector<std::pair<std::size_t, wchar_t>> byUse;
    for (const auto& [ch, nUses] : uses)
        byUse.push_back({nUses, ch});
    std::stable_sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    if (byUse.size() > static_cast<std::size_t>(kMaxAlphabetCharacters))
        byUse.resize(kMaxAlphabetCharacters);
    std::vector<wchar_t> alphabet;
    for (const auto& use : byUse)
        alphabet.push_back(use.second);
    std::sort(alphabet.begin(), alphabet.end());
    return alphabet;
}

// The words as character numbers, sorted, each once with its best frequency.
std::vector<CodedWord> CodeWords(const std::vector<DictionaryWord>& words, const std::vector<wchar_t>& alphabet,
                                 DictionaryFigures& figures)
{
    std::map<wchar_t, std::uint8_t> codeOf;
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        codeOf[alphabet[i]] = static_cast<std::uint8_t>(i + 1);
    std::vector<CodedWord> coded;
    for (const DictionaryWord& word : words)
    {
        CodedWord entry = {{}, word.nFrequency};
        for (wchar_t ch : word.word)
        {
            const auto found = codeOf.find(ch);
            if (found == codeOf.end())
                break;
            entry.codes.push_back(found->second);
        }
        if (!IsStorable(word.word) || entry.codes.size() != word.word.size())
            ++figures.nDropped;
        else
            coded.push_back(entry);
    }
    std::sort(coded.begin(), coded.end(), [](const CodedWord& a, const CodedWord& b) {
        return std::tie(a.codes, b.nFrequency) < std::tie(b.codes, a.nFrequency);
    });
    coded.erase(std::unique(coded.begin(), coded.end(),
                            [](const CodedWord& a, const CodedWord& b) { return a.codes == b.codes; }),
                coded.end());
    figures.nWords = coded.size();
    return coded;
}

std::size_t CommonLength(const Codes& a, const Codes& b)
{
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

// The children of the node whose words are coded[nBegin, nEnd), all longer than nDepth
// and sharing their first nDepth characters.
std::vector<Node> BuildChildren(const std::vector<CodedWord>& coded, std::size_t nBegin, std::size_t nEnd,
                                std::size_t nDepth)
{
    std::vector<Node> children;
    for (std::size_t nGroup = nBegin; nGroup < nEnd;)
    {
        std::size_t nGroupEnd = nGroup + 1;
        while (nGroupEnd < nEnd && coded[nGroupEnd].codes[nDepth] == coded[nGroup].codes[nDepth])
            ++nGroupEnd;
        // Sorted, the group's first and last words share what all of them share; a word
        // that ends inside that is the first, so the label stops at its end.
        const std::size_t nLabelEnd = CommonLength(coded[nGroup].codes, coded[nGroupEnd - 1].codes);
        Node node;
        node.label.assign(coded[nGroup].codes.begin() + static_cast<std::ptrdiff_t>(nDepth),
                          coded[nGroup].codes.begin() + static_cast<std::ptrdiff_t>(nLabelEnd));
        std::size_t nRest = nGroup;
        if (coded[nGroup].codes.size() == nLabelEnd)
        {
            node.bWord = true;
            node.nOwn = coded[nGroup].nFrequency;
            ++nRest;
        }
        node.children = BuildChildren(coded, nRest, nGroupEnd, nLabelEnd);
        node.nBest = node.bWord ? node.nOwn : 0;
        for (const Node& child : node.children)
            node.nBest = std::max(node.nBest, child.nBest);
        children.push_back(std::move(node));
        nGroup = nGroupEnd;
    }
    // Best first, so that a walk meets the best words first.
    std::stable_sort(children.begin(), children.end(), [](const Node& a, const Node& b) { return a.nBest > b.nBest; });
    return children;
}

void PutSize(Bytes& out, std::size_t nSize)
{
    do
    {
        const std::uint8_t nLow = static_cast<std::uint8_t>(nSize & 0x7F);
        nSize >>= 7;
        out.push_back(nSize != 0 ? static_cast<std::uint8_t>(nLow | 0x80) : nLow);
    } while (nSize != 0);
}

std::uint8_t KindOf(const Node& node)
{
    if (node.children.empty())
        return kEntryLeaf;
    if (!node.bWord)
        return kEntryBranch;
    return node.nOwn == node.nBest ? kEntryWordBest : kEntryWordBelow;
}

// A group: its entries' size, its entries, then each entry's subtree in the same order.
Bytes EncodeGroup(const std::vector<Node>& nodes, std::uint8_t nParentBest)
{
    std::vector<Bytes> subtrees;
    for (const Node& node : nodes)
        subtrees.push_back(node.children.empty() ? Bytes() : EncodeGroup(node.children, node.nBest));
    Bytes entries;
    std::uint8_t nPrevBest = nParentBest;
    for (std::size_t i = 0; i < nodes.size(); ++i)
    {
        const Node& node = nodes[i];
        const std::uint8_t nStep = static_cast<std::uint8_t>(nPrevBest - node.nBest);
        const std::uint8_t nKind = KindOf(node);
        entries.push_back(static_cast<std::uint8_t>(nKind | (nStep >= kEntryStepInByte ? kEntryStepInByte : nStep)));
        if (nStep >= kEntryStepInByte)
            entries.push_back(nStep);
        if (nKind == kEntryWordBelow)
            entries.push_back(static_cast<std::uint8_t>(node.nBest - node.nOwn));
        for (std::size_t k = 0; k < node.label.size(); ++k)
            entries.push_back(static_cast<std::uint8_t>(node.label[k] | (k + 1 == node.label.size() ? kLabelEnd : 0)));
        if (!node.children.empty() && i + 1 < nodes.size())
            PutSize(entries, subtrees[i].size());
        nPrevBest = node.nBest;
    }
    Bytes out;
    PutSize(out, entries.size());
    out.insert(out.end(), entries.begin(), entries.end());
    for (const Bytes& subtree : subtrees)
        out.insert(out.end(), subtree.begin(), subtree.end());
    return out;
}

void Put16(Bytes& out, std::uint32_t n)
{
    out.push_back(static_cast<std::uint8_t>(n));
    out.push_back(static_cast<std::uint8_t>(n >> 8));
}

void Set32(Bytes& out, std::size_t nAt, std::uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        out[nAt + i] = static_cast<std::uint8_t>(n >> (8 * i));
}

std::wstring Lowered(const std::wstring& text)
{
    std::wstring lower = text;
    for (wchar_t& ch : lower)
        ch = LowerLetter(ch);
    return lower;
}

// The shortcuts section: count, offsets, then the records sorted by source, best first.
Bytes EncodeShortcuts(const std::vector<DictionaryShortcut>& shortcuts, DictionaryFigures& figures)
{
    std::vector<std::tuple<std::wstring, int, std::wstring>> sorted;
    for (const DictionaryShortcut& shortcut : shortcuts)
    {
        if (IsStorable(shortcut.source) && IsStorable(shortcut.target))
            sorted.emplace_back(Lowered(shortcut.source), -shortcut.nRank, shortcut.target);
    }
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    Bytes records;
    std::vector<std::size_t> offsets;
    for (const auto& [source, nRank, target] : sorted)
    {
        // Offsets are 16 bits: what does not fit is left out.
        if (2 + 2 * (offsets.size() + 1) + records.size() + 2 + 2 * (source.size() + target.size()) > 0xFFFF)
            break;
        offsets.push_back(records.size());
        records.push_back(static_cast<std::uint8_t>(source.size()));
        records.push_back(static_cast<std::uint8_t>(target.size()));
        for (wchar_t ch : source + target)
            Put16(records, static_cast<std::uint32_t>(ch));
    }
    Bytes out;
    Put16(out, static_cast<std::uint32_t>(offsets.size()));
    for (std::size_t nOffset : offsets)
        Put16(out, static_cast<std::uint32_t>(2 + 2 * offsets.size() + nOffset));
    out.insert(out.end(), records.begin(), records.end());
    figures.nShortcuts = offsets.size();
    return out;
}

}  // namespace

bool SourceOfList(const WordListFile& list, DictionarySource& source)
{
    source = {};
    if (list.locale.size() < 2 || !WordLanguageOfTag(list.locale[0], list.locale[1], source.language))
        return false;
    for (const ListWord& word : list.words)
    {
        if (!word.bNotAWord)
        {
            const bool bOnlyWhole = word.bOffensive || word.nFrequency == 0;
            source.words.push_back({word.word, static_cast<std::uint8_t>(bOnlyWhole ? 0 : word.nFrequency)});
        }
        for (const ListShortcut& shortcut : word.shortcuts)
            source.shortcuts.push_back({word.word, shortcut.target, shortcut.nRank});
    }
    return true;
}

std::vector<std::uint8_t> WriteDictionary(const DictionarySource& source, DictionaryFigures& figures)
{
    figures = {};
    const std::vector<wchar_t> alphabet = ChooseAlphabet(source.words);
    const std::vector<CodedWord> coded = CodeWords(source.words, alphabet, figures);
    figures.nAlphabet = alphabet.size();
    if (coded.empty())
        return {};
    const Bytes trie = EncodeGroup(BuildChildren(coded, 0, coded.size(), 0), kTopFrequency);
    const Bytes shortcuts = EncodeShortcuts(source.shortcuts, figures);

    Bytes out(kDictionaryHeaderBytes, 0);
    std::copy(kDictionaryMagic, kDictionaryMagic + 4, out.begin());
    out[kDicVersionAt] = kDictionaryVersion;
    out[kDicHeaderSizeAt] = kDictionaryHeaderBytes;
    out[kDicLanguageAt] = static_cast<std::uint8_t>(WordLanguageTag(source.language)[0]);
    out[kDicLanguageAt + 1] = static_cast<std::uint8_t>(WordLanguageTag(source.language)[1]);
    out[kDicAlphabetAt] = static_cast<std::uint8_t>(alphabet.size());
    Set32(out, kDicWordCountAt, static_cast<std::uint32_t>(coded.size()));
    for (wchar_t ch : alphabet)
        Put16(out, static_cast<std::uint32_t>(ch));
    Set32(out, kDicShortcutsAt, static_cast<std::uint32_t>(out.size()));
    out.insert(out.end(), shortcuts.begin(), shortcuts.end());
    Set32(out, kDicTrieAt, static_cast<std::uint32_t>(out.size()));
    out.insert(out.end(), trie.begin(), trie.end());
    Set32(out, kDicFileSizeAt, static_cast<std::uint32_t>(out.size()));
    Set32(out, kDicChecksumAt,
          Crc32(out.data() + kDictionaryHeaderBytes, out.size() - kDictionaryHeaderBytes, Crc32(out.data(), kDicChecksumAt)));
    return out;
}

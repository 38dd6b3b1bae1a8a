// The word completion benchmark, natively and optimised (`make bench-words`):
//   brevanto_words_bench WORDS_DIR LISTS_DIR
// WORDS_DIR holds the compiled dictionaries (en.dic, ...), LISTS_DIR the plain text of
// the word lists they were compiled from. Prints one table: the time of the
// suggestions for a prefix against a binary search for it, the dictionaries' size and
// memory, and the taps that suggestions save on real texts. Nothing is asserted.

#include "BenchStats.h"
#include "BenchTable.h"
#include "KeystrokeReplay.h"

#include "DictionaryWriter.h"
#include "WordListReader.h"
#include "device/harness/FileBytes.h"
#include "device/harness/TextUtf.h"
#include "words/Dictionary.h"
#include "words/Letters.h"
#include "words/UserWords.h"
#include "words/WordSuggestions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

// Every allocation of the program is counted, so that the memory a loaded dictionary
// holds is measured, not estimated.
namespace {

std::size_t g_cbLive = 0;
constexpr std::size_t kHeader = 16;

void* Allocate(std::size_t cb)
{
    auto* p = static_cast<unsigned char*>(std::malloc(cb + kHeader));
    if (p == nullptr)
        return nullptr;
    *reinterpret_cast<std::size_t*>(p) = cb;
    g_cbLive += cb;
    return p + kHeader;
}

void Free(void* pBlock)
{
    if (pBlock == nullptr)
        return;
    auto* p = static_cast<unsigned char*>(pBlock) - kHeader;
    g_cbLive -= *reinterpret_cast<std::size_t*>(p);
    std::free(p);
}

}  // namespace

void* operator new(std::size_t cb)
{
    void* p = Allocate(cb);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}
void* operator new[](std::size_t cb) { return operator new(cb); }
void* operator new(std::size_t cb, const std::nothrow_t&) noexcept { return Allocate(cb); }
void* operator new[](std::size_t cb, const std::nothrow_t&) noexcept { return Allocate(cb); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Free(p); }

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kBytesAWordGoal = 7;
constexpr int kPrefixWords = 1000;
constexpr std::size_t kLongestPrefix = 6;
constexpr int kRounds = 15;
constexpr std::uint32_t kSeed = 20240607;
constexpr std::size_t kTextBytes = 60 * 1024;

SampleSummary One(double dValue)
{
    SampleSummary summary;
    summary.dMedian = summary.dMin = dValue;
    summary.nCount = 1;
    return summary;
}

struct LoadedDictionary
{
    std::unique_ptr<CDictionary> pDictionary;
    std::size_t cbFile = 0;
    std::size_t cbLoaded = 0;  // the buffer, the reader and what it allocated
};

// Loads as the module will: the file's bytes into one buffer that the reader takes.
bool Load(const fs::path& path, LoadedDictionary& loaded)
{
    FileBytes bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    const std::size_t cbBefore = g_cbLive;
    std::unique_ptr<std::uint8_t[]> pBuffer(new (std::nothrow) std::uint8_t[bytes.size()]);
    if (pBuffer == nullptr)
        return false;
    std::copy(bytes.begin(), bytes.end(), pBuffer.get());
    loaded.pDictionary.reset(new CDictionary());
    if (!loaded.pDictionary->Open(std::move(pBuffer), bytes.size()))
        return false;
    loaded.cbLoaded = g_cbLive - cbBefore;
    loaded.cbFile = bytes.size();
    return true;
}

bool ReadList(const fs::path& path, WordListFile& list)
{
    FileBytes text;
    std::string error;
    return ReadFileBytes(path, text) &&
           ReadWordList(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), list, error);
}

void SizeRows(const fs::path& wordsDir, std::vector<BenchRow>& rows)
{
    for (const char* pszTag : {"en", "de", "fr", "es", "it"})
    {
        LoadedDictionary loaded;
        const std::string name = std::string(pszTag) + ".dic";
        BenchRow size = {name + ": bytes a word", {}, "goal", One(kBytesAWordGoal), "", "B"};
        BenchRow memory = {name + ": memory after loading", {}, "file size", {}, "", "KB"};
        if (!Load(wordsDir / name, loaded))
        {
            size.failure = memory.failure = "cannot load " + (wordsDir / name).string();
        }
        else
        {
            size.figure = One(static_cast<double>(loaded.cbFile) / loaded.pDictionary->WordCount());
            memory.figure = One(loaded.cbLoaded / 1024.0);
            memory.floorFigure = One(loaded.cbFile / 1024.0);
        }
        rows.push_back(size);
        rows.push_back(memory);
    }
}

bool IsAllLetters(const std::wstring& word)
{
    return std::all_of(word.begin(), word.end(), IsWordLetter);
}

// Prefixes of 1 to 6 letters of words drawn from the list with a fixed seed, by length.
std::vector<std::vector<std::wstring>> DrawPrefixes(const WordListFile& list)
{
    std::vector<const std::wstring*> offered;
    for (const ListWord& word : list.words)
    {
        if (!word.bNotAWord && !word.bOffensive && word.nFrequency > 0 && IsAllLetters(word.word))
            offered.push_back(&word.word);
    }
    std::vector<std::vector<std::wstring>> prefixes(kLongestPrefix + 1);
    std::mt19937 random(kSeed);
    for (int i = 0; i < kPrefixWords && !offered.empty(); ++i)
    {
        const std::wstring& word = *offered[random() % offered.size()];
        for (std::size_t n = 1; n <= kLongestPrefix && n <= word.size(); ++n)
            prefixes[n].push_back(word.substr(0, n));
    }
    return prefixes;
}

double MicrosecondsSince(Clock::time_point start, std::size_t nQueries)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / static_cast<double>(nQueries);
}

void PrefixRows(const CDictionary& dictionary, const WordListFile& list, std::vector<BenchRow>& rows)
{
    const std::vector<std::vector<std::wstring>> prefixes = DrawPrefixes(list);
    std::vector<std::wstring> sorted;
    for (const ListWord& word : list.words)
        sorted.push_back(word.word);
    std::sort(sorted.begin(), sorted.end());
    std::unique_ptr<CWordSuggester> pSuggester(new CWordSuggester(dictionary));
    std::size_t nSink = 0;

    std::vector<TimedRound> rounds;
    for (std::size_t n = 1; n <= kLongestPrefix; ++n)
    {
        const std::vector<std::wstring>& group = prefixes[n];
        rounds.push_back([&, n]() {
            const Clock::time_point start = Clock::now();
            for (const std::wstring& prefix : prefixes[n])
            {
                WordSuggestions suggestions = {};
                pSuggester->Suggest(nullptr, prefix.c_str(), prefix.size(), 3, suggestions);
                nSink += static_cast<std::size_t>(suggestions.nCount);
            }
            return MicrosecondsSince(start, group.size());
        });
        rounds.push_back([&, n]() {
            const Clock::time_point start = Clock::now();
            for (const std::wstring& prefix : prefixes[n])
                nSink += static_cast<std::size_t>(std::lower_bound(sorted.begin(), sorted.end(), prefix) - sorted.begin());
            return MicrosecondsSince(start, prefixes[n].size());
        });
    }
    const std::vector<SampleSummary> summaries = MeasureInTurn(kRounds, rounds);

    // All prefixes together: each length weighs as many prefixes as it has.
    double dSuggest = 0, dFloor = 0, dSuggestMin = 0, dFloorMin = 0, dWorst = 0;
    std::size_t nQueries = 0, nWorst = 1;
    for (std::size_t n = 1; n <= kLongestPrefix; ++n)
    {
        const SampleSummary& suggest = summaries[2 * (n - 1)];
        const SampleSummary& floor = summaries[2 * (n - 1) + 1];
        const double nGroup = static_cast<double>(prefixes[n].size());
        dSuggest += suggest.dMedian * nGroup;
        dFloor += floor.dMedian * nGroup;
        dSuggestMin += suggest.dMin * nGroup;
        dFloorMin += floor.dMin * nGroup;
        nQueries += prefixes[n].size();
        if (floor.dMedian > 0 && suggest.dMedian / floor.dMedian > dWorst)
        {
            dWorst = suggest.dMedian / floor.dMedian;
            nWorst = n;
        }
    }
    SampleSummary all = One(dSuggest / nQueries), allFloor = One(dFloor / nQueries);
    all.dMin = dSuggestMin / nQueries;
    allFloor.dMin = dFloorMin / nQueries;
    all.nCount = allFloor.nCount = kRounds;
    rows.push_back({"en: 3 suggestions for a prefix, 1-6 letters (" + std::to_string(nQueries) + ")", all,
                    "binary search of the prefix", allFloor, "", "us"});
    rows.push_back({"en: the slowest length, " + std::to_string(nWorst) + (nWorst == 1 ? " letter (" : " letters (") +
                        std::to_string(prefixes[nWorst].size()) + ")",
                    summaries[2 * (nWorst - 1)], "binary search of the prefix", summaries[2 * (nWorst - 1) + 1], "", "us"});
    if (nSink == 0)
        std::printf("(no suggestions at all)\n");
}

// The text of a file, cut to its first cbMax bytes at a character's start.
bool ReadText(const fs::path& path, std::size_t cbMax, std::wstring& text)
{
    FileBytes bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    std::size_t cb = std::min(cbMax, bytes.size());
    while (cb < bytes.size() && cb > 0 && (bytes[cb] & 0xC0) == 0x80)
        --cb;
    text = Widen(std::string_view(reinterpret_cast<const char*>(bytes.data()), cb));
    return true;
}

// The first of the paths that exists; empty when none.
fs::path FirstExisting(const std::vector<fs::path>& candidates)
{
    for (const fs::path& path : candidates)
    {
        std::error_code error;
        if (fs::exists(path, error))
            return path;
    }
    return {};
}

std::vector<fs::path> VimTutors(const char* pszName)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/usr/share/vim", error))
        found.push_back(entry.path() / "tutor" / pszName);
    std::sort(found.begin(), found.end());
    return found;
}

struct TextCase
{
    const char* pszTag;      // the dictionary
    std::string name;        // as the row names it
    fs::path path;
};

void KeystrokeRows(const fs::path& wordsDir, std::vector<BenchRow>& rows, std::vector<std::string>& savings)
{
    const std::vector<TextCase> texts = {
        {"en", "GPL-3", "/usr/share/common-licenses/GPL-3"},
        {"de", "Vim tutor (German)", FirstExisting(VimTutors("tutor.de.utf-8"))},
        {"fr", "Vim tutor (French)", FirstExisting(VimTutors("tutor.fr.utf-8"))},
    };
    for (const TextCase& text : texts)
    {
        LoadedDictionary loaded;
        std::wstring content;
        const bool bReady = Load(wordsDir / (std::string(text.pszTag) + ".dic"), loaded) && !text.path.empty() &&
                            ReadText(text.path, kTextBytes, content);
        content = ReflowAsTyped(content);
        std::unique_ptr<CWordSuggester> pSuggester(bReady ? new CWordSuggester(*loaded.pDictionary) : nullptr);
        for (int nCase = 0; nCase < 5; ++nCase)
        {
            // After 1 and 2 letters as the options default to, then the space's variants and learning.
            const ReplaySettings settings = {nCase == 1 ? 2u : 1u, 3,
                                             nCase == 2   ? SpaceAfterWord::TakenBack
                                             : nCase == 3 ? SpaceAfterWord::None
                                                          : SpaceAfterWord::Backspace};
            const char* const apszNotes[] = {"", "", ", a sign takes the space back", ", no space after a word",
                                             ", learning on"};
            const std::string what = std::string(text.pszTag) + ": taps, " + text.name + ", after " +
                                     std::to_string(settings.nAfterLetters) + " letter" +
                                     (settings.nAfterLetters > 1 ? "s" : "") + apszNotes[nCase];
            BenchRow row = {what, {}, "typed without suggestions", {}, "", "taps"};
            if (!bReady)
            {
                row.failure = "no text or dictionary";
                rows.push_back(row);
                continue;
            }
            CUserWords userWords;
            const ReplayFigures figures =
                ReplayWithSuggestions(*pSuggester, content, settings, nCase == 4 ? &userWords : nullptr);
            row.figure = One(static_cast<double>(figures.nTapsWithSuggestions));
            row.floorFigure = One(static_cast<double>(figures.nTapsTyped));
            rows.push_back(row);
            char szLine[256];
            std::snprintf(szLine, sizeof szLine, "%-70s %5.1f %% of the taps saved, %zu words chosen (%zu characters)",
                          what.c_str(),
                          100.0 * (1.0 - static_cast<double>(figures.nTapsWithSuggestions) / figures.nTapsTyped),
                          figures.nWordsChosen, content.size());
            savings.push_back(szLine);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: brevanto_words_bench WORDS_DIR LISTS_DIR\n");
        return 2;
    }
    const fs::path wordsDir = argv[1], listsDir = argv[2];
    std::printf("Word completion: suggestions, dictionaries, keystrokes. Times: microseconds a query, the median\n"
                "of %d rounds (the fastest in brackets), each ratio over a floor measured in the same run.\n"
                "Taps: a letter, space, comma, full stop, ? ! or line break 1; capitals n + min(n, 2) a run\n"
                "(shift, or caps lock on and off); other characters 1 and 2 a run (view there and back);\n"
                "a suggestion 1, and with the space after a chosen word the text's next space is saved, or\n"
                "anything else there costs a backspace. 3 suggestions, nothing learnt.\n\n",
                kRounds);

    std::vector<BenchRow> rows;
    LoadedDictionary english;
    WordListFile list;
    if (Load(wordsDir / "en.dic", english) && ReadList(listsDir / "en.txt", list))
        PrefixRows(*english.pDictionary, list, rows);
    else
        rows.push_back({"en: suggestions for a prefix", {}, "", {}, "cannot load en.dic or en.txt", "us"});
    SizeRows(wordsDir, rows);
    std::vector<std::string> savings;
    KeystrokeRows(wordsDir, rows, savings);

    std::printf("%s\n", FormatBenchTable(rows).c_str());
    for (const std::string& line : savings)
        std::printf("%s\n", line.c_str());
    std::printf("\nGoals: suggestions within 4 times the binary search; at most %.0f bytes a word; memory after\n"
                "loading at most 1.05 times the file; 40 %% of the taps saved after 1 letter on the English text.\n",
                kBytesAWordGoal);
    return 0;
}

// wordgen: compiles word lists into the dictionary files of word completion.
//   wordgen LIST.txt OUT.dic [LIST.txt OUT.dic ...]
// Each list is the plain text of a data/wordlists/*.gz file; each dictionary's folder
// is created. Prints one line of figures per dictionary.

#include "DictionaryWriter.h"
#include "WordListReader.h"

#include "device/harness/FileBytes.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

bool Compile(const char* pszList, const char* pszOut)
{
    FileBytes text;
    if (!ReadFileBytes(pszList, text))
    {
        std::fprintf(stderr, "wordgen: cannot read %s\n", pszList);
        return false;
    }
    WordListFile list;
    std::string error;
    DictionarySource source;
    if (!ReadWordList(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), list, error) ||
        !SourceOfList(list, source))
    {
        std::fprintf(stderr, "wordgen: %s: %s\n", pszList, error.empty() ? "no language of ours" : error.c_str());
        return false;
    }
    DictionaryFigures figures;
    const FileBytes bytes = WriteDictionary(source, figures);
    const std::filesystem::path out(pszOut);
    std::error_code ignored;
    std::filesystem::create_directories(out.parent_path(), ignored);
    if (bytes.empty() || !WriteFileBytes(out, bytes))
    {
        std::fprintf(stderr, "wordgen: cannot write %s\n", pszOut);
        return false;
    }
    std::printf("%s: %zu words (%zu left out), %zu shortcuts, %zu characters, %zu bytes, %.2f bytes a word\n",
                out.filename().string().c_str(), figures.nWords, figures.nDropped, figures.nShortcuts,
                figures.nAlphabet, bytes.size(), static_cast<double>(bytes.size()) / static_cast<double>(figures.nWords));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0)
    {
        std::fprintf(stderr, "usage: wordgen LIST.txt OUT.dic [LIST.txt OUT.dic ...]\n");
        return 2;
    }
    for (int i = 1; i + 1 < argc; i += 2)
    {
        if (!Compile(argv[i], argv[i + 1]))
            return 1;
    }
    return 0;
}
